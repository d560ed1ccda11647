// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/ModuleLoader.h"
#include "platform/NativePath.h"
#include "playback/CoverCache.h"
#include "playback/MciInterpreter.h"
#include "playback/MidiRenderer.h"
#include "playback/MidiRendering.h"
#include "playback/MpvPlayer.h"
#include "support/TemporaryFolder.h"
#include "support/TestFiles.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QTest>
#include <QThread>
#include <QtEndian>
#include <cmath>
#include <sys/stat.h>

namespace {

// A 16-bit mono WAVE file of a 440 Hz tone.
QByteArray toneWave(int milliseconds)
{
    const int rate = 8000;
    const int samples = rate * milliseconds / 1000;
    QByteArray data(samples * 2, '\0');
    for (int i = 0; i < samples; ++i)
        qToLittleEndian<qint16>(qint16(8000 * std::sin(2 * M_PI * 440 * i / rate)), data.data() + 2 * i);
    QByteArray format(16, '\0');
    qToLittleEndian<quint16>(1, format.data());
    qToLittleEndian<quint16>(1, format.data() + 2);
    qToLittleEndian<quint32>(rate, format.data() + 4);
    qToLittleEndian<quint32>(rate * 2, format.data() + 8);
    qToLittleEndian<quint16>(2, format.data() + 12);
    qToLittleEndian<quint16>(16, format.data() + 14);
    auto chunk = [](const QByteArray &id, const QByteArray &body) {
        QByteArray size(4, '\0');
        qToLittleEndian<quint32>(quint32(body.size()), size.data());
        return id + size + body;
    };
    const QByteArray body = "WAVE" + chunk("fmt ", format) + chunk("data", data);
    return chunk("RIFF", body);
}

// A MIDI song of four eighth notes at 120 beats a minute, a second, played some times over.
QByteArray fourNotes(int times = 1)
{
    QByteArray events;
    for (int time = 0; time < times; ++time) {
        for (const char note : {60, 64, 67, 72})
            events += QByteArray("\x00\x90", 2) + note + QByteArray("\x64\x81\x70\x80", 4) + note + '\0';
    }
    events += QByteArray("\x00\xff\x2f\x00", 4);
    QByteArray length(4, '\0');
    qToBigEndian<quint32>(quint32(events.size()), length.data());
    return QByteArray("MThd\0\0\0\x06\0\0\0\x01\x01\xe0", 14) + "MTrk" + length + events;
}

QByteArray syncSafe(qsizetype size)
{
    QByteArray bytes(4, '\0');
    for (int i = 0; i < 4; ++i)
        bytes[3 - i] = char((size >> (7 * i)) & 0x7f);
    return bytes;
}

QByteArray id3Frame(const QByteArray &id, const QByteArray &body)
{
    return id + syncSafe(body.size()) + QByteArray(2, '\0') + body;
}

// A second of silent MPEG audio (mono, 128 kbit/s, 44.1 kHz) after an ID3 tag of text frames and a
// PNG cover picture.
QByteArray taggedMp3(const QList<std::pair<QByteArray, QString>> &texts, const QByteArray &cover = {})
{
    QByteArray tag;
    for (const auto &[id, text] : texts)
        tag += id3Frame(id, '\x03' + text.toUtf8());
    if (!cover.isEmpty())
        tag += id3Frame("APIC", QByteArray("\x03image/png\0\x03\0", 13) + cover);
    QByteArray frame(417, '\0');
    frame.replace(0, 4, "\xff\xfb\x90\xc4");
    return QByteArray("ID3\x04\0\0", 6) + syncSafe(tag.size()) + tag + frame.repeated(38);
}

QByteArray png(const QSize &size, Qt::GlobalColor colour)
{
    QImage picture(size, QImage::Format_RGB32);
    picture.fill(colour);
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    picture.save(&buffer, "PNG");
    return buffer.data();
}

// Two seconds of grey video of 64 by 48 pixels at 25 frames a second, uncompressed.
QByteArray greyVideo()
{
    const QByteArray frame = "FRAME\n" + QByteArray(64 * 48, '\x80') + QByteArray(2 * 32 * 24, '\x80');
    return "YUV4MPEG2 W64 H48 F25:1 Ip A1:1 C420jpeg\n" + frame.repeated(50);
}

} // namespace

class TestMpvPlayer : public QObject
{
    Q_OBJECT

    TemporaryFolder m_dir;

    QString media(const QByteArray &name, const QByteArray &bytes)
    {
        const QByteArray path = QFile::encodeName(m_dir.path()) + '/' + name;
        writeNative(path, bytes);
        return NativePath::fromBytes(path);
    }

private Q_SLOTS:
    void initTestCase()
    {
        MpvPlayer probe({false});
        if (!probe.start())
            QSKIP("libmpv cannot start here");
    }

    void aWaveFilePlaysUnderCommands()
    {
        MpvPlayer player({false});
        MciInterpreter mci(player);
        QSignalSpy opened(&player, &MediaPlayer::fileOpened);
        const QString path = media("tone \xff.wav", toneWave(3000));
        QCOMPARE(mci.run(QStringLiteral("open \"%1\"").arg(path)), QString());
        QVERIFY(opened.wait(5000));
        QCOMPARE(opened.first().first().toString(), path);
        // Known as soon as the file has opened.
        QVERIFY(qAbs(mci.run(QStringLiteral("status length")).toLongLong() - 3000) <= 50);
        QTRY_COMPARE(mci.run(QStringLiteral("status mode")), QStringLiteral("stopped"));

        QSignalSpy positions(&player, &MediaPlayer::positionChanged);
        QCOMPARE(mci.run(QStringLiteral("play")), QString());
        QTRY_COMPARE(mci.run(QStringLiteral("status mode")), QStringLiteral("playing"));
        QTRY_VERIFY_WITH_TIMEOUT(player.position() >= 300, 5000);

        QCOMPARE(mci.run(QStringLiteral("seek to 1500")), QString());
        QTRY_VERIFY(qAbs(player.position() - 1500) <= 50);
        QTRY_COMPARE(mci.run(QStringLiteral("status mode")), QStringLiteral("stopped"));

        QCOMPARE(mci.run(QStringLiteral("set speed 2000")), QString());
        QCOMPARE(mci.run(QStringLiteral("status speed")), QStringLiteral("2000"));
        QCOMPARE(mci.run(QStringLiteral("play")), QString());
        QTRY_VERIFY_WITH_TIMEOUT(player.position() >= 2900, 10000);
        QTRY_COMPARE(mci.run(QStringLiteral("status mode")), QStringLiteral("stopped"));
        // At the end the position has reached the length: the automatic advance goes on from there.
        QVERIFY(player.position() >= player.length());

        QCOMPARE(mci.run(QStringLiteral("close")), QString());
        QCOMPARE(mci.run(QStringLiteral("status mode")), QStringLiteral("not ready"));
    }

    void aMidiSongIsRenderedAndPlayed()
    {
        if (MidiRenderer::soundFont().isEmpty())
            QSKIP("no General MIDI sound font here");
        MpvPlayer player({false});
        MciInterpreter mci(player);
        QSignalSpy opened(&player, &MediaPlayer::fileOpened);
        const QString path = media("four notes.mid", fourNotes());
        mci.run(QStringLiteral("open \"%1\"").arg(path));
        QVERIFY(opened.wait(10000));
        QCOMPARE(opened.first().first().toString(), path);
        const qint64 length = mci.run(QStringLiteral("status length")).toLongLong();
        QVERIFY2(length >= 1000 && length <= 2600, qPrintable(QString::number(length)));
        mci.run(QStringLiteral("play"));
        QTRY_VERIFY_WITH_TIMEOUT(player.position() >= 300, 5000);
        // The rendering is kept: the song opens again at once.
        QVERIFY(QFile::exists(MidiRenderer::renderingOf(path)));
    }

    void aRenderedSongIsHeardAndABrokenOneRefused()
    {
        if (MidiRenderer::soundFont().isEmpty())
            QSKIP("no General MIDI sound font here");
        const QString song = media("render.mid", fourNotes());
        const QString wave = m_dir.filePath(QStringLiteral("render.wav"));
        MidiRendering rendering(song, wave);
        QCOMPARE(rendering.wait(), QString());
        QFile file(wave);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        QVERIFY(bytes.startsWith("RIFF") && bytes.mid(8, 8) == "WAVEfmt ");
        QCOMPARE(qFromLittleEndian<quint32>(bytes.constData() + 40), quint32(bytes.size() - 44));
        // Not silence: some sample is far from zero.
        bool heard = false;
        for (qsizetype i = 44; i + 1 < bytes.size() && !heard; i += 2)
            heard = qAbs(qFromLittleEndian<qint16>(bytes.constData() + i)) > 1000;
        QVERIFY(heard);
        const QString broken = media("broken.mid", "MThd this is not a song");
        MidiRendering refused(broken, m_dir.filePath(QStringLiteral("broken.wav")));
        QVERIFY(!refused.problem().isEmpty());
        // A FIFO named like a song is refused at once, not waited on.
        const QByteArray pipe = QFile::encodeName(m_dir.filePath(QStringLiteral("pipe.mid")));
        QCOMPARE(::mkfifo(pipe.constData(), 0600), 0);
        MidiRendering fifo(NativePath::fromBytes(pipe), m_dir.filePath(QStringLiteral("pipe.wav")));
        QCOMPARE(fifo.problem(), QStringLiteral("it is not a regular file"));
        QVERIFY(!QFile::exists(m_dir.filePath(QStringLiteral("broken.wav"))));
    }

    void aSongNoLongerPlayedLeavesNoPartOfItsRendering()
    {
        if (MidiRenderer::soundFont().isEmpty())
            QSKIP("no General MIDI sound font here");
        MpvPlayer player({false});
        QSignalSpy opened(&player, &MediaPlayer::fileOpened);
        const QString song = media("long song.mid", fourNotes(600));
        player.open(song);
        QVERIFY(opened.wait(10000));
        const QDir cache = QFileInfo(MidiRenderer::renderingOf(song)).absoluteDir();
        const auto parts = [&] { return cache.entryList({QStringLiteral("*.wav.*")}, QDir::Files); };
        QVERIFY(!parts().isEmpty());
        player.open(media("after.wav", toneWave(500)));
        QVERIFY(opened.wait(5000));
        QTRY_COMPARE(parts(), QStringList());
        QVERIFY(!QFile::exists(MidiRenderer::renderingOf(song)));
    }

    void theLevelsOfAPlayingSoundAreReported()
    {
        MpvPlayer player({false});
        QSignalSpy opened(&player, &MediaPlayer::fileOpened);
        QSignalSpy levels(&player, &MediaPlayer::levelsChanged);
        player.open(media("level.wav", toneWave(3000)));
        QVERIFY(opened.wait(5000));
        // A tone at a quarter of full scale: 12 dB below, four fifths up the meter, on both sides.
        // Its level never changes: after a pause the meter rises again all the same.
        for (int round = 0; round < 2; ++round) {
            levels.clear();
            player.play();
            QTRY_VERIFY_WITH_TIMEOUT(!levels.isEmpty() && levels.last().at(0).toDouble() > 0.7, 5000);
            QVERIFY(levels.last().at(0).toDouble() < 0.85);
            QCOMPARE(levels.last().at(1).toDouble(), levels.last().at(0).toDouble());
            player.pause();
            QCOMPARE(levels.last(), QVariantList({0.0, 0.0}));
        }
    }

    void noLevelsAreReportedWhenTheyAreNotMeasured()
    {
        MpvPlayer player({false});
        player.setLevelsMeasured(false);
        QSignalSpy opened(&player, &MediaPlayer::fileOpened);
        QSignalSpy positions(&player, &MediaPlayer::positionChanged);
        QSignalSpy levels(&player, &MediaPlayer::levelsChanged);
        player.open(media("unmeasured.wav", toneWave(3000)));
        QVERIFY(opened.wait(5000));
        player.play();
        QTRY_VERIFY_WITH_TIMEOUT(!positions.isEmpty() && positions.last().at(0).toLongLong() > 500, 5000);
        QVERIFY(levels.isEmpty());
    }

    void aSongIsReadWhileItIsRenderedAndKeptWhenDone()
    {
        if (MidiRenderer::soundFont().isEmpty())
            QSKIP("no General MIDI sound font here");
        const QString song = media("stream.mid", fourNotes());
        const QString wave = m_dir.filePath(QStringLiteral("kept/stream.wav"));
        {
            MidiRendering rendering(song, wave);
            QCOMPARE(rendering.problem(), QString());
            const std::atomic_bool reading{false};
            QByteArray header(44, '\0');
            QCOMPARE(rendering.read(0, header.data(), 44, reading), qint64(44));
            QVERIFY(header.startsWith("RIFF"));
            // The size is known before the sound: the last byte comes once it is rendered.
            QCOMPARE(qFromLittleEndian<quint32>(header.constData() + 40), quint32(rendering.size() - 44));
            char last = 0;
            QCOMPARE(rendering.read(rendering.size() - 1, &last, 1, reading), qint64(1));
            QCOMPARE(rendering.read(rendering.size(), &last, 1, reading), qint64(0));
            QCOMPARE(rendering.wait(), QString());
            QCOMPARE(QFileInfo(wave).size(), rendering.size());
        }
        QCOMPARE(QDir(m_dir.filePath(QStringLiteral("kept"))).entryList(QDir::Files),
                 QStringList{"stream.wav"});
        // Given up before it is done, a rendering leaves nothing behind.
        const QString longSong = media("long.mid", fourNotes(600));
        {
            MidiRendering rendering(longSong, m_dir.filePath(QStringLiteral("gone/long.wav")));
            QCOMPARE(rendering.problem(), QString());
        }
        QVERIFY(QDir(m_dir.filePath(QStringLiteral("gone"))).entryList(QDir::Files).isEmpty());
    }

    void aSongIsDescribedAndItsOwnCoverKept()
    {
        QDir(CoverCache::folder()).removeRecursively();
        MpvPlayer player({false});
        QSignalSpy described(&player, &MediaPlayer::mediumDescribed);
        const QString song = media("tagged \xff.mp3", taggedMp3({{"TIT2", "Night Train"},
                                                                 {"TPE1", "The Testers"},
                                                                 {"TALB", "Loop Tracks"},
                                                                 {"TDRC", "2019-05-01"},
                                                                 {"TRCK", "3/12"}},
                                                                png({40, 30}, Qt::red)));
        player.open(song);
        QCOMPARE(player.viewContent(), MediaView::Content::Nothing);
        QVERIFY(described.wait(5000));
        QCOMPARE(described.first().first().toString(), song);
        const MediaFacts facts = described.first().at(1).value<MediaFacts>();
        QCOMPARE(facts.lines(),
                 QStringList({"Title : Night Train", "Artist : The Testers", "Album : Loop Tracks",
                              "Year : 2019", "Track : 3/12", "Duration : 00:00:01", "Codec : mp3",
                              "Bit rate : 128 kbit/s", "Sample rate : 44100 Hz", "Channels : Mono"}));
        QVERIFY(facts.embeddedCover);
        QCOMPARE(QImage(facts.coverFile).size(), QSize(40, 30));
        QCOMPARE(player.viewContent(), MediaView::Content::Cover);

        // The picture is taken out once; played again, the song has it at once. (Other tests may
        // keep covers in the same folder meanwhile.)
        const auto fileNumber = [](const QString &path) {
            struct stat status = {};
            return ::stat(NativePath::toBytes(path).constData(), &status) == 0 ? status.st_ino : 0;
        };
        const auto kept = fileNumber(facts.coverFile);
        player.open(media("tone.wav", toneWave(500)));
        QVERIFY(described.wait(5000));
        QCOMPARE(player.viewContent(), MediaView::Content::MusicGlyph);
        player.open(song);
        QVERIFY(described.wait(5000));
        QCOMPARE(described.last().at(1).value<MediaFacts>().coverFile, facts.coverFile);
        QCOMPARE(fileNumber(facts.coverFile), kept);
        QCOMPARE(QDir(CoverCache::folder()).entryList({QStringLiteral("*.part*")}, QDir::Files),
                 QStringList());
    }

    void aSoundWithoutItsOwnCoverShowsTheOneBesideIt_data()
    {
        QTest::addColumn<QByteArray>("beside");
        QTest::addColumn<QByteArray>("picture");
        QTest::addColumn<bool>("shown");
        QTest::newRow("none") << QByteArray() << QByteArray() << false;
        QTest::newRow("a cover") << QByteArray("Folder.PNG") << png({20, 20}, Qt::blue) << true;
        QTest::newRow("a broken cover") << QByteArray("cover.jpg") << QByteArray("not a picture") << false;
    }
    void aSoundWithoutItsOwnCoverShowsTheOneBesideIt()
    {
        QFETCH(QByteArray, beside);
        QFETCH(QByteArray, picture);
        QFETCH(bool, shown);
        TemporaryFolder album;
        const QString song = album.filePath(QStringLiteral("song.mp3"));
        writeBytes(song, taggedMp3({{"TIT2", "Plain"}}));
        if (!beside.isEmpty())
            writeBytes(album.filePath(QString::fromLatin1(beside)), picture);
        MpvPlayer player({false});
        QSignalSpy described(&player, &MediaPlayer::mediumDescribed);
        player.open(song);
        QVERIFY(described.wait(5000));
        const MediaFacts facts = described.first().at(1).value<MediaFacts>();
        QVERIFY(!facts.embeddedCover);
        QCOMPARE(facts.coverFile, shown ? album.filePath(QString::fromLatin1(beside)) : QString());
        QCOMPARE(player.viewContent(), shown ? MediaView::Content::Cover : MediaView::Content::MusicGlyph);
    }

    void aVideoShowsItsOwnPicturesOnly()
    {
        TemporaryFolder folder;
        const QString video = folder.filePath(QStringLiteral("clip.y4m"));
        writeBytes(video, greyVideo());
        writeBytes(folder.filePath(QStringLiteral("cover.png")), png({20, 20}, Qt::blue));
        MpvPlayer player({false});
        QSignalSpy described(&player, &MediaPlayer::mediumDescribed);
        player.open(video);
        QVERIFY(described.wait(5000));
        const MediaFacts facts = described.first().at(1).value<MediaFacts>();
        QVERIFY(facts.video);
        QCOMPARE(facts.coverFile, QString());
        QCOMPARE(QSize(facts.width, facts.height), QSize(64, 48));
        QCOMPARE(facts.frameRate, 25.0);
        QCOMPARE(player.viewContent(), MediaView::Content::Video);
        // The video's last picture is not shown while the next medium opens, nor for a sound.
        player.open(media("after video.mp3", taggedMp3({})));
        QCOMPARE(player.viewContent(), MediaView::Content::Nothing);
        QVERIFY(described.wait(5000));
        QCOMPARE(player.viewContent(), MediaView::Content::MusicGlyph);
    }

    void thePositionStaysAtTheLengthAtTheEnd_data()
    {
        QTest::addColumn<QByteArray>("name");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("wave") << QByteArray("end.wav") << toneWave(700);
        QTest::newRow("song with a cover") << QByteArray("end.mp3") << taggedMp3({}, png({30, 30}, Qt::red));
        QTest::newRow("video") << QByteArray("end.y4m") << greyVideo();
    }
    void thePositionStaysAtTheLengthAtTheEnd()
    {
        QFETCH(QByteArray, name);
        QFETCH(QByteArray, bytes);
        MpvPlayer player({false});
        QSignalSpy opened(&player, &MediaPlayer::fileOpened);
        player.open(media(name, bytes));
        QVERIFY(opened.wait(5000));
        player.setSpeed(4000);
        player.play();
        QTRY_COMPARE_WITH_TIMEOUT(player.mode(), int(MediaPlayer::Stopped), 10000);
        QCOMPARE(player.position(), player.length());
        // The time of the last frame, told after the end, does not move it.
        QSignalSpy positions(&player, &MediaPlayer::positionChanged);
        positions.wait(500);
        QCOMPARE(player.position(), player.length());
    }

    void aFileReplacedWhileItOpensLeavesNothingToTheNext()
    {
        MpvPlayer player({false});
        QSignalSpy opened(&player, &MediaPlayer::fileOpened);
        const QString video = media("replaced.y4m", greyVideo());
        const QString song = media("replacing.wav", toneWave(700));
        for (int round = 0; round < 5; ++round) {
            opened.clear();
            player.open(video);
            // The video opens meanwhile; its report waits until the song was asked for.
            QThread::msleep(300);
            player.open(song);
            QVERIFY(opened.wait(5000));
            QCOMPARE(opened.constLast().at(0).toString(), song);
            QVERIFY2(qAbs(player.length() - 700) < 50, qPrintable(QString::number(player.length())));
        }
    }

    void theVolumeIsToldWhenItChanges()
    {
        MpvPlayer player({false});
        QSignalSpy changed(&player, &MediaPlayer::volumeChanged);
        player.setVolume(400);
        player.setVolume(400);
        player.setVolume(2000);
        QCOMPARE(changed.count(), 2);
        QCOMPARE(changed.at(0).at(0).toInt(), 400);
        QCOMPARE(changed.at(1).at(0).toInt(), 1000);
        QCOMPARE(player.volume(), 1000);
    }

    void aPartThatCannotBeLoadedIsSaidOnce_data()
    {
        QTest::addColumn<QString>("module");
        // The module's file; none when it is missing.
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("said");
        QTest::newRow("player missing")
            << "mpv" << QByteArray()
            << "The player for sound and video \\(libmpv\\) cannot be loaded: .*not found.*";
        QTest::newRow("player damaged")
            << "mpv" << QByteArray("not a library")
            << "The player for sound and video \\(libmpv\\) cannot be loaded: .*/libkestrove_mpv.so.+";
        QTest::newRow("synthesiser damaged")
            << "midi" << QByteArray("not a library")
            << "The MIDI synthesiser \\(FluidSynth\\) cannot be loaded: .*/libkestrove_midi.so.+";
    }
    void aPartThatCannotBeLoadedIsSaidOnce()
    {
        QFETCH(QString, module);
        QFETCH(QByteArray, bytes);
        QFETCH(QString, said);
        if (module == QLatin1String("midi") && MidiRenderer::soundFont().isEmpty())
            QSKIP("no General MIDI sound font here");
        // The other modules are the real ones.
        TemporaryFolder modules;
        const QDir built(ModuleLoader::folder());
        for (const QString &name : {QStringLiteral("mpv"), QStringLiteral("midi")}) {
            const QString file = QStringLiteral("libkestrove_%1.so").arg(name);
            if (name != module)
                QVERIFY(QFile::link(built.filePath(file), modules.filePath(file)));
            else if (!bytes.isEmpty())
                writeBytes(modules.filePath(file), bytes);
        }
        ModuleLoader::setFolder(modules.path());
        const auto usualModules = qScopeGuard([] { ModuleLoader::setFolder({}); });
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("cannot be loaded from")));

        MpvPlayer player({false});
        QSignalSpy failed(&player, &MediaPlayer::fileFailed);
        QSignalSpy unavailable(&player, &MediaPlayer::partUnavailable);
        const QString path = module == QLatin1String("midi") ? media("unsynthesised.mid", fourNotes())
                                                             : media("unplayed.wav", toneWave(500));
        // Asked twice, the person hears of it once; the file fails both times.
        for (int round = 1; round <= 2; ++round) {
            player.open(path);
            QTRY_COMPARE_WITH_TIMEOUT(failed.count(), round, 10000);
            QCOMPARE(failed.last().at(0).toString(), path);
        }
        QCOMPARE(unavailable.count(), 1);
        const QString text = unavailable.first().at(0).toString();
        QVERIFY2(QRegularExpression(QRegularExpression::anchoredPattern(said)).match(text).hasMatch(),
                 qPrintable(text));
    }

    void filesThatCannotPlayStayClosed_data()
    {
        QTest::addColumn<QByteArray>("name");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("empty") << QByteArray("empty.wav") << QByteArray();
        QTest::newRow("text renamed .mp3") << QByteArray("notes.mp3") << QByteArray("just some words\n");
        QTest::newRow("header only") << QByteArray("cut.wav") << toneWave(1000).left(30);
        QTest::newRow("missing") << QByteArray() << QByteArray();
        QTest::newRow("broken midi") << QByteArray("broken.mid") << QByteArray("MThd\0\0\0\x06garbage");
    }
    void filesThatCannotPlayStayClosed()
    {
        QFETCH(QByteArray, name);
        QFETCH(QByteArray, bytes);
        MpvPlayer player({false});
        MciInterpreter mci(player);
        QSignalSpy opened(&player, &MediaPlayer::fileOpened);
        QSignalSpy failed(&player, &MediaPlayer::fileFailed);
        const QString path = name.isEmpty() ? m_dir.filePath(QStringLiteral("gone.wav")) : media(name, bytes);
        mci.run(QStringLiteral("open \"%1\"").arg(path));
        mci.run(QStringLiteral("play"));
        // Whatever libmpv makes of the file, it answers, and nothing keeps playing.
        QTRY_VERIFY_WITH_TIMEOUT(opened.count() + failed.count() > 0, 5000);
        QTRY_VERIFY_WITH_TIMEOUT(mci.run(QStringLiteral("status mode")) != QStringLiteral("playing"), 5000);
        if (!failed.isEmpty())
            QCOMPARE(mci.run(QStringLiteral("status length")), MciInterpreter::NoMedium);
    }
};

QObject *createMpvPlayerTest()
{
    return new TestMpvPlayer;
}

#include "tst_mpvplayer.moc"
