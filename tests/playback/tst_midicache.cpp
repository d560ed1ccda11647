// SPDX-License-Identifier: GPL-3.0-or-later
#include "playback/MidiCache.h"
#include "support/TemporaryFolder.h"
#include "support/TestFiles.h"

#include <QDir>
#include <QFile>
#include <QTest>
#include <fcntl.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr qint64 Kilobyte = 1024;

// A file of that many kilobytes whose last use was `age` seconds ago.
void keep(const QString &path, int kilobytes, int age)
{
    writeBytes(path, QByteArray(kilobytes * Kilobyte, 'w'));
    const timespec then[2] = {{::time(nullptr) - age, 0}, {::time(nullptr) - age, 0}};
    ::utimensat(AT_FDCWD, QFile::encodeName(path).constData(), then, 0);
}

} // namespace

class TestMidiCache : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void renderingsPlayedLongestAgoGoFirst_data()
    {
        QTest::addColumn<int>("neededKilobytes");
        QTest::addColumn<int>("capKilobytes");
        QTest::addColumn<QString>("usedNow");
        QTest::addColumn<QStringList>("left");
        const QStringList all{"a.wav", "b.wav", "c.wav", "d.wav", "notes.txt", "e.wav.Xy12ab"};
        QTest::newRow("room enough") << 100 << 1024 << QString() << all;
        QTest::newRow("the two oldest go")
            << 100 << 350 << QString() << QStringList{"c.wav", "d.wav", "notes.txt", "e.wav.Xy12ab"};
        QTest::newRow("the oldest, just played, stays")
            << 100 << 350 << "a.wav" << QStringList{"a.wav", "d.wav", "notes.txt", "e.wav.Xy12ab"};
        QTest::newRow("larger than the cap: every rendering goes")
            << 2048 << 1024 << QString() << QStringList{"notes.txt", "e.wav.Xy12ab"};
    }
    void renderingsPlayedLongestAgoGoFirst()
    {
        QFETCH(int, neededKilobytes);
        QFETCH(int, capKilobytes);
        QFETCH(QString, usedNow);
        QFETCH(QStringList, left);
        TemporaryFolder dir;
        // Oldest first; the note and a rendering under way are no renderings to remove.
        keep(dir.filePath(QStringLiteral("a.wav")), 100, 400);
        keep(dir.filePath(QStringLiteral("b.wav")), 100, 300);
        keep(dir.filePath(QStringLiteral("c.wav")), 100, 200);
        keep(dir.filePath(QStringLiteral("d.wav")), 100, 100);
        keep(dir.filePath(QStringLiteral("notes.txt")), 100, 500);
        keep(dir.filePath(QStringLiteral("e.wav.Xy12ab")), 100, 500);
        if (!usedNow.isEmpty())
            MidiCache::markUsed(dir.filePath(usedNow));
        QCOMPARE(MidiCache::makeRoom(dir.path(), neededKilobytes * Kilobyte, capKilobytes * Kilobyte),
                 QString());
        QStringList found = QDir(dir.path()).entryList(QDir::Files);
        found.sort();
        left.sort();
        QCOMPARE(found, left);
    }

    void aRenderingNeverTakesTheLastTenthOfTheDisk()
    {
        TemporaryFolder dir;
        const QByteArray mountPoint = QFile::encodeName(dir.path());
        if (::geteuid() != 0 || ::mount("none", mountPoint.constData(), "tmpfs", 0, "size=4m") != 0)
            QSKIP("no small file system can be made here");
        const QString tooMuch = MidiCache::makeRoom(dir.path(), 3900 * Kilobyte);
        const QString fits = MidiCache::makeRoom(dir.path(), 1024 * Kilobyte);
        ::umount2(mountPoint.constData(), MNT_DETACH);
        QCOMPARE(tooMuch, QStringLiteral("there is not enough free disk space for its sound"));
        QCOMPARE(fits, QString());
    }
};

QObject *createMidiCacheTest()
{
    return new TestMidiCache;
}

#include "tst_midicache.moc"
