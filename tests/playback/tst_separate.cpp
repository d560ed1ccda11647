// SPDX-License-Identifier: GPL-3.0-or-later
#include "playback/ExternalPlayerWindow.h"
#include "playback/FullScreenVideo.h"
#include "playback/SeparatePlayback.h"
#include "playback/SeparateVideoWindow.h"
#include "playback/VideoSurface.h"
#include "support/FakePlayer.h"

#include <QAction>
#include <QLabel>
#include <QPaintEvent>
#include <QSlider>
#include <QTest>
#include <QToolButton>

class TestSeparatePlayback : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void theSecondPlayerStartsWhereItShould_data()
    {
        QTest::addColumn<bool>("carry");
        QTest::addColumn<int>("offset");
        QTest::addColumn<QStringList>("calls");
        QTest::addColumn<qint64>("handedBack");
        QTest::newRow("carried position")
            << true << 3 << QStringList{"speed 500", "seek 5000", "play"} << qint64(9000);
        QTest::newRow("offset of 30 %")
            << false << 3 << QStringList{"speed 500", "seek 37050", "play"} << qint64(-1);
        QTest::newRow("from the start")
            << false << 0 << QStringList{"speed 500", "seek 0", "play"} << qint64(-1);
    }
    void theSecondPlayerStartsWhereItShould()
    {
        QFETCH(bool, carry);
        QFETCH(int, offset);
        QFETCH(QStringList, calls);
        QFETCH(qint64, handedBack);
        FakePlayer second;
        SeparatePlayback playback(second, {QStringLiteral("/m/clip.avi"), carry, 5000, offset, 50});
        playback.begin();
        QCOMPARE(second.calls, QStringList{"open /m/clip.avi"});
        // Nothing starts before the file has opened, and another file's opening is not it.
        Q_EMIT second.fileOpened(QStringLiteral("/m/other.avi"));
        QCOMPARE(second.calls.size(), 1);
        second.calls.clear();
        Q_EMIT second.fileOpened(QStringLiteral("/m/clip.avi"));
        QCOMPARE(second.calls, calls);
        second.advanceTo(9000);
        second.calls.clear();
        const std::optional<qint64> back = playback.finish();
        QCOMPARE(second.calls, QStringList{"stop"});
        QCOMPARE(back.value_or(-1), handedBack);
    }

    void onlyVideoNamesKeepRoomForPictures_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("pictures");
        QTest::newRow("avi") << "/m/a.avi" << true;
        QTest::newRow("mpeg") << "/m/a.mpeg" << true;
        QTest::newRow("mpg") << "/m/a.mpg" << true;
        QTest::newRow("mov") << "/m/a.mov" << true;
        QTest::newRow("qt") << "/m/a.qt" << true;
        QTest::newRow("AVI in upper case") << "/m/a.AVI" << true;
        QTest::newRow("MPG in upper case") << "/m/a.MPG" << true;
        QTest::newRow("Mov in mixed case") << "/m/a.Mov" << true;
        QTest::newRow("WAV in upper case") << "/m/a.WAV" << false;
        QTest::newRow("wave") << "/m/a.wav" << false;
        QTest::newRow("mp3") << "/m/a.mp3" << false;
    }
    void onlyVideoNamesKeepRoomForPictures()
    {
        QFETCH(QString, name);
        QFETCH(bool, pictures);
        QCOMPARE(SeparatePlayback::showsPictures(name), pictures);
    }

    void theVideoWindowFitsTheVideo_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QSize>("pictures");
        QTest::addColumn<int>("width");
        QTest::newRow("video at its own size") << "/m/clip.avi" << QSize(640, 360) << 640;
        QTest::newRow("sound in a narrow window") << "/m/take.wav" << QSize() << 200;
        QTest::newRow("upper-case video name before its size is known") << "/m/CLIP.AVI" << QSize() << 320;
        QTest::newRow("any name with pictures keeps them") << "/m/film.mp4" << QSize(640, 360) << 640;
    }
    void theVideoWindowFitsTheVideo()
    {
        QFETCH(QString, name);
        QFETCH(QSize, pictures);
        QFETCH(int, width);
        FakePlayer second;
        second.pictureSize = pictures;
        SeparatePlayback playback(second, {name, false, 0, 0, 100});
        SeparateVideoWindow window(second, playback);
        QCOMPARE(window.windowTitle(), QStringLiteral("Video"));
        window.show();
        playback.begin();
        Q_EMIT second.fileOpened(name);
        QCOMPARE(window.width(), width);
        auto *view = window.findChild<QWidget *>(QStringLiteral("videoView"));
        QTRY_COMPARE(view->width(), width);
        if (width != 640)
            return;
        QCOMPARE(view->height(), 360);
        // Resized by the user the video stretches; normal size brings it back.
        window.resize(800, 600);
        QTRY_COMPARE(view->width(), 800);
        QVERIFY(view->height() > 500);
        window.normalSize()->trigger();
        QTRY_COMPARE(view->size(), QSize(640, 360));
    }

    // The video's size may come after the file has started, and may change: the window follows.
    void theVideoWindowTakesTheVideosSizeWhenItArrives()
    {
        FakePlayer second;
        SeparatePlayback playback(second, {QStringLiteral("/m/clip.mp4"), false, 0, 0, 100});
        SeparateVideoWindow window(second, playback);
        window.show();
        playback.begin();
        Q_EMIT second.fileOpened(QStringLiteral("/m/clip.mp4"));
        auto *view = window.findChild<QWidget *>(QStringLiteral("videoView"));
        for (const QSize size : {QSize(480, 270), QSize(352, 288)}) {
            second.pictureSize = size;
            Q_EMIT second.videoSizeChanged(size);
            QTRY_COMPARE(view->size(), size);
        }
    }

    void thePlayerWindowShowsAndMovesThePosition()
    {
        FakePlayer second;
        ExternalPlayerWindow window(second);
        second.open(QStringLiteral("/m/song.mp3"));
        second.play();
        Q_EMIT second.modeChanged(MediaPlayer::Playing);
        second.advanceTo(61000);
        QCOMPARE(window.findChild<QLabel *>(QStringLiteral("readOut"))->text(),
                 QStringLiteral("00:01:01 / 00:02:03"));
        // Space pauses; moving while paused does not start it again.
        second.calls.clear();
        QTest::keyClick(&window, Qt::Key_Space);
        QCOMPARE(second.calls, QStringList{"pause"});
        QTest::keyClick(&window, Qt::Key_Space);
        QCOMPARE(second.calls, QStringList({"pause", "play"}));
        // Paused, the button offers play, drawn as plainly as the window's text.
        Q_EMIT second.modeChanged(MediaPlayer::Paused);
        auto *playPause = window.findChild<QToolButton *>(QStringLiteral("playPause"));
        QVERIFY(playPause->isEnabled());
        QCOMPARE(playPause->toolTip(), QStringLiteral("Play"));
        const QImage glyph = playPause->icon().pixmap(16, 16).toImage();
        const QColor ink = window.palette().color(QPalette::WindowText);
        bool inked = false;
        for (int y = 0; y < glyph.height() && !inked; ++y) {
            for (int x = 0; x < glyph.width() && !inked; ++x)
                inked = glyph.pixelColor(x, y).alpha() == 255 && glyph.pixelColor(x, y).rgb() == ink.rgb();
        }
        QVERIFY(inked);
    }

    void aClickOnThePlayerWindowsBarSeeksThere()
    {
        FakePlayer second;
        second.open(QStringLiteral("/m/song.mp3"));
        ExternalPlayerWindow window(second);
        window.show();
        auto *bar = window.findChild<QSlider *>(QStringLiteral("positionBar"));
        QCOMPARE(bar->maximum(), int(second.length()));
        second.calls.clear();
        QTest::mouseClick(bar, Qt::LeftButton, {}, QPoint(bar->width() * 3 / 4, bar->height() / 2));
        // Three quarters along the bar is three quarters into the medium; not playing, it is not
        // started.
        QVERIFY(!second.calls.isEmpty());
        for (const QString &call : std::as_const(second.calls)) {
            QVERIFY2(call.startsWith(QLatin1String("seek ")), qPrintable(call));
            QVERIFY2(qAbs(call.mid(5).toLongLong() - second.length() * 3 / 4) < second.length() / 10,
                     qPrintable(call));
        }
    }

    void theWholeScreenClosesOnEscapeAndADoubleClick()
    {
        FakePlayer second;
        second.open(QStringLiteral("/m/clip.avi"));
        second.play();
        FullScreenVideo window(second);
        window.show();
        QTest::keyClick(&window, Qt::Key_Space);
        QCOMPARE(second.mode(), int(MediaPlayer::Paused));
        QTest::keyClick(&window, Qt::Key_Space);
        QCOMPARE(second.mode(), int(MediaPlayer::Playing));
        QTest::keyClick(&window, Qt::Key_Escape);
        QVERIFY(!window.isVisible());
        window.show();
        QTest::mouseDClick(&window, Qt::LeftButton);
        QVERIFY(!window.isVisible());
    }

    // Closing a video window takes the native window of its video away while an expose of it may
    // still be queued; the paint made of it must leave the surface alone.
    void aVideoSurfaceWithoutItsNativeWindowPaintsNothing()
    {
        VideoSurface surface([] { return nullptr; });
        surface.resize(64, 36);
        QVERIFY(!surface.handle());
        QPaintEvent paint(QRect(0, 0, 64, 36));
        QCoreApplication::sendEvent(&surface, &paint);
        QVERIFY(!surface.isReadyToDraw());
    }
};

QObject *createSeparatePlaybackTest()
{
    return new TestSeparatePlayback;
}

#include "tst_separate.moc"
