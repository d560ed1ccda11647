// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringList>

class QMimeData;

// The local files and folders a drag from a file manager carries.
namespace DroppedFiles {

// Their paths, each with the bytes the file system keeps (QUrl::toLocalFile would decode them as
// UTF-8 and lose some); other URLs are left out.
QStringList paths(const QMimeData *data);

} // namespace DroppedFiles
