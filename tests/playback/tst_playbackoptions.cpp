// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/Settings.h"
#include "platform/SettingsStore.h"
#include "playback/PlaybackOptions.h"
#include "support/TemporaryFolder.h"

#include <QSignalSpy>
#include <QTest>

class TestPlaybackOptions : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void theAdvanceFollowsAutoplayOnClick_data()
    {
        QTest::addColumn<bool>("autoPlay");
        QTest::addColumn<bool>("asked");
        QTest::addColumn<bool>("advance");
        QTest::newRow("asked with autoplay") << true << true << true;
        QTest::newRow("asked without autoplay") << false << true << false;
        QTest::newRow("turned off") << true << false << false;
    }
    void theAdvanceFollowsAutoplayOnClick()
    {
        QFETCH(bool, autoPlay);
        QFETCH(bool, asked);
        QFETCH(bool, advance);
        PlaybackOptions options;
        options.setAutoPlayOnClick(autoPlay);
        options.setAutoAdvance(asked);
        QCOMPARE(options.autoAdvance(), advance);
    }

    void autoplayTurnedOffTurnsTheAdvanceOffAndTellsIt()
    {
        PlaybackOptions options;
        options.setAutoAdvance(true);
        QSignalSpy advance(&options, &PlaybackOptions::autoAdvanceChanged);
        options.setAutoPlayOnClick(false);
        QCOMPARE(advance.count(), 1);
        QCOMPARE(advance.first().first().toBool(), false);
        // Autoplay back on does not bring the advance back by itself.
        options.setAutoPlayOnClick(true);
        QVERIFY(!options.autoAdvance());
    }

    void choicesOutsideTheirEntries_data()
    {
        QTest::addColumn<int>("offset");
        QTest::addColumn<int>("slide");
        QTest::addColumn<int>("speed");
        QTest::addColumn<int>("offsetKept");
        QTest::addColumn<int>("slideKept");
        QTest::addColumn<int>("speedKept");
        QTest::newRow("entries") << 9 << 29 << 200 << 9 << 29 << 200;
        QTest::newRow("first entries") << 0 << 0 << 1 << 0 << 0 << 1;
        QTest::newRow("past the last") << 10 << 30 << 201 << 0 << 4 << 50;
        QTest::newRow("negative") << -1 << -1 << 0 << 0 << 4 << 50;
    }
    void choicesOutsideTheirEntries()
    {
        QFETCH(int, offset);
        QFETCH(int, slide);
        QFETCH(int, speed);
        PlaybackOptions options;
        options.setStartOffsetChoice(3);
        options.setSlideDelayChoice(4);
        options.setSpeedPercent(50);
        options.setStartOffsetChoice(offset);
        options.setSlideDelayChoice(slide);
        options.setSpeedPercent(speed);
        QTEST(options.startOffsetChoice(), "offsetKept");
        QTEST(options.slideDelayChoice(), "slideKept");
        QTEST(options.speedPercent(), "speedKept");
    }

    void aChangeIsToldOnceAndOnlyWhenItChanges()
    {
        PlaybackOptions options;
        QSignalSpy speed(&options, &PlaybackOptions::speedPercentChanged);
        QSignalSpy settled(&options, &PlaybackOptions::speedSettled);
        QSignalSpy remember(&options, &PlaybackOptions::rememberPositionChanged);
        options.setSpeedPercent(PlaybackOptions::DefaultSpeed);
        options.setRememberPosition(true);
        QCOMPARE(speed.count(), 0);
        QCOMPARE(remember.count(), 0);
        options.setSpeedPercent(150);
        options.settleSpeed(150);
        QCOMPARE(speed.count(), 1);
        QCOMPARE(settled.count(), 1);
        QCOMPARE(settled.first().first().toInt(), 150);
    }

    void optionsAreSavedAndPlayedWith()
    {
        TemporaryFolder folder;
        PlaybackOptions options;
        options.setAutoPlayAtStart(true);
        options.setAutoAdvance(true);
        options.setRememberPosition(false);
        options.setKeepSpeed(true);
        options.setRestoreSpeed(true);
        options.setStartOffsetChoice(5);
        options.setSlideDelayChoice(7);
        options.setSpeedPercent(80);
        {
            SettingsStore store(folder.filePath(QStringLiteral("options.ini")));
            Settings settings(store);
            options.save(settings);
        }
        SettingsStore store(folder.filePath(QStringLiteral("options.ini")));
        const Settings settings(store);
        QCOMPARE(settings.autoPlay(), std::optional(true));
        QCOMPARE(settings.autoPlayAtStart(), std::optional(true));
        QCOMPARE(settings.autoAdvance(), std::optional(true));
        QCOMPARE(settings.rememberPosition(), std::optional(false));
        QCOMPARE(settings.keepSpeed(), std::optional(true));
        QCOMPARE(settings.restoreSpeed(), std::optional(true));
        QCOMPARE(settings.startOffsetChoice(), std::optional<qint32>(5));
        QCOMPARE(settings.slideDelayChoice(), std::optional<qint32>(7));
        QCOMPARE(settings.speed(), std::optional<qint32>(80));

        const PlayRoutine::Options played = options.forPlaying();
        QVERIFY(played.autoPlayOnClick && played.autoPlayAtStart && !played.rememberPosition &&
                played.keepSpeed);
        QCOMPARE(played.offsetChoice, 5);
        QCOMPARE(played.speedPercent, 80);
    }
};

QObject *createPlaybackOptionsTest()
{
    return new TestPlaybackOptions;
}

#include "tst_playbackoptions.moc"
