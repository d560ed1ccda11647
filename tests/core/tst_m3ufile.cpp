// SPDX-License-Identifier: GPL-3.0-or-later
#include "M3uFile.h"

#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

class TestM3uFile : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void everyLineIsAnEntry_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QStringList>("entries");
        QTest::newRow("comment line kept")
            << QByteArray("#EXTM3U\r\n/m/a.mp3\r\n") << QStringList{"#EXTM3U", "/m/a.mp3"};
        QTest::newRow("written on linux")
            << QByteArray("/m/a.mp3\n/m/b.mp3\n") << QStringList{"/m/a.mp3", "/m/b.mp3"};
        QTest::newRow("blank line kept") << QByteArray("/a\r\n\r\n/b\r\n") << QStringList{"/a", "", "/b"};
        QTest::newRow("long line") << QByteArray(100000, 'x')
                                   << QStringList{QString(100000, QLatin1Char('x'))};
    }
    void everyLineIsAnEntry()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QStringList, entries);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("list.m3u"));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        file.close();
        QCOMPARE(M3uFile::read(path).lines, entries);
    }

    void savedListLoadsBackUnchanged()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("list.m3u"));
        const QStringList entries{QStringLiteral("/m/b.mp3"), QStringLiteral("/m/a b.wav"),
                                  QStringLiteral("/m/ü.mid"), QStringLiteral("#not a comment")};
        QVERIFY(M3uFile::write(path, entries).isEmpty());
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QVERIFY(file.readAll().startsWith("/m/b.mp3\r\n/m/a b.wav\r\n"));
        QCOMPARE(M3uFile::read(path).lines, entries);
    }

    void missingFileIsNoList()
    {
        QCOMPARE(M3uFile::read(QStringLiteral("/no/such/list.m3u")).status,
                 TextLineFile::Contents::Status::Missing);
    }
};

QObject *createM3uFileTest()
{
    return new TestM3uFile;
}

#include "tst_m3ufile.moc"
