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

constexpr QByteArrayView Utf8ByteOrderMark("\xef\xbb\xbf", 3);

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
    QByteArrayView bytes(file.bytes);
    if (bytes.startsWith(Utf8ByteOrderMark))
        bytes = bytes.sliced(Utf8ByteOrderMark.size());
    const QString folder = Paths::folderOf(path);
    // Each line is judged on its bytes and decoded once, in the pass that cuts the lines.
    contents.lines =
        TextLineFile::splitLines(bytes, [&folder](QByteArrayView line) -> std::optional<QString> {
            // Other players' headers and track titles.
            if (line.startsWith('#'))
                return std::nullopt;
            // Each character of the decoded line (a UTF-16 unit) comes from one to three bytes: only a
            // line between one and three times the longest path needs decoding to be measured.
            if (line.size() > 3 * MaxPathLength)
                return std::nullopt;
            QString entry = NativePath::fromBytes(line);
            if (entry.size() > MaxPathLength)
                return std::nullopt;
            if (!line.startsWith('/'))
                entry = entryOf(entry, folder);
            return entry;
        });
    return contents;
}

QString write(const QString &path, const QStringList &entries)
{
    return TextLineFile::write(path, entries);
}

} // namespace M3uFile
