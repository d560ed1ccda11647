// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/FreedesktopTrash.h"

#include "platform/LogCategories.h"
#include "platform/ModuleLoader.h"
#include "platform/NativePath.h"
#include "platform/TrashModule.h"

#include <QObject>

int FreedesktopTrash::moveToTrash(const QString &path)
{
    QString target = path;
    // A folder is trashed under its own name, not as an empty name after its separator.
    while (target.size() > 1 && target.endsWith(QLatin1Char('/')))
        target.chop(1);
    m_lastFailure.clear();
    if (target.isEmpty())
        return 1;
    const QByteArray bytes = NativePath::toBytes(target);
    if (bytes.size() - bytes.lastIndexOf('/') - 1 > LongestName) {
        m_lastFailure = QObject::tr("The name is too long for the trash.");
        qCWarning(logFiles).noquote() << m_lastFailure << target;
        return 2;
    }
    TrashModule *trash = ModuleLoader::load<TrashModule>(QStringLiteral("gio"));
    if (!trash) {
        m_lastFailure = QObject::tr("The trash cannot be reached.");
        return 2;
    }
    m_lastFailure = trash->moveToTrash(bytes);
    return m_lastFailure.isEmpty() ? 0 : 2;
}
