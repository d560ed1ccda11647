// SPDX-License-Identifier: GPL-3.0-or-later
#include "browse/DroppedFiles.h"

#include "platform/NativePath.h"

#include <QMimeData>
#include <QUrl>

namespace DroppedFiles {

QStringList paths(const QMimeData *data)
{
    QStringList found;
    if (!data || !data->hasUrls())
        return found;
    const QList<QUrl> urls = data->urls();
    for (const QUrl &url : urls) {
        if (url.isLocalFile())
            found.append(NativePath::fromFileUrl(url));
    }
    return found;
}

} // namespace DroppedFiles
