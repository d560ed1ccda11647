// SPDX-License-Identifier: GPL-3.0-or-later
#include "backends/gio/GioModule.h"

#include <QLoggingCategory>
#include <gio/gio.h>

Q_LOGGING_CATEGORY(lcTrash, "kestrove.files.trash")

QString GioModule::moveToTrash(const QByteArray &path)
{
    GFile *file = g_file_new_for_path(path.constData());
    GError *error = nullptr;
    const bool trashed = g_file_trash(file, nullptr, &error);
    g_object_unref(file);
    if (trashed)
        return {};
    const QString message =
        error ? QString::fromUtf8(error->message) : QStringLiteral("GIO gave no reason for the failure");
    g_clear_error(&error);
    qCWarning(lcTrash).noquote() << message;
    return message;
}

QString GioModule::defaultApplication(const QString &mimeType)
{
    GAppInfo *application = g_app_info_get_default_for_type(mimeType.toUtf8().constData(), FALSE);
    if (!application)
        return {};
    // An application that was not read from a desktop entry has no id to name it by.
    const char *id = g_app_info_get_id(application);
    const QString name = id ? QString::fromUtf8(id) : QString();
    g_object_unref(application);
    return name;
}
