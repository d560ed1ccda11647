// SPDX-License-Identifier: GPL-3.0-or-later
#include "M3uFile.h"

namespace M3uFile {

TextLineFile::Contents read(const QString &path)
{
    return TextLineFile::read(path);
}

QString write(const QString &path, const QStringList &entries)
{
    return TextLineFile::write(path, entries);
}

} // namespace M3uFile
