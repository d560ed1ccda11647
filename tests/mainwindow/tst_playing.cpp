// SPDX-License-Identifier: GPL-3.0-or-later
#include "Session.h"
#include "browse/EntryListModel.h"
#include "browse/EntryListView.h"
#include "playback/LevelMeterPicture.h"
#include "playback/MediaPlayer.h"
#include "playback/PlaybackOptions.h"
#include "support/TestFiles.h"
#include "widgets/FlatButton.h"
#include "widgets/Slider.h"
#include "widgets/SplitterPane.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QTest>
#include <QTimer>

class TestWindowPlaying : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void autoAdvanceIsOffWhileAutoplayIsOff()
    {
        Session session;
        session.preset(QStringLiteral("AutoPlay"), QStringLiteral("0"));
        session.preset(QStringLiteral("AutoPlayNext"), QStringLiteral("1"));
        MainWindow &window = session.start(session.media());
        QCheckBox *advance = window.findChild<QCheckBox *>("autoAdvance");
        QVERIFY(!advance->isChecked() && !advance->isEnabled());
        session.focused<EntryListView>("fileList");
        QTest::keyClick(session.child<EntryListView>("fileList"), Qt::Key_F2);
        QVERIFY(!advance->isChecked());
        session.close();
        QCOMPARE(session.stored(QStringLiteral("AutoPlayNext")), QStringLiteral("0"));
    }

    void aPartThePlayerCannotLoadIsSaid()
    {
        Session session;
        session.start(session.media());
        session.prompter.clear();
        const QString text = QStringLiteral("The player for sound and video (libmpv) cannot be loaded: gone");
        Q_EMIT session.player.partUnavailable(text);
        QCOMPARE(session.prompter.questions().size(), 1);
        QCOMPARE(session.prompter.questions().first().text, text);
        QCOMPARE(session.prompter.questions().first().icon, Prompter::Icon::Exclamation);
    }

    void clickingAFilePlaysIt()
    {
        Session session;
        session.start(session.media());
        auto *list = session.focused<EntryListView>("fileList");
        list->resize(300, 300);
        session.player.calls.clear();
        const QModelIndex entry = list->items()->index(list->items()->findItem(QStringLiteral("b.wav")));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualRect(entry).center());
        QCOMPARE(list->currentRow(), entry.row());
        QVERIFY(session.player.calls.contains("open " + session.media(QStringLiteral("b.wav"))));
    }

    void aClickOnTheChosenSongStartsItAgainUnlessItPlays_data()
    {
        QTest::addColumn<QString>("list");
        QTest::addColumn<bool>("playing");
        QTest::newRow("file list, paused: from the start") << "fileList" << false;
        QTest::newRow("file list, playing: plays on") << "fileList" << true;
        QTest::newRow("playlist, paused: from the start") << "playlistView" << false;
        QTest::newRow("playlist, playing: plays on") << "playlistView" << true;
    }
    void aClickOnTheChosenSongStartsItAgainUnlessItPlays()
    {
        QFETCH(QString, list);
        QFETCH(bool, playing);
        Session session;
        session.start(session.media());
        const QString song = session.media(QStringLiteral("b.wav"));
        auto *files = session.focused<EntryListView>("fileList");
        auto *playlist = session.child<EntryListView>("playlistView");
        playlist->items()->addItem(session.media(QStringLiteral("a b.mp3")));
        playlist->items()->addItem(song);
        files->setCurrentRow(files->items()->findItem(QStringLiteral("b.wav")));
        Q_EMIT session.player.fileOpened(song);
        session.player.advanceTo(40000);
        if (!playing)
            session.player.pause();
        session.player.calls.clear();
        auto *clicked = session.child<EntryListView>(list.toLatin1().constData());
        clicked->resize(300, 300);
        const QModelIndex entry = clicked->items()->index(
            clicked->items()->findItem(list == QLatin1String("fileList") ? QStringLiteral("b.wav") : song));
        QTest::mouseClick(clicked->viewport(), Qt::LeftButton, {}, clicked->visualRect(entry).center());
        if (playing) {
            QCOMPARE(session.player.calls, QStringList());
            return;
        }
        QCOMPARE(session.player.calls, QStringList({"stop", "open " + song}));
        Q_EMIT session.player.fileOpened(song);
        QCOMPARE(session.player.position(), qint64(0));
        QCOMPARE(session.player.mode(), int(MediaPlayer::Playing));
    }

    void enterAndDoubleClickPlayAFileWhateverTheAutoplay_data()
    {
        QTest::addColumn<QString>("entry");
        QTest::addColumn<bool>("doubleClick");
        QTest::addColumn<bool>("played");
        QTest::addColumn<QString>("modal");
        QTest::newRow("Enter on a sound") << "b.wav" << false << true << QString();
        QTest::newRow("double click on a sound") << "b.wav" << true << true << QString();
        QTest::newRow("Enter on a picture") << "green.bmp" << false << false << "pictureViewer";
        QTest::newRow("double click on a picture") << "green.bmp" << true << false << QString();
    }
    void enterAndDoubleClickPlayAFileWhateverTheAutoplay()
    {
        QFETCH(QString, entry);
        QFETCH(bool, doubleClick);
        QFETCH(bool, played);
        QFETCH(QString, modal);
        Session session;
        session.preset(QStringLiteral("AutoPlay"), QStringLiteral("0"));
        QImage picture(30, 20, QImage::Format_RGB32);
        picture.fill(Qt::darkGreen);
        QVERIFY(picture.save(session.media(QStringLiteral("green.bmp"))));
        MainWindow &form = session.start(session.media());
        QVERIFY(!form.playbackOptions()->autoPlayOnClick());
        auto *list = session.focused<EntryListView>("fileList");
        list->resize(300, 400);
        const QModelIndex index = list->items()->index(list->items()->findItem(entry));
        list->setCurrentIndex(index);
        QVERIFY(!session.player.calls.contains(QStringLiteral("play")));
        QString viewed;
        QTimer::singleShot(0, [&] {
            QWidget *shown = QApplication::activeModalWidget();
            viewed = shown ? shown->objectName() : QString();
            if (shown)
                QTest::keyClick(shown, Qt::Key_Escape);
        });
        if (doubleClick) {
            // The double click's event comes after the first click's.
            const QPoint at = list->visualRect(index).center();
            QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
            QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
        } else
            QTest::keyClick(list, Qt::Key_Return);
        QTest::qWait(10);
        QCOMPARE(session.player.calls.contains(QStringLiteral("play")), played);
        QCOMPARE(viewed, modal);
        QCOMPARE(list->currentIndex(), index);
    }

    void aBrokenFileInTheAutomaticAdvanceAsksNobody_data()
    {
        QTest::addColumn<bool>("byHand");
        QTest::addColumn<int>("questions");
        QTest::newRow("chosen by hand: a message box") << true << 1;
        QTest::newRow("come to by the advance: a line in the information box") << false << 0;
    }
    void aBrokenFileInTheAutomaticAdvanceAsksNobody()
    {
        QFETCH(bool, byHand);
        QFETCH(int, questions);
        Session session;
        session.preset(QStringLiteral("AutoPlayNext"), QStringLiteral("1"));
        // A wave file whose format chunk is missing, next after b.wav.
        writeBytes(session.media(QStringLiteral("c broken.wav")),
                   QByteArray("RIFF\x0c\0\0\0WAVEdata\0\0\0\0", 20));
        session.start(session.media());
        auto *list = session.focused<EntryListView>("fileList");
        const int broken = list->items()->findItem(QStringLiteral("c broken.wav"));
        QCOMPARE(list->items()->text(broken - 1), QStringLiteral("b.wav"));
        list->setCurrentRow(broken - 1);
        Q_EMIT session.player.fileOpened(session.media(QStringLiteral("b.wav")));
        session.prompter.clear();
        if (byHand)
            list->setCurrentRow(broken);
        else
            session.player.advanceTo(session.player.length());
        QTRY_COMPARE_WITH_TIMEOUT(list->currentRow(), broken, 5000);
        QCOMPARE(session.prompter.questions().size(), questions);
        QCOMPARE(session.child<QPlainTextEdit>("fileInformation")
                     ->toPlainText()
                     .contains(QStringLiteral("Can't find Format chunk!")),
                 questions == 0);
    }

    void theWindowKeysPlayPauseAndMoveTheMedium()
    {
        Session session;
        session.preset(QStringLiteral("AutoPlay"), QStringLiteral("0"));
        session.start(session.media());
        auto *list = session.focused<EntryListView>("fileList");
        list->setCurrentRow(list->items()->findItem(QStringLiteral("b.wav")));
        Q_EMIT session.player.fileOpened(session.media(QStringLiteral("b.wav")));
        session.player.calls.clear();
        QTest::keyClick(list, Qt::Key_P, Qt::ControlModifier);
        QCOMPARE(session.player.mode(), int(MediaPlayer::Playing));
        session.player.advanceTo(60000);
        // Moved on or back while playing, it plays on; never past either end.
        QTest::keyClick(list, Qt::Key_Right, Qt::ControlModifier);
        QCOMPARE(session.player.position(), qint64(70000));
        QCOMPARE(session.player.mode(), int(MediaPlayer::Playing));
        session.player.advanceTo(5000);
        QTest::keyClick(list, Qt::Key_Left, Qt::ControlModifier);
        QCOMPARE(session.player.position(), qint64(0));
        QTest::keyClick(list, Qt::Key_P, Qt::ControlModifier);
        QCOMPARE(session.player.mode(), int(MediaPlayer::Paused));
    }

    void autoplayAtStartIsForTheFileTheStartOpens_data()
    {
        QTest::addColumn<QString>("startOn");
        QTest::addColumn<QString>("atStart");
        QTest::addColumn<bool>("startFilePlays");
        QTest::newRow("a folder, then the first file chosen plays") << ""
                                                                    << "0" << false;
        QTest::newRow("a file, kept still") << "a b.mp3"
                                            << "0" << false;
        QTest::newRow("a file, played") << "a b.mp3"
                                        << "1" << true;
    }
    void autoplayAtStartIsForTheFileTheStartOpens()
    {
        QFETCH(QString, startOn);
        QFETCH(QString, atStart);
        QFETCH(bool, startFilePlays);
        Session session;
        session.preset(QStringLiteral("AutoPlayStart"), atStart);
        session.start(session.media(startOn));
        if (!startOn.isEmpty()) {
            Q_EMIT session.player.fileOpened(session.media(startOn));
            QCOMPARE(session.player.mode() == int(MediaPlayer::Playing), startFilePlays);
        }
        // Every file chosen afterwards, the first included, obeys "Autoplay on click" (on).
        auto *list = session.focused<EntryListView>("fileList");
        list->setCurrentRow(list->items()->findItem(QStringLiteral("b.wav")));
        Q_EMIT session.player.fileOpened(session.media(QStringLiteral("b.wav")));
        QCOMPARE(session.player.mode(), int(MediaPlayer::Playing));
    }

    void choosingAFilePlaysIt()
    {
        Session session;
        session.start(session.media());
        auto *list = session.focused<EntryListView>("fileList");
        session.player.calls.clear();
        list->setCurrentRow(list->items()->findItem(QStringLiteral("b.wav")));
        const QString path = session.media(QStringLiteral("b.wav"));
        QCOMPARE(session.player.calls, QStringList({"stop", "open " + path}));
        Q_EMIT session.player.fileOpened(path);
        QCOMPARE(session.player.mode(), int(MediaPlayer::Playing));
        QCOMPARE(session.child<QLineEdit>("pathBox")->text(), path);
        QCOMPARE(session.window->windowTitle(), QStringLiteral("Kestrove V.0.1.0 - %1 (0.0 KB)").arg(path));
        auto *meter = session.child<QWidget>("levelMeter");
        QVERIFY(meter->isVisible());
        // The media view's menu opens anywhere on it, the meter above it included.
        auto *mediaView = session.child<QWidget>("mediaView");
        QWidget *under = meter->parentWidget()->childAt(meter->geometry().center());
        QVERIFY(under == mediaView || mediaView->isAncestorOf(under));
        session.player.advanceTo(3723000);
        QTRY_COMPARE(session.child<QLabel>("positionReadOut")->text(), QStringLiteral("01:02:03 / 00:02:03"));
        // Chosen again while it plays, it plays on untouched.
        session.player.calls.clear();
        list->setCurrentRow(0);
        list->setCurrentRow(list->items()->findItem(QStringLiteral("b.wav")));
        QVERIFY(session.player.calls.isEmpty());
        session.close();
        QCOMPARE(session.stored(QStringLiteral("LastFile")), path);
        QCOMPARE(session.stored(QStringLiteral("LastPos")), QStringLiteral("3723000"));
    }

    void whatTheMediumTellsOfItselfIsAddedToTheInformation()
    {
        Session session;
        session.start(session.media());
        auto *list = session.focused<EntryListView>("fileList");
        list->setCurrentRow(list->items()->findItem(QStringLiteral("a b.mp3")));
        const QString song = session.media(QStringLiteral("a b.mp3"));
        Q_EMIT session.player.fileOpened(song);
        auto *information = session.child<QPlainTextEdit>("fileInformation");
        QCOMPARE(information->toPlainText(), QStringLiteral("Size : 0.0 KB"));
        MediaFacts facts;
        facts.title = QStringLiteral("Night Train");
        facts.format = QStringLiteral("mp3");
        facts.sampleRate = 44100;
        // Told of a file no longer shown, nothing is added.
        Q_EMIT session.player.mediumDescribed(session.media(QStringLiteral("b.wav")), facts);
        QCOMPARE(information->toPlainText(), QStringLiteral("Size : 0.0 KB"));
        Q_EMIT session.player.mediumDescribed(song, facts);
        const QString described =
            QStringLiteral("Size : 0.0 KB\nTitle : Night Train\nSample rate : 44100 Hz");
        QCOMPARE(information->toPlainText(), described);
        // Told again, as when the medium is opened again, the lines are not repeated.
        Q_EMIT session.player.mediumDescribed(song, facts);
        QCOMPARE(information->toPlainText(), described);
    }

    void aPictureAddsItsDimensionsToTheInformation()
    {
        Session session;
        QImage picture(30, 20, QImage::Format_RGB32);
        picture.fill(Qt::darkGreen);
        QVERIFY(picture.save(session.media(QStringLiteral("green.png"))));
        session.start(session.media());
        auto *list = session.focused<EntryListView>("fileList");
        list->setCurrentRow(list->items()->findItem(QStringLiteral("green.png")));
        auto *information = session.child<QPlainTextEdit>("fileInformation");
        const QString size = information->toPlainText();
        QVERIFY(size.startsWith(QStringLiteral("Size : ")));
        QTRY_COMPARE(information->toPlainText(), size + QStringLiteral("\nDimensions : 30 x 20"));
    }

    void theLevelMeterIsShownForSounds_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("shown");
        QTest::newRow("mp3") << "song.MP3" << true;
        QTest::newRow("wave") << "take.wav" << true;
        QTest::newRow("voc") << "old.voc" << true;
        QTest::newRow("midi") << "tune.mid" << true;
        QTest::newRow("video") << "clip.avi" << false;
        QTest::newRow("tracker module") << "song.xm" << false;
    }
    void theLevelMeterIsShownForSounds()
    {
        QFETCH(QString, name);
        QFETCH(bool, shown);
        QCOMPARE(LevelMeterPicture::isShownFor(QStringLiteral("/m/") + name), shown);
    }

    void theLevelsAreMeasuredOnlyWhereTheMeterShows()
    {
        Session session;
        QFile clip(session.media(QStringLiteral("clip.avi")));
        QVERIFY(clip.open(QIODevice::WriteOnly));
        clip.close();
        session.start(session.media());
        auto *list = session.focused<EntryListView>("fileList");
        auto *meter = session.child<QWidget>("levelMeter");
        for (const QString &name :
             {QStringLiteral("b.wav"), QStringLiteral("clip.avi"), QStringLiteral("a b.mp3")}) {
            list->setCurrentRow(list->items()->findItem(name));
            QVERIFY(session.player.calls.contains("open " + session.media(name)));
            QCOMPARE(session.player.levelsMeasured, LevelMeterPicture::isShownFor(name));
            QCOMPARE(meter->isVisible(), session.player.levelsMeasured);
        }
    }

    void theLevelMeterRisesAtOnceAndFallsSlowly()
    {
        LevelMeterPicture meter;
        meter.setLevels(1.0, 0.5);
        QCOMPARE(meter.lit(0), LevelMeterPicture::Segments);
        QCOMPARE(meter.lit(1), LevelMeterPicture::Segments / 2);
        meter.setLevels(0.0, 0.9);
        QCOMPARE(meter.lit(0), LevelMeterPicture::Segments - 1);
        QCOMPARE(meter.lit(1), LevelMeterPicture::litSegments(0.9));
        for (int i = 0; i < LevelMeterPicture::Segments; ++i)
            meter.setLevels(0.0, 0.0);
        QCOMPARE(meter.lit(0), 0);
        QCOMPARE(meter.lit(1), 0);
    }

    void mediaCommandsFromTheBoxAndTheMenu()
    {
        Session session;
        session.start(session.media(QStringLiteral("b.wav")));
        Q_EMIT session.player.fileOpened(session.media(QStringLiteral("b.wav")));
        session.prompter.queueInput(QStringLiteral("STATUS   length"));
        session.child<QAction>("sendMciCommand")->trigger();
        QCOMPARE(session.prompter.questions().size(), 2);
        QCOMPARE(session.prompter.questions().at(0).text, QStringLiteral("MCI COMMAND:"));
        QCOMPARE(session.prompter.questions().at(0).title, QStringLiteral("SEND MCI COMMAND TO DRIVER"));
        QCOMPARE(session.prompter.questions().at(1).text, QStringLiteral("123456"));
        QCOMPARE(session.prompter.questions().at(1).icon, Prompter::Icon::Exclamation);
        // The last command is offered again; a command without a reply shows nothing.
        session.prompter.queueInput(QStringLiteral("stop"));
        session.child<QAction>("sendMciCommand")->trigger();
        QCOMPARE(session.prompter.questions().size(), 3);

        session.player.pictureSize = QSize(320, 240);
        auto *lists = session.child<SplitterPane>("listsSplitter");
        session.child<QAction>("scaleToFitVideo")->trigger();
        QVERIFY(qAbs(lists->scaleWidth() - lists->leftWidth() - (320 * 15 + 30)) <= 60);
    }

    void theTransportBarDrivesThePlayer_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<QString>("control");
        // Where a control is clicked, as a share of its width.
        QTest::addColumn<double>("at");
        QTest::addColumn<QStringList>("calls");
        QTest::newRow("play a paused medium")
            << int(MediaPlayer::Paused) << "playPauseButton" << 0.5 << QStringList{"play"};
        QTest::newRow("pause a playing one")
            << int(MediaPlayer::Playing) << "playPauseButton" << 0.5 << QStringList{"pause"};
        QTest::newRow("stop goes back to the start")
            << int(MediaPlayer::Playing) << "stopButton" << 0.5 << QStringList{"seek 0"};
        QTest::newRow("mute") << int(MediaPlayer::Playing) << "muteButton" << 0.5 << QStringList{"audio off"};
        QTest::newRow("a click on the position jumps there and plays on")
            << int(MediaPlayer::Playing) << "positionBar" << 0.75 << QStringList{"seek %1", "play"};
        QTest::newRow("a paused medium stays paused where clicked")
            << int(MediaPlayer::Paused) << "positionBar" << 0.25 << QStringList{"seek %1"};
        QTest::newRow("volume") << int(MediaPlayer::Playing) << "volumeSlider" << 0.0
                                << QStringList{"volume %1"};
    }
    void theTransportBarDrivesThePlayer()
    {
        QFETCH(int, mode);
        QFETCH(QString, control);
        QFETCH(double, at);
        QFETCH(QStringList, calls);
        Session session;
        session.preset(QStringLiteral("AutoPlayStart"), QStringLiteral("1"));
        const QString path = session.media(QStringLiteral("b.wav"));
        session.start(path);
        Q_EMIT session.player.fileOpened(path);
        session.player.currentMode = mode;
        Q_EMIT session.player.modeChanged(mode);
        session.player.calls.clear();
        auto *widget = session.window->findChild<QWidget *>(control);
        QVERIFY(widget->isVisible() && widget->isEnabled());
        auto *slider = qobject_cast<Slider *>(widget);
        // A slider's knob is centred on the click, which needs room at the ends.
        const double knob = slider ? slider->knobRect().width() / 2.0 : 0;
        const int x = qRound(knob + (widget->width() - 2 * knob) * at);
        QTest::mouseClick(widget, Qt::LeftButton, {}, QPoint(x, widget->height() / 2));
        if (slider) {
            // The knob lands within a pixel of the click; the call carries the value it stands for.
            const int near = qRound(slider->maximum() * at);
            QVERIFY2(qAbs(slider->value() - near) <= slider->maximum() / 15,
                     qPrintable(QString::number(slider->value())));
            const qint64 chosen = control == QLatin1String("positionBar")
                                      ? session.player.mediumLength * slider->value() / slider->maximum()
                                      : slider->value() * 10;
            calls[0] = calls[0].arg(chosen);
        }
        QCOMPARE(session.player.calls, calls);
    }

    void theTransportBarFollowsThePlayer()
    {
        Session session;
        session.preset(QStringLiteral("AutoPlayStart"), QStringLiteral("1"));
        const QString path = session.media(QStringLiteral("b.wav"));
        session.start(path);
        auto *playPause = session.child<FlatButton>("playPauseButton");
        auto *position = session.child<Slider>("positionBar");
        Q_EMIT session.player.modeChanged(MediaPlayer::NotReady);
        QVERIFY(!playPause->isEnabled());
        Q_EMIT session.player.fileOpened(path);
        Q_EMIT session.player.modeChanged(MediaPlayer::Playing);
        session.player.calls.clear();
        QVERIFY(playPause->isEnabled());
        QCOMPARE(playPause->toolTip(), QStringLiteral("Pause"));
        session.player.advanceTo(session.player.mediumLength / 2);
        QTRY_COMPARE(position->value(), 5000);
        QTRY_VERIFY(
            session.child<QLabel>("positionReadOut")->text().startsWith(QStringLiteral("00:01:02 / ")));
        // Following the player is no seek.
        QVERIFY(!session.player.calls.join(QLatin1Char(',')).contains(QLatin1String("seek")));
        Q_EMIT session.player.modeChanged(MediaPlayer::Paused);
        QCOMPARE(playPause->toolTip(), QStringLiteral("Play"));
        Q_EMIT session.player.volumeChanged(300);
        QCOMPARE(session.child<Slider>("volumeSlider")->value(), 30);
        QVERIFY(session.player.calls.isEmpty());
        // The pane at its narrowest still shows every control.
        session.window->resize(session.window->minimumSizeHint());
        for (const char *name :
             {"playPauseButton", "stopButton", "positionBar", "muteButton", "volumeSlider"})
            QTRY_VERIFY2(session.child<QWidget>(name)->width() >= 8, name);
    }

    void separateWindowsTakeTheMediumAndHandItBack_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("secondStart");
        QTest::addColumn<QStringList>("mainAfter");
        const QStringList handedBack{"seek 8000", "play"};
        QTest::newRow("video window") << "playInSeparateWindow"
                                      << "separateVideoWindow"
                                      << "seek 5000" << handedBack;
        QTest::newRow("file menu") << "openInSeparateWindow"
                                   << "separateVideoWindow"
                                   << "seek 5000" << handedBack;
        QTest::newRow("video window, right button") << "playInSeparateWindowFromStart"
                                                    << "separateVideoWindow"
                                                    << "seek 0" << QStringList{"play"};
        QTest::newRow("player window") << "playInPlayerWindow"
                                       << "externalPlayerWindow"
                                       << "seek 5000" << handedBack;
        QTest::newRow("player window, right button") << "playInPlayerWindowFromStart"
                                                     << "externalPlayerWindow"
                                                     << "seek 0" << QStringList{"play"};
        QTest::newRow("whole screen") << "fullScreenVideo"
                                      << "fullScreenVideo"
                                      << "seek 5000" << handedBack;
    }
    void separateWindowsTakeTheMediumAndHandItBack()
    {
        QFETCH(QString, command);
        QFETCH(QString, window);
        QFETCH(QString, secondStart);
        QFETCH(QStringList, mainAfter);
        Session session;
        session.preset(QStringLiteral("AutoPlayStart"), QStringLiteral("1"));
        const QString path = session.media(QStringLiteral("b.wav"));
        session.start(path);
        Q_EMIT session.player.fileOpened(path);
        session.player.advanceTo(5000);
        session.player.calls.clear();
        QStringList seen;
        QTimer::singleShot(0, [&] {
            QWidget *modal = QApplication::activeModalWidget();
            seen << (modal ? modal->objectName() : QStringLiteral("none"));
            FakePlayer *second = session.secondPlayer;
            seen << session.player.calls.join(QLatin1Char(','));
            Q_EMIT second->fileOpened(path);
            seen << second->calls.filter(QRegularExpression(QStringLiteral("^(seek|play)")))
                        .join(QLatin1Char(','));
            second->advanceTo(8000);
            session.player.calls.clear();
            if (modal)
                modal->close();
        });
        session.window->findChild<QAction *>(command)->trigger();
        QCOMPARE(seen, QStringList({window, "stop", secondStart + ",play"}));
        QCOMPARE(session.player.calls, mainAfter);
    }

    // Opened again at once, the video window finds the main player still seeking back to where the
    // window before left off: that player was playing, and plays on once the window closes.
    void theVideoWindowOpenedWhileTheMainPlayerSeeksHandsBackToAPlayingPlayer()
    {
        Session session;
        session.preset(QStringLiteral("AutoPlayStart"), QStringLiteral("1"));
        const QString path = session.media(QStringLiteral("b.wav"));
        session.start(path);
        Q_EMIT session.player.fileOpened(path);
        session.player.advanceTo(5000);
        Q_EMIT session.player.modeChanged(MediaPlayer::Playing);
        session.player.currentMode = MediaPlayer::Seeking;
        Q_EMIT session.player.modeChanged(MediaPlayer::Seeking);
        QTimer::singleShot(0, [&session] {
            session.player.calls.clear();
            QApplication::activeModalWidget()->close();
        });
        session.window->findChild<QAction *>(QStringLiteral("playInSeparateWindow"))->trigger();
        QCOMPARE(session.player.calls, QStringList({"seek 5000", "play"}));
    }

    void theSpeedIsSetWhenTheSliderIsLetGo_data()
    {
        QTest::addColumn<bool>("keepSpeed");
        QTest::addColumn<int>("sliderAfter");
        QTest::addColumn<QString>("speedAfter");
        QTest::newRow("back to normal for the next file") << false << 100 << "speed 1000";
        QTest::newRow("kept for the next file") << true << 50 << "speed 500";
    }
    void theSpeedIsSetWhenTheSliderIsLetGo()
    {
        QFETCH(bool, keepSpeed);
        QFETCH(int, sliderAfter);
        QFETCH(QString, speedAfter);
        Session session;
        session.start(session.media(QStringLiteral("b.wav")));
        auto *label = session.child<QLabel>("speedLabel");
        auto *slider = session.child<Slider>("speedSlider");
        QCOMPARE(label->text(), QStringLiteral("Movie/Mp3  speed:100%"));
        Q_EMIT session.player.fileOpened(session.media(QStringLiteral("b.wav")));
        QCOMPARE(label->text(), QStringLiteral("Movie speed:100%"));
        session.child<QCheckBox>("keepSpeed")->setChecked(keepSpeed);
        session.player.calls.clear();
        slider->setValue(50);
        Q_EMIT slider->valueScrolled(50);
        QCOMPARE(label->text(), QStringLiteral("Movie speed:50%"));
        QVERIFY(session.player.calls.isEmpty());
        Q_EMIT slider->valueSettled(50);
        QCOMPARE(session.player.calls, QStringList{"speed 500"});

        auto *list = session.focused<EntryListView>("fileList");
        list->setCurrentRow(list->items()->findItem(QStringLiteral("B.wav")));
        session.player.calls.clear();
        Q_EMIT session.player.fileOpened(session.media(QStringLiteral("B.wav")));
        QCOMPARE(slider->value(), sliderAfter);
        QCOMPARE(label->text(), QStringLiteral("Movie speed:%1%").arg(sliderAfter));
        QVERIFY(session.player.calls.contains(speedAfter));
    }

    void theAdvanceWalksThePlaylist()
    {
        Session session;
        session.preset(QStringLiteral("AutoPlayStart"), QStringLiteral("1"));
        session.start(session.media());
        auto *playlist = session.focused<EntryListView>("playlistView");
        playlist->items()->addItem(session.media(QStringLiteral("b.wav")));
        playlist->items()->addItem(session.media(QStringLiteral("sub folder/c.mp3")));
        playlist->setCurrentRow(0);
        QTest::keyClick(playlist, Qt::Key_Return);
        Q_EMIT session.player.fileOpened(session.media(QStringLiteral("b.wav")));
        QCOMPARE(session.player.mode(), int(MediaPlayer::Playing));
        session.child<QCheckBox>("autoAdvance")->setChecked(true);
        session.player.advanceTo(session.player.mediumLength);
        // The next playlist entry plays, from another folder.
        QTRY_COMPARE_WITH_TIMEOUT(session.player.fileName(),
                                  session.media(QStringLiteral("sub folder/c.mp3")), 3000);
        QCOMPARE(playlist->currentRow(), 1);
        session.child<QCheckBox>("autoAdvance")->setChecked(false);
    }

    void quickSeeksKeepThePlaylistGoing()
    {
        Session session;
        session.start(session.media());
        auto *playlist = session.focused<EntryListView>("playlistView");
        for (const char *name : {"a b.mp3", "b.wav", "B.wav"})
            playlist->items()->addItem(session.media(QLatin1String(name)));
        playlist->setCurrentRow(1);
        QTest::keyClick(playlist, Qt::Key_Return);
        const QString song = session.media(QStringLiteral("b.wav"));
        Q_EMIT session.player.fileOpened(song);
        Q_EMIT session.player.modeChanged(MediaPlayer::Playing);
        auto *files = session.focused<EntryListView>("fileList");
        QTest::keyClick(files, Qt::Key_F2);
        // Each key comes while the player still seeks where the one before sent it.
        for (const qint64 position : {10000, 20000, 30000}) {
            QTest::keyClick(files, Qt::Key_Right, Qt::ControlModifier);
            QCOMPARE(session.player.position(), position);
            QCOMPARE(session.player.mode(), int(MediaPlayer::Playing));
            session.player.currentMode = MediaPlayer::Seeking;
            Q_EMIT session.player.modeChanged(MediaPlayer::Seeking);
        }
        session.player.currentMode = MediaPlayer::Playing;
        Q_EMIT session.player.modeChanged(MediaPlayer::Playing);
        session.player.advanceTo(session.player.mediumLength);
        QTRY_COMPARE_WITH_TIMEOUT(session.player.fileName(), session.media(QStringLiteral("B.wav")), 3000);
        QCOMPARE(playlist->currentRow(), 2);
        session.child<QCheckBox>("autoAdvance")->setChecked(false);
    }

    // The volume a person set comes back at the next start, and a stored one out of range is
    // brought into it.
    void theVolumeIsKeptForTheNextStart_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<int>("restored");
        QTest::newRow("nothing stored") << "<absent>" << 1000;
        QTest::newRow("seventy per cent") << "700" << 700;
        QTest::newRow("too loud") << "5000" << 1000;
        QTest::newRow("below silence") << "-3" << 0;
        QTest::newRow("garbage") << "loud" << 1000;
    }
    void theVolumeIsKeptForTheNextStart()
    {
        QFETCH(QString, stored);
        QFETCH(int, restored);
        Session session;
        if (stored != QLatin1String("<absent>"))
            session.preset(QStringLiteral("Volume"), stored);
        session.start(session.media());
        QCOMPARE(session.player.volume(), restored);
        session.player.setVolume(700);
        session.close();
        QCOMPARE(session.stored(QStringLiteral("Volume")), QStringLiteral("700"));
    }
};

QObject *createWindowTest()
{
    return new TestWindowPlaying;
}

#include "tst_playing.moc"
