// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/EditListFile.h"

#include "core/EditListStore.h"
#include "platform/TextLineFile.h"

#include <QFile>
#include <QFileInfo>

namespace EditListFile {

QString load(EditListStore &store, const QString &path)
{
    const TextLineFile::Contents contents = TextLineFile::read(path);
    store.reserve(store.count() + contents.lines.size());
    for (const QString &line : contents.lines) {
        if (!line.isEmpty())
            store.append(line);
    }
    return contents.problem;
}

QString save(const EditListStore &store, const QString &path)
{
    if (!store.isEmpty())
        return TextLineFile::write(path, store.entries());
    QFile file(path);
    if (QFileInfo::exists(path) && !file.remove())
        return file.errorString();
    return {};
}

} // namespace EditListFile
