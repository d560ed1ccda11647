// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/NativePath.h"

#include <QUrl>

namespace NativePath {

namespace {

constexpr char16_t EscapeBase = 0xDC00;
constexpr char16_t FirstEscape = 0xDC80;
constexpr char16_t LastEscape = 0xDCFF;

// An escaped byte is a low surrogate in the escape range that does not end a surrogate pair.
bool isEscapeAt(QStringView path, qsizetype i)
{
    const char16_t c = path.at(i).unicode();
    return c >= FirstEscape && c <= LastEscape && (i == 0 || !path.at(i - 1).isHighSurrogate());
}

// Length of the valid UTF-8 sequence starting at i, or 0 when the byte there starts none.
int sequenceLength(const unsigned char *s, qsizetype i, qsizetype size)
{
    const unsigned char lead = s[i];
    int length = 0;
    unsigned char low = 0x80;
    unsigned char high = 0xBF;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        low = lead == 0xE0 ? 0xA0 : 0x80;
        // Surrogate code points are not valid UTF-8: their bytes are escaped one by one.
        high = lead == 0xED ? 0x9F : 0xBF;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        low = lead == 0xF0 ? 0x90 : 0x80;
        high = lead == 0xF4 ? 0x8F : 0xBF;
    } else {
        return 0;
    }
    if (i + length > size || s[i + 1] < low || s[i + 1] > high)
        return 0;
    for (int k = 2; k < length; ++k) {
        if (s[i + k] < 0x80 || s[i + k] > 0xBF)
            return 0;
    }
    return length;
}

} // namespace

QString fromBytes(QByteArrayView bytes)
{
    // Most names are ASCII, which reads as Latin-1 without any decoding.
    unsigned char high = 0;
    for (const char byte : bytes)
        high |= static_cast<unsigned char>(byte);
    if (high < 0x80)
        return QString::fromLatin1(bytes.data(), bytes.size());
    const QString fast = QString::fromUtf8(bytes);
    // Invalid input shows up as U+FFFD; only then is the exact decoding needed.
    if (!fast.contains(QChar::ReplacementCharacter))
        return fast;
    const auto *s = reinterpret_cast<const unsigned char *>(bytes.data());
    const qsizetype size = bytes.size();
    QString result;
    result.reserve(size);
    for (qsizetype i = 0; i < size;) {
        if (s[i] < 0x80) {
            result.append(QChar(char16_t(s[i])));
            ++i;
            continue;
        }
        const int length = sequenceLength(s, i, size);
        if (length == 0) {
            result.append(QChar(char16_t(EscapeBase + s[i])));
            ++i;
            continue;
        }
        result.append(QString::fromUtf8(reinterpret_cast<const char *>(s + i), length));
        i += length;
    }
    return result;
}

bool hasUndecodableBytes(QStringView path)
{
    // Called on every name written out: the common case, no low surrogate at all, is one tight
    // pass over the characters.
    const char16_t *const data = path.utf16();
    const qsizetype size = path.size();
    for (qsizetype i = 0; i < size; ++i) {
        if (data[i] >= FirstEscape && data[i] <= LastEscape && isEscapeAt(path, i))
            return true;
    }
    return false;
}

QByteArray toBytes(QStringView path)
{
    if (!hasUndecodableBytes(path))
        return path.toUtf8();
    QByteArray result;
    result.reserve(path.size() * 3);
    qsizetype start = 0;
    for (qsizetype i = 0; i < path.size(); ++i) {
        if (!isEscapeAt(path, i))
            continue;
        result += path.mid(start, i - start).toUtf8();
        result += char(path.at(i).unicode() - EscapeBase);
        start = i + 1;
    }
    result += path.mid(start).toUtf8();
    return result;
}

QString forDisplay(const QString &path)
{
    if (!hasUndecodableBytes(path))
        return path;
    QString shown = path;
    for (qsizetype i = 0; i < path.size(); ++i) {
        if (isEscapeAt(path, i))
            shown[i] = QChar::ReplacementCharacter;
    }
    return shown;
}

QUrl fileUrl(const QString &path)
{
    return QUrl::fromEncoded(QByteArrayLiteral("file://") + toBytes(path).toPercentEncoding("/"));
}

QString fromFileUrl(const QUrl &url)
{
    return fromBytes(QByteArray::fromPercentEncoding(url.path(QUrl::FullyEncoded).toLatin1()));
}

} // namespace NativePath
