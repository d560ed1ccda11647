// SPDX-License-Identifier: GPL-3.0-or-later
#include "backends/gio/GioTrash.h"

#include <QLoggingCategory>
#include <gio/gio.h>

Q_LOGGING_CATEGORY(lcTrash, "kestrove.files.trash")

QString GioTrash::moveToTrash(const QByteArray &path)
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
