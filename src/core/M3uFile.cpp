// SPDX-License-Identifier: GPL-3.0-or-later
#include "M3uFile.h"

#include "TextLineFile.h"

namespace M3uFile {

std::optional<QStringList> read(const QString &path)
{
    return TextLineFile::read(path);
}

bool write(const QString &path, const QStringList &entries)
{
    return TextLineFile::write(path, entries);
}

} // namespace M3uFile
