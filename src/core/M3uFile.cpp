// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/M3uFile.h"

#include "core/Paths.h"
#include "platform/NativePath.h"

namespace M3uFile {

namespace {

// No path on Linux is longer; a longer line (a binary file, a file of one huge line) names nothing
// and would only slow the list down.
constexpr qsizetype MaxPathLength = 4096;

// A file URL as other players write it, as the path it names; the bytes kept as they are.
QString pathOfUrl(const QString &line)
{
    QByteArray rest = NativePath::toBytes(line).mid(int(sizeof "file://") - 1);
    if (rest.startsWith("localhost/"))
        rest = rest.mid(int(sizeof "localhost") - 1);
    return NativePath::fromBytes(QByteArray::fromPercentEncoding(rest));
}

} // namespace

QString entryOf(const QString &line, const QString &playlistFolder)
{
    if (line.startsWith(QLatin1String("file://"), Qt::CaseInsensitive))
        return pathOfUrl(line);
    if (line.isEmpty() || line.startsWith(QLatin1Char('/')) || line.contains(QLatin1String("://")))
        return line;
    return playlistFolder + line;
}

TextLineFile::Contents read(const QString &path)
{
    TextLineFile::Contents contents = TextLineFile::read(path);
    if (!contents.lines.isEmpty() && contents.lines.first().startsWith(QChar(0xfeff)))
        contents.lines.first().remove(0, 1);
    const QString folder = Paths::folderOf(path);
    // Filtered in place: on long lists a second list of the same entries costs more than the
    // filtering itself.
    QStringList &lines = contents.lines;
    qsizetype kept = 0;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        QString &line = lines[i];
        // Other players' headers and track titles.
        if (line.startsWith(QLatin1Char('#')) || line.size() > MaxPathLength)
            continue;
        if (!line.startsWith(QLatin1Char('/')))
            line = entryOf(line, folder);
        if (kept != i)
            lines[kept] = std::move(line);
        ++kept;
    }
    lines.resize(kept);
    return contents;
}

QString write(const QString &path, const QStringList &entries)
{
    return TextLineFile::write(path, entries);
}

} // namespace M3uFile
