// SPDX-License-Identifier: GPL-3.0-or-later
#include "playback/MidiCache.h"
#include "playback/MidiRendering.h"
#include "support/TemporaryFolder.h"
#include "support/TestFiles.h"

#include <QDir>
#include <QFile>
#include <QTest>
#include <QtEndian>
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

// A song of one note that starts that many ticks in, at 480 ticks a quarter note.
QByteArray noteAfter(QByteArray delta)
{
    const QByteArray events = delta + QByteArray("\x90\x3c\x64\x00\xff\x2f\x00", 7);
    QByteArray size(4, '\0');
    qToBigEndian<quint32>(quint32(events.size()), size.data());
    return QByteArray("MThd\0\0\0\x06\0\0\0\x01\x01\xe0MTrk", 18) + size + events;
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
        QTest::addColumn<bool>("refused");
        const QStringList all{"a.wav", "b.wav", "c.wav", "d.wav", "notes.txt", "e.wav.Xy12ab"};
        QTest::newRow("room enough") << 100 << 1024 << QString() << all << false;
        QTest::newRow("the two oldest go")
            << 100 << 350 << QString() << QStringList{"c.wav", "d.wav", "notes.txt", "e.wav.Xy12ab"} << false;
        QTest::newRow("the oldest, just played, stays")
            << 100 << 350 << "a.wav" << QStringList{"a.wav", "d.wav", "notes.txt", "e.wav.Xy12ab"} << false;
        QTest::newRow("as large as the cap: every rendering goes")
            << 1024 << 1024 << QString() << QStringList{"notes.txt", "e.wav.Xy12ab"} << false;
        QTest::newRow("larger than the cap: refused, and nothing goes")
            << 1025 << 1024 << QString() << all << true;
    }
    void renderingsPlayedLongestAgoGoFirst()
    {
        QFETCH(int, neededKilobytes);
        QFETCH(int, capKilobytes);
        QFETCH(QString, usedNow);
        QFETCH(QStringList, left);
        QFETCH(bool, refused);
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
        QCOMPARE(
            !MidiCache::makeRoom(dir.path(), neededKilobytes * Kilobyte, capKilobytes * Kilobyte).isEmpty(),
            refused);
        QStringList found = QDir(dir.path()).entryList(QDir::Files);
        found.sort();
        left.sort();
        QCOMPARE(found, left);
    }

    void aSongWhoseSoundWouldPassTheCapIsNotRendered_data()
    {
        QTest::addColumn<QByteArray>("song");
        QTest::addColumn<QString>("problem");
        // A hundred bytes whose track claims 4 GB and whose events lie 77 hours apart.
        QByteArray claimsFourGigabytes("MThd\0\0\0\x06\0\0\0\x01\x01\xe0MTrk\xff\xff\xff\xff", 22);
        claimsFourGigabytes += QByteArray("\x8f\xff\xff\x7f\x90\x3c\x64", 7).repeated(11) + '\0';
        QTest::newRow("track longer than its file") << claimsFourGigabytes << "it is not a MIDI song";
        // 51 minutes: 2,937,600 ticks at 960 a second.
        const QString tooLong = QStringLiteral(
            "the song is too long: its sound would take more than the room for kept renderings");
        QTest::newRow("51 minutes") << noteAfter(QByteArray("\x81\xb3\xa6\x00", 4)) << tooLong;
        QTest::newRow("77 hours") << noteAfter(QByteArray("\x8f\xff\xff\x7f", 4)) << tooLong;
    }
    void aSongWhoseSoundWouldPassTheCapIsNotRendered()
    {
        QFETCH(QByteArray, song);
        QFETCH(QString, problem);
        TemporaryFolder dir;
        const QString path = dir.filePath(QStringLiteral("song.mid"));
        writeBytes(path, song);
        const QString kept = dir.filePath(QStringLiteral("kept"));
        MidiRendering rendering(path, kept + QStringLiteral("/song.wav"));
        QCOMPARE(rendering.problem(), problem);
        QCOMPARE(QDir(kept).entryList(QDir::Files), QStringList());
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
