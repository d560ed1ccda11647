// SPDX-License-Identifier: GPL-3.0-or-later
#include "TextLineFile.h"

#include <QFile>
#include <QSaveFile>

namespace TextLineFile {

QStringList splitLines(const QByteArray &bytes)
{
    // Decoded once as a whole (Qt reads the locale's 8-bit encoding as UTF-8 on Linux), then cut
    // into lines: far cheaper than decoding line by line on lists of many thousand entries.
    const QString text = QString::fromUtf8(bytes);
    QStringList lines;
    lines.reserve(bytes.count('\n') + 1);
    qsizetype start = 0;
    const qsizetype size = text.size();
    const QChar *data = text.constData();
    for (qsizetype i = 0; i < size; ++i) {
        const char16_t c = data[i].unicode();
        if (c != u'\r' && c != u'\n')
            continue;
        lines.append(text.mid(start, i - start));
        if (c == u'\r' && i + 1 < size && data[i + 1].unicode() == u'\n')
            ++i;
        start = i + 1;
    }
    if (start < size)
        lines.append(text.mid(start));
    return lines;
}

std::optional<QStringList> read(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return std::nullopt;
    return splitLines(bytes);
}

bool write(const QString &path, const QStringList &lines)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    QByteArray bytes;
    for (const QString &line : lines) {
        bytes += line.toUtf8();
        bytes += "\r\n";
    }
    file.write(bytes);
    return file.commit();
}

} // namespace TextLineFile
