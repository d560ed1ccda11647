// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

class QUrl;

// File names on Linux are bytes, not always valid UTF-8. A path travels through the program as a
// QString that holds its bytes without loss: valid UTF-8 decodes as usual, and every byte that is
// not part of valid UTF-8 is kept as the lone surrogate U+DC80 + (byte - 0x80). Encoding gives the
// original bytes back, so two names that differ in any byte never meet as the same text.
namespace NativePath {

QString fromBytes(QByteArrayView bytes);
QByteArray toBytes(QStringView path);

// True when the text holds bytes that are not valid UTF-8.
bool hasUndecodableBytes(QStringView path);
// The text to show: each undecodable byte becomes the replacement character U+FFFD.
QString forDisplay(const QString &path);
// A file: URL naming exactly the path's bytes.
QUrl fileUrl(const QString &path);
// The path a file: URL names, byte for byte: the other way from fileUrl.
QString fromFileUrl(const QUrl &url);

} // namespace NativePath
