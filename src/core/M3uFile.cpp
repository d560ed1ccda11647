// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/M3uFile.h"

#include "core/Paths.h"
#include "platform/NativePath.h"
#include "platform/RegularFile.h"

#include <QCoreApplication>
#include <utility>

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

struct ByteOrderMark
{
    QByteArrayView bytes;
    const char *encoding;
};

// Longest first: the little-endian mark of UTF-32 begins with that of UTF-16.
constexpr ByteOrderMark OtherEncodings[] = {{QByteArrayView("\xff\xfe\0\0", 4), "UTF-32"},
                                            {QByteArrayView("\0\0\xfe\xff", 4), "UTF-32"},
                                            {QByteArrayView("\xff\xfe", 2), "UTF-16"},
                                            {QByteArrayView("\xfe\xff", 2), "UTF-16"}};

// Why the bytes are no playlist, empty when they are text to read lines from. No path holds a NUL
// byte: a file that does is binary (a picture, a song), and read as lines it would become
// thousands of entries of junk, as would text in an encoding whose characters are not bytes.
QString notText(const QByteArray &bytes)
{
    for (const ByteOrderMark &mark : OtherEncodings) {
        if (bytes.startsWith(mark.bytes))
            return QCoreApplication::translate("M3uFile", "it is %1 text, and playlists are read as UTF-8")
                .arg(QLatin1String(mark.encoding));
    }
    if (bytes.contains('\0'))
        return QCoreApplication::translate("M3uFile", "it is not a text file: it holds NUL bytes");
    return {};
}

// The file's lines; a file that is not text is refused.
TextLineFile::Contents linesOf(const QString &path)
{
    const RegularFile::Contents file = RegularFile::read(path, TextLineFile::MaxBytes);
    TextLineFile::Contents contents;
    contents.status = file.status;
    contents.problem = file.problem;
    if (file.status != RegularFile::Contents::Status::Read)
        return contents;
    if (QString problem = notText(file.bytes); !problem.isEmpty()) {
        contents.status = RegularFile::Contents::Status::Refused;
        contents.problem = std::move(problem);
        return contents;
    }
    contents.lines = TextLineFile::splitLines(file.bytes);
    return contents;
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
    TextLineFile::Contents contents = linesOf(path);
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
