// SPDX-License-Identifier: GPL-3.0-or-later
#include "playback/MciInterpreter.h"
#include "support/FakePlayer.h"
#include "support/TextRow.h"

#include <QTest>

class TestMci : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void commandsBecomePlayerOperations_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("reply");
        QTest::addColumn<QStringList>("calls");
        textRow("play", {"play", ""}) << QStringList{"play"};
        textRow("words in any case, blanks doubled", {"  PLAY   From  5000 ", ""})
            << QStringList{"seek 5000", "play"};
        textRow("play from to", {"play from 10 to 20", ""}) << QStringList{"seek 10", "play"};
        textRow("pause", {"pause", ""}) << QStringList{"pause"};
        textRow("resume", {"resume", ""}) << QStringList{"play"};
        textRow("stop", {"stop", ""}) << QStringList{"stop"};
        textRow("close", {"Close", ""}) << QStringList{"close"};
        textRow("seek to a position", {"seek to 37050", ""}) << QStringList{"seek 37050"};
        textRow("seek to start", {"seek to start", ""}) << QStringList{"seek 0"};
        textRow("seek to end", {"seek to end", ""}) << QStringList{"seek 123456"};
        textRow("open a quoted name", {"open \"/m/a b.mp3\"", ""}) << QStringList{"open /m/a b.mp3"};
        textRow("set speed", {"set speed 500", ""}) << QStringList{"speed 500"};
        textRow("time format", {"set time format milliseconds", ""}) << QStringList{};
        textRow("volume", {"setaudio volume to 250", ""}) << QStringList{"volume 250"};
        textRow("audio off", {"set audio all off", ""}) << QStringList{"audio off"};
        textRow("status mode", {"status mode", "stopped"}) << QStringList{};
        textRow("status length", {"STATUS LENGTH", "123456"}) << QStringList{};
        textRow("status position", {"status position", "0"}) << QStringList{};
        textRow("status ready", {"status ready", "true"}) << QStringList{};
        textRow("status speed", {"status speed", "1000"}) << QStringList{};
        textRow("status volume", {"status volume", "1000"}) << QStringList{};
        textRow("status time format", {"status time format", "milliseconds"}) << QStringList{};
        const QString unknown = MciInterpreter::UnknownCommand;
        const QString bad = MciInterpreter::BadParameter;
        QTest::newRow("empty") << "" << unknown << QStringList{};
        QTest::newRow("unknown") << "rewind" << unknown << QStringList{};
        QTest::newRow("seek without to") << "seek 100" << bad << QStringList{};
        QTest::newRow("seek to nothing") << "seek to" << bad << QStringList{};
        QTest::newRow("seek to words") << "seek to soon" << bad << QStringList{};
        QTest::newRow("negative seek") << "seek to -5" << bad << QStringList{};
        QTest::newRow("play from nothing") << "play from" << bad << QStringList{};
        QTest::newRow("play twice from") << "play from 1 from 2" << bad << QStringList{};
        QTest::newRow("speed zero") << "set speed 0" << bad << QStringList{};
        QTest::newRow("volume too loud") << "setaudio volume to 5000" << bad << QStringList{};
        QTest::newRow("status of nothing") << "status colour" << bad << QStringList{};
        QTest::newRow("stop with a word") << "stop now" << bad << QStringList{};
    }
    void commandsBecomePlayerOperations()
    {
        QFETCH(QString, command);
        QFETCH(QString, reply);
        QFETCH(QStringList, calls);
        FakePlayer player;
        player.open(QStringLiteral("/m/song.mp3"));
        player.calls.clear();
        MciInterpreter interpreter(player);
        QCOMPARE(interpreter.run(command), reply);
        QCOMPARE(player.calls, calls);
    }

    void modeWords_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<QString>("word");
        QTest::newRow("playing") << int(MediaPlayer::Playing) << "playing";
        QTest::newRow("paused") << int(MediaPlayer::Paused) << "paused";
        QTest::newRow("stopped") << int(MediaPlayer::Stopped) << "stopped";
        QTest::newRow("seeking") << int(MediaPlayer::Seeking) << "seeking";
        QTest::newRow("open") << int(MediaPlayer::Open) << "open";
        QTest::newRow("not ready") << int(MediaPlayer::NotReady) << "not ready";
    }
    void modeWords()
    {
        QFETCH(int, mode);
        QFETCH(QString, word);
        QCOMPARE(MciInterpreter::modeWord(mode), word);
    }

    void playToStopsAtItsMark()
    {
        FakePlayer player;
        player.open(QStringLiteral("/m/song.mp3"));
        MciInterpreter interpreter(player);
        interpreter.run(QStringLiteral("play from 1000 to 3000"));
        player.advanceTo(2000);
        QCOMPARE(player.mode(), int(MediaPlayer::Playing));
        player.advanceTo(3010);
        QCOMPARE(player.mode(), int(MediaPlayer::Stopped));
        // A later plain play runs on.
        interpreter.run(QStringLiteral("play"));
        player.advanceTo(5000);
        QCOMPARE(player.mode(), int(MediaPlayer::Playing));
    }

    void aStopPointGoesWithItsMedium()
    {
        FakePlayer player;
        player.open(QStringLiteral("/m/song.mp3"));
        MciInterpreter interpreter(player);
        interpreter.run(QStringLiteral("play from 0 to 3000"));
        // The program opens and plays another file by itself.
        player.open(QStringLiteral("/m/next.mp3"));
        Q_EMIT player.fileOpened(QStringLiteral("/m/next.mp3"));
        player.play();
        player.advanceTo(5000);
        QCOMPARE(player.mode(), int(MediaPlayer::Playing));
    }

    void withoutAMediumNothingIsReady()
    {
        FakePlayer player;
        MciInterpreter interpreter(player);
        QCOMPARE(interpreter.run(QStringLiteral("status ready")), QStringLiteral("false"));
        QCOMPARE(interpreter.run(QStringLiteral("status mode")), QStringLiteral("not ready"));
        QCOMPARE(interpreter.run(QStringLiteral("status length")), MciInterpreter::NoMedium);
        QCOMPARE(interpreter.run(QStringLiteral("status position")), MciInterpreter::NoMedium);
    }
};

QObject *createMciTest()
{
    return new TestMci;
}

#include "tst_mci.moc"
