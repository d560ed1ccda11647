// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/TestFiles.h"

#include <QFile>
#include <QTest>
#include <cstdio>
#include <sys/stat.h>

void writeBytes(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}

QByteArray readBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void touch(const QString &path)
{
    writeBytes(path, QByteArray());
}

void writeNative(const QByteArray &path, const QByteArray &bytes)
{
    FILE *file = std::fopen(path.constData(), "wb");
    QVERIFY(file);
    QCOMPARE(std::fwrite(bytes.constData(), 1, size_t(bytes.size()), file), size_t(bytes.size()));
    std::fclose(file);
}

bool existsNative(const QByteArray &path)
{
    struct stat info = {};
    return ::lstat(path.constData(), &info) == 0;
}
