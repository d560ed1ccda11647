// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

// Files made and read by the tests.
void writeBytes(const QString &path, const QByteArray &bytes);
// The file's bytes; empty when it cannot be read.
QByteArray readBytes(const QString &path);
void touch(const QString &path);
// The same for a path given as the bytes the file system keeps.
void writeNative(const QByteArray &path, const QByteArray &bytes = "x");
bool existsNative(const QByteArray &path);
