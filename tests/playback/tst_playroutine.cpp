// SPDX-License-Identifier: GPL-3.0-or-later
#include "playback/AudioLevel.h"
#include "playback/PlayRoutine.h"
#include "playback/PositionReadOut.h"
#include "support/FakePlayer.h"

#include <QSignalSpy>
#include <QTest>

class TestPlayRoutine : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void readOutTexts_data()
    {
        QTest::addColumn<qint64>("milliseconds");
        QTest::addColumn<QString>("text");
        QTest::newRow("zero") << qint64(0) << "00:00:00";
        QTest::newRow("one hour, two minutes, three seconds") << qint64(3723000) << "01:02:03";
        QTest::newRow("59.999 s is a minute") << qint64(59999) << "00:01:00";
        QTest::newRow("half a second to even") << qint64(2500) << "00:00:02";
        QTest::newRow("hundred hours") << qint64(360000000) << "100:00:00";
    }
    void readOutTexts()
    {
        QFETCH(qint64, milliseconds);
        QFETCH(QString, text);
        QCOMPARE(PositionReadOut::clock(milliseconds), text);
        QCOMPARE(PositionReadOut::text(milliseconds, 0), text + QStringLiteral(" / 00:00:00"));
    }

    void levelsFromDecibels_data()
    {
        QTest::addColumn<QString>("decibels");
        QTest::addColumn<double>("level");
        QTest::newRow("full scale") << "0.000000" << 1.0;
        QTest::newRow("clipped above full scale") << "3.2" << 1.0;
        QTest::newRow("half way") << "-30" << 0.5;
        QTest::newRow("floor") << "-60" << 0.0;
        QTest::newRow("below the floor") << "-90.5" << 0.0;
        QTest::newRow("silence") << "-inf" << 0.0;
        QTest::newRow("no number") << "nan" << 0.0;
        QTest::newRow("nothing") << "" << 0.0;
    }
    void levelsFromDecibels()
    {
        QFETCH(QString, decibels);
        QFETCH(double, level);
        QCOMPARE(AudioLevel::fromDecibels(decibels), level);
    }

    void theStartFollowsTheOptions_data()
    {
        QTest::addColumn<bool>("firstPlay");
        QTest::addColumn<bool>("autoPlayOnClick");
        QTest::addColumn<bool>("autoPlayAtStart");
        QTest::addColumn<bool>("suppressed");
        QTest::addColumn<bool>("sameAsLast");
        QTest::addColumn<int>("offset");
        QTest::addColumn<bool>("keepSpeed");
        QTest::addColumn<QStringList>("calls");
        const QStringList opening{"stop", "open /m/b.mp3"};
        QTest::newRow("autoplay on click") << false << true << false << false << false << 0 << false
                                           << opening + QStringList{"play", "speed 1000"};
        QTest::newRow("autoplay off opens at the start")
            << false << false << false << false << false << 0 << false << opening + QStringList{"speed 1000"};
        QTest::newRow("first play obeys autoplay at start")
            << true << true << false << false << false << 0 << false << opening + QStringList{"speed 1000"};
        QTest::newRow("first play with autoplay at start")
            << true << true << true << false << false << 0 << false
            << opening + QStringList{"play", "speed 1000"};
        QTest::newRow("suppressed while the program moves the selection")
            << false << true << false << true << false << 0 << false << opening + QStringList{"speed 1000"};
        QTest::newRow("remembered position") << false << true << false << false << true << 0 << false
                                             << opening + QStringList{"seek 5000", "play", "speed 1000"};
        QTest::newRow("offset of 30 %") << false << true << false << false << false << 3 << false
                                        << opening + QStringList{"seek 37050", "play", "speed 1000"};
        QTest::newRow("offset without autoplay") << false << false << false << false << false << 3 << false
                                                 << opening + QStringList{"seek 37050", "speed 1000"};
        QTest::newRow("speed kept") << false << true << false << false << false << 0 << true
                                    << opening + QStringList{"play", "speed 500"};
    }
    void theStartFollowsTheOptions()
    {
        QFETCH(bool, firstPlay);
        QFETCH(bool, autoPlayOnClick);
        QFETCH(bool, autoPlayAtStart);
        QFETCH(bool, suppressed);
        QFETCH(bool, sameAsLast);
        QFETCH(int, offset);
        QFETCH(bool, keepSpeed);
        QFETCH(QStringList, calls);
        FakePlayer player;
        PlayRoutine routine(player);
        if (!firstPlay) {
            routine.play(QStringLiteral("/m/a.mp3"), {});
            Q_EMIT player.fileOpened(QStringLiteral("/m/a.mp3"));
            player.advanceTo(5000);
        }
        routine.setLastPlayedFile(sameAsLast ? QStringLiteral("/m/b.mp3") : QStringLiteral("/m/a.mp3"));
        routine.setAutoplaySuppressed(suppressed);
        player.calls.clear();
        PlayRoutine::Options options;
        options.autoPlayOnClick = autoPlayOnClick;
        options.autoPlayAtStart = autoPlayAtStart;
        options.offsetChoice = offset;
        options.keepSpeed = keepSpeed;
        options.speedPercent = 50;
        QSignalSpy opened(&routine, &PlayRoutine::opened);
        QVERIFY(routine.play(QStringLiteral("/m/b.mp3"), options));
        Q_EMIT player.fileOpened(QStringLiteral("/m/b.mp3"));
        QCOMPARE(player.calls, calls);
        QCOMPARE(routine.length(), 123456);
        QCOMPARE(routine.lastPlayedFile(), QStringLiteral("/m/b.mp3"));
        QVERIFY(!routine.isFirstPlay());
        QCOMPARE(opened.count(), 1);
        QCOMPARE(opened.first().at(1).toBool(), !keepSpeed);
    }

    void theFileAlreadyPlayingIsLeftAlone()
    {
        FakePlayer player;
        PlayRoutine routine(player);
        routine.play(QStringLiteral("/m/a.mp3"), {});
        Q_EMIT player.fileOpened(QStringLiteral("/m/a.mp3"));
        player.play();
        player.calls.clear();
        QVERIFY(!routine.play(QStringLiteral("/m/a.mp3"), {}));
        QVERIFY(player.calls.isEmpty());
        // Stopped, it opens again from the start: the remembered position went back to 0.
        player.advanceTo(4000);
        player.stop();
        player.calls.clear();
        QVERIFY(routine.play(QStringLiteral("/m/a.mp3"), {}));
        Q_EMIT player.fileOpened(QStringLiteral("/m/a.mp3"));
        QCOMPARE(player.calls, QStringList({"stop", "open /m/a.mp3", "seek 0", "play", "speed 1000"}));
    }

    void aFileThatDoesNotOpenKeepsTheLengthBefore()
    {
        FakePlayer player;
        PlayRoutine routine(player);
        routine.play(QStringLiteral("/m/a.mp3"), {});
        Q_EMIT player.fileOpened(QStringLiteral("/m/a.mp3"));
        QCOMPARE(routine.length(), 123456);
        player.mediumLength = 9000;
        routine.play(QStringLiteral("/m/broken.mp3"), {});
        // No file-opened event: nothing is started and the length stays.
        QCOMPARE(routine.length(), 123456);
        Q_EMIT player.fileOpened(QStringLiteral("/m/other.mp3"));
        QCOMPARE(routine.length(), 123456);
    }
};

QObject *createPlayRoutineTest()
{
    return new TestPlayRoutine;
}

#include "tst_playroutine.moc"
