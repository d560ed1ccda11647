// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/PropertiesSheet.h"

#include "platform/LogCategories.h"
#include "platform/NativePath.h"
#include "platform/PropertiesDialog.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QUrl>

namespace PropertiesSheet {

void show(const QString &path, QWidget *parent)
{
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (bus.isConnected()) {
        QDBusMessage call = QDBusMessage::createMethodCall(
            QStringLiteral("org.freedesktop.FileManager1"), QStringLiteral("/org/freedesktop/FileManager1"),
            QStringLiteral("org.freedesktop.FileManager1"), QStringLiteral("ShowItemProperties"));
        call << QStringList{NativePath::fileUrl(path).toString(QUrl::FullyEncoded)} << QString();
        const QDBusMessage reply = bus.call(call, QDBus::Block, 2000);
        if (reply.type() == QDBusMessage::ReplyMessage)
            return;
        qCInfo(logDesktop) << "no file manager showed the properties, showing our own:" << reply.errorName()
                           << reply.errorMessage();
    }
    PropertiesDialog dialog(path, parent);
    dialog.exec();
}

} // namespace PropertiesSheet
