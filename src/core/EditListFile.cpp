// SPDX-License-Identifier: GPL-3.0-or-later
#include "EditListFile.h"

#include "EditListStore.h"
#include "TextLineFile.h"

#include <QFile>
#include <QFileInfo>

namespace EditListFile {

bool load(EditListStore &store, const QString &path)
{
    if (!QFileInfo::exists(path))
        return true;
    const std::optional<QStringList> lines = TextLineFile::read(path);
    if (!lines)
        return false;
    for (const QString &line : *lines) {
        if (!line.isEmpty())
            store.append(line);
    }
    return true;
}

bool save(const EditListStore &store, const QString &path)
{
    if (store.isEmpty())
        return !QFileInfo::exists(path) || QFile::remove(path);
    return TextLineFile::write(path, store.entries());
}

} // namespace EditListFile
