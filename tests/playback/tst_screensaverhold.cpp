// SPDX-License-Identifier: GPL-3.0-or-later
#include "playback/MediaFacts.h"
#include "playback/ScreenSaverHold.h"
#include "support/FakePlayer.h"

#include <QTest>
#include <memory>

namespace {

// Opens a file in the player as the real one tells it: opened, then described.
void open(FakePlayer &player, const QString &path, bool video)
{
    player.open(path);
    Q_EMIT player.fileOpened(path);
    MediaFacts facts;
    facts.video = video;
    Q_EMIT player.mediumDescribed(path, facts);
}

void play(FakePlayer &player)
{
    player.play();
    Q_EMIT player.modeChanged(player.mode());
}

void pause(FakePlayer &player)
{
    player.pause();
    Q_EMIT player.modeChanged(player.mode());
}

// A player followed by a hold, and what the hold told.
struct Followed
{
    QList<bool> told;
    FakePlayer player;
    ScreenSaverHold hold{[this](bool held) { told.append(held); }};

    Followed() { hold.follow(player); }
};

} // namespace

class TestScreenSaverHold : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void heldWhileAVideoPlays()
    {
        Followed followed;
        auto &[told, player, hold] = followed;
        open(player, QStringLiteral("/m/film.mp4"), true);
        play(player);
        pause(player);
        play(player);
        player.stop();
        Q_EMIT player.modeChanged(player.mode());
        QCOMPARE(told, (QList<bool>{true, false, true, false}));
    }

    void aSoundNeverHoldsIt()
    {
        Followed followed;
        auto &[told, player, hold] = followed;
        open(player, QStringLiteral("/m/song with cover.mp3"), false);
        play(player);
        QVERIFY(told.isEmpty());
        // The next file, a video, holds it once it has said what it is.
        open(player, QStringLiteral("/m/film.mp4"), true);
        play(player);
        QCOMPARE(told, QList<bool>{true});
        open(player, QStringLiteral("/m/song.mp3"), false);
        QCOMPARE(told, (QList<bool>{true, false}));
    }

    void reportsAboutAFileLeftDoNotHoldIt()
    {
        Followed followed;
        auto &[told, player, hold] = followed;
        open(player, QStringLiteral("/m/film.mp4"), true);
        play(player);
        // The next file is opened; the player still plays as far as its reports on their way say.
        player.open(QStringLiteral("/m/song.mp3"));
        play(player);
        QCOMPARE(told, (QList<bool>{true, false}));
    }

    void aSeparateWindowsPlayerHoldsItUntilItGoes()
    {
        Followed followed;
        auto &[told, main, hold] = followed;
        open(main, QStringLiteral("/m/film.mp4"), true);
        auto window = std::make_unique<FakePlayer>();
        hold.follow(*window);
        open(*window, QStringLiteral("/m/film.mp4"), true);
        play(*window);
        QCOMPARE(told, QList<bool>{true});
        window.reset();
        QCOMPARE(told, (QList<bool>{true, false}));
        play(main);
        QCOMPARE(told, (QList<bool>{true, false, true}));
    }
};

QObject *createScreenSaverHoldTest()
{
    return new TestScreenSaverHold;
}

#include "tst_screensaverhold.moc"
