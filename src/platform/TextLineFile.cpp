// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/TextLineFile.h"

#include "platform/FileDescriptor.h"
#include "platform/NativePath.h"

#include <QSaveFile>
#include <QThread>
#include <QtConcurrentRun>
#include <algorithm>
#include <cerrno>
#include <cstring>
#include <utility>

namespace TextLineFile {

namespace {

// How many lines [data, last) holds, at most.
qsizetype lineCount(const char *data, const char *last, char end)
{
    return qsizetype(std::count(data, last, end)) + 1;
}

// Appends the lines of [data, last) to lines: cut as bytes and each decoded on its own, since most
// lines are ASCII, which needs no decoding, and no decoded copy of the whole file is made.
void appendLines(const char *data, const char *const last, const char end, QStringList &lines)
{
    while (data < last) {
        const auto *found = static_cast<const char *>(std::memchr(data, end, size_t(last - data)));
        const char *lineEnd = found ? found : last;
        lines.append(NativePath::fromBytes(QByteArrayView(data, lineEnd - data)));
        data = lineEnd + 1;
        if (found && end == '\r' && data < last && *data == '\n')
            ++data;
    }
}

} // namespace

QStringList splitLines(const QByteArray &bytes)
{
    const char end = bytes.contains('\r') ? '\r' : '\n';
    const char *const first = bytes.constData();
    const char *const last = first + bytes.size();
    // A long list is cut in two at the end of a line and the halves decoded at once.
    constexpr qsizetype SplitFrom = 1024 * 1024;
    const char *middle = first;
    if (bytes.size() >= SplitFrom && QThread::idealThreadCount() > 1) {
        const char *const half = first + bytes.size() / 2;
        if (const auto *found = static_cast<const char *>(std::memchr(half, end, size_t(last - half)))) {
            middle = found + 1;
            if (end == '\r' && middle < last && *middle == '\n')
                ++middle;
        }
    }
    QStringList lines;
    lines.reserve(lineCount(first, last, end));
    if (middle == first) {
        appendLines(first, last, end, lines);
        return lines;
    }
    QStringList back;
    back.reserve(lineCount(middle, last, end));
    QFuture<void> front = QtConcurrent::run([&] { appendLines(first, middle, end, lines); });
    appendLines(middle, last, end, back);
    front.waitForFinished();
    lines.append(std::move(back));
    return lines;
}

Contents read(const QString &path)
{
    RegularFile::Contents file = RegularFile::read(path, MaxBytes);
    Contents contents;
    contents.status = file.status;
    contents.problem = std::move(file.problem);
    if (file.status == Contents::Status::Read)
        contents.lines = splitLines(file.bytes);
    return contents;
}

QString write(const QString &path, const QStringList &lines)
{
    qsizetype size = 0;
    for (const QString &line : lines)
        size += line.size() + 2;
    QByteArray bytes;
    // Most names are ASCII; the array grows for the others.
    bytes.reserve(size);
    for (const QString &line : lines) {
        const QChar *text = line.constData();
        const qsizetype length = line.size();
        char16_t high = 0;
        for (qsizetype i = 0; i < length; ++i)
            high |= text[i].unicode();
        if (high < 0x80) {
            // ASCII is its own UTF-8, narrowed in place without a temporary array.
            const qsizetype at = bytes.size();
            bytes.resize(at + length);
            char *out = bytes.data() + at;
            for (qsizetype i = 0; i < length; ++i)
                out[i] = char(text[i].unicode());
        } else {
            bytes += NativePath::toBytes(line);
        }
        bytes += "\r\n";
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return file.errorString();
    // Written through the descriptor, so that a failure names the system's reason ("No space left
    // on device"), which QSaveFile's own text loses on a short write. A short write (a full disk)
    // is never committed over the good file.
    if (!FileDescriptor::writeAll(file.handle(), bytes.constData(), bytes.size())) {
        const int error = errno;
        file.cancelWriting();
        return FileDescriptor::errorText(error);
    }
    if (!file.commit())
        return file.errorString();
    return {};
}

} // namespace TextLineFile
