// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/M3uFile.h"
#include "support/TestFiles.h"

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
        QTest::newRow("header and titles are not entries")
            << QByteArray("#EXTM3U\r\n#EXTINF:123,Artist - Title\r\n/m/a.mp3\r\n") << QStringList{"/m/a.mp3"};
        QTest::newRow("relative entries are made full")
            << QByteArray("#EXTM3U\nsongs/a.mp3\nb.mp3\n") << QStringList{"@songs/a.mp3", "@b.mp3"};
        QTest::newRow("file URLs become paths, bytes kept")
            << QByteArray("file:///m/a%20b.mp3\nfile://localhost/m/caf%E9.mp3\n")
            << QStringList{"/m/a b.mp3", QStringLiteral("/m/caf") + QChar(0xdce9) + QStringLiteral(".mp3")};
        QTest::newRow("other URLs kept")
            << QByteArray("http://radio.example/stream\n") << QStringList{"http://radio.example/stream"};
        QTest::newRow("UTF-8 with a byte order mark")
            << QByteArray("\xef\xbb\xbf/m/\xc3\xbc.mp3\n") << QStringList{QStringLiteral("/m/ü.mp3")};
        QTest::newRow("written on linux")
            << QByteArray("/m/a.mp3\n/m/b.mp3\n") << QStringList{"/m/a.mp3", "/m/b.mp3"};
        QTest::newRow("blank line kept") << QByteArray("/a\r\n\r\n/b\r\n") << QStringList{"/a", "", "/b"};
        QTest::newRow("longest path")
            << "/" + QByteArray(4095, 'x') << QStringList{"/" + QString(4095, QLatin1Char('x'))};
        QTest::newRow("a long path of wide characters")
            << "/" + QByteArray(4095, 'x').replace("x", "\xc3\xbc")
            << QStringList{"/" + QString(4095, QChar(0xfc))};
        QTest::newRow("a path of wide characters too long")
            << "/a\n/" + QByteArray(4096, 'x').replace("x", "\xe2\x99\xaa") + "\n"
            << QStringList{"/a"};
        QTest::newRow("a byte order mark before the header")
            << QByteArray("\xef\xbb\xbf#EXTM3U\r\n/m/a.mp3\r\n") << QStringList{"/m/a.mp3"};
        QTest::newRow("a line too long to be a path") << "/a\n/" + QByteArray(10000000, 'x') + "\n/b\n"
                                                      << QStringList{"/a", "/b"};
        QTest::newRow("invalid UTF-8 and control characters kept")
            << QByteArray("/m/a\x01"
                          "b\xff.mp3\n")
            << QStringList{QStringLiteral("/m/a") + QChar(1) + QStringLiteral("b") + QChar(0xdcff) +
                           QStringLiteral(".mp3")};
    }
    void everyLineIsAnEntry()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QStringList, entries);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("list.m3u"));
        writeBytes(path, bytes);
        QStringList expected;
        for (const QString &entry : std::as_const(entries))
            expected.append(entry.startsWith(QLatin1Char('@')) ? dir.path() + QLatin1Char('/') + entry.mid(1)
                                                               : entry);
        QCOMPARE(M3uFile::read(path).lines, expected);
    }

    void aFileThatIsNotTextIsRefused_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("problem");
        const QString binary = QStringLiteral("it is not a text file: it holds NUL bytes");
        QByteArray picture("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16);
        for (int i = 0; i < 4000; ++i)
            picture += char(i * 7) + QByteArray(i % 5, '\n');
        QTest::newRow("a picture") << picture << binary;
        QTest::newRow("one NUL byte at the end") << QByteArray("/m/a.mp3\r\n\0", 11) << binary;
        QTest::newRow("UTF-16 without a mark") << QByteArray("/\0m\0\r\0\n\0", 8) << binary;
        QTest::newRow("UTF-16") << QByteArray("\xff\xfe/\0m\0", 6)
                                << "it is UTF-16 text, and playlists are read as UTF-8";
        QTest::newRow("UTF-16, big-endian, no NUL")
            << QByteArray("\xfe\xff\x4e\x2d\x65\x87") << "it is UTF-16 text, and playlists are read as UTF-8";
        QTest::newRow("UTF-32") << QByteArray("\xff\xfe\0\0/\0\0\0", 8)
                                << "it is UTF-32 text, and playlists are read as UTF-8";
    }
    void aFileThatIsNotTextIsRefused()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, problem);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("list.m3u"));
        writeBytes(path, bytes);
        const TextLineFile::Contents contents = M3uFile::read(path);
        QCOMPARE(contents.status, TextLineFile::Contents::Status::Refused);
        QCOMPARE(contents.problem, problem);
        QVERIFY(contents.lines.isEmpty());
    }

    void savedListLoadsBackUnchanged()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("list.m3u"));
        const QStringList entries{QStringLiteral("/m/b.mp3"), QStringLiteral("/m/a b.wav"),
                                  QStringLiteral("/m/ü.mid"),
                                  QStringLiteral("/m/caf") + QChar(0xdce9) + QStringLiteral(".mp3")};
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
