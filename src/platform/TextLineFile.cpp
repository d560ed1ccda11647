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

// Appends the entries of the lines of [data, last) to lines: cut as bytes and each made on its
// own, since most lines are ASCII, which needs no decoding, and no decoded copy of the whole file
// is made.
void appendLines(const char *data, const char *const last, const char end, const LineEntry &entryOf,
                 QStringList &lines)
{
    while (data < last) {
        const auto *found = static_cast<const char *>(std::memchr(data, end, size_t(last - data)));
        const char *lineEnd = found ? found : last;
        if (std::optional<QString> entry = entryOf(QByteArrayView(data, lineEnd - data)))
            lines.append(std::move(*entry));
        data = lineEnd + 1;
        if (found && end == '\r' && data < last && *data == '\n')
            ++data;
    }
}

} // namespace

QStringList splitLines(const QByteArray &bytes)
{
    return splitLines(bytes, [](QByteArrayView line) { return NativePath::fromBytes(line); });
}

QStringList splitLines(QByteArrayView bytes, const LineEntry &entryOf)
{
    const char end = !bytes.isEmpty() && std::memchr(bytes.data(), '\r', size_t(bytes.size())) ? '\r' : '\n';
    const char *const first = bytes.data();
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
        appendLines(first, last, end, entryOf, lines);
        return lines;
    }
    QStringList back;
    back.reserve(lineCount(middle, last, end));
    QFuture<void> front = QtConcurrent::run([&] { appendLines(first, middle, end, entryOf, lines); });
    appendLines(middle, last, end, entryOf, back);
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
    // Most names are ASCII: room for them is made once, and each is narrowed straight into it in
    // the same pass that finds out whether it is ASCII. The others are encoded again from the start.
    QByteArray bytes(size, Qt::Uninitialized);
    char *out = bytes.data();
    for (const QString &line : lines) {
        const QChar *text = line.constData();
        const qsizetype length = line.size();
        char16_t high = 0;
        for (qsizetype i = 0; i < length; ++i) {
            high |= text[i].unicode();
            out[i] = char(text[i].unicode());
        }
        if (high < 0x80) {
            out += length;
        } else {
            const QByteArray encoded = NativePath::toBytes(line);
            const qsizetype at = out - bytes.data();
            // Never smaller than the line's share of the room: each character takes a byte or more.
            bytes.resize(bytes.size() + encoded.size() - length);
            out = std::copy(encoded.cbegin(), encoded.cend(), bytes.data() + at);
        }
        *out++ = '\r';
        *out++ = '\n';
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
