// SPDX-License-Identifier: GPL-3.0-or-later
#include "Session.h"
#include "browse/EntryListModel.h"
#include "browse/EntryListView.h"
#include "browse/FileInformation.h"
#include "pictures/PicturePanel.h"
#include "pictures/PicturePreloader.h"
#include "support/TestFiles.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

class TestWindowPictures : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void choosingAPictureShowsItAndAClickViewsIt()
    {
        Session session;
        QImage picture(300, 200, QImage::Format_RGB32);
        picture.fill(Qt::darkGreen);
        QVERIFY(picture.save(session.media(QStringLiteral("green.bmp"))));
        writeBytes(session.media(QStringLiteral("broken.jpg")), "not a picture");
        session.start(session.media());
        auto *list = session.focused<EntryListView>("fileList");
        auto *pictures = session.child<PicturePanel>("picturePanel");
        QSignalSpy shown(pictures, &PicturePanel::shown);
        list->setCurrentRow(list->items()->findItem(QStringLiteral("b.wav")));
        Q_EMIT session.player.fileOpened(session.media(QStringLiteral("b.wav")));
        session.player.advanceTo(61000);
        auto *readOut = session.child<QLabel>("positionReadOut");
        QTRY_VERIFY(readOut->text().startsWith(QStringLiteral("00:01:01 / ")));
        session.player.calls.clear();
        list->setCurrentRow(list->items()->findItem(QStringLiteral("green.bmp")));
        // The medium is closed and the picture takes the media view; the read-out keeps nothing
        // of the medium.
        QCOMPARE(session.player.calls, QStringList{"close"});
        QVERIFY(pictures->isVisible());
        QVERIFY(shown.wait(5000));
        QTRY_COMPARE(readOut->text(), QStringLiteral("00:00:00 / 00:00:00"));
        QVERIFY(!pictures->showsError());
        QCOMPARE(session.child<QLineEdit>("pathBox")->text(), session.media(QStringLiteral("green.bmp")));

        QString viewed;
        QTimer::singleShot(0, [&] {
            QWidget *modal = QApplication::activeModalWidget();
            viewed = modal ? modal->objectName() : QString();
            if (modal)
                QTest::keyClick(modal, Qt::Key_Escape);
        });
        Q_EMIT pictures->clicked();
        QCOMPARE(viewed, QStringLiteral("pictureViewer"));

        list->setCurrentRow(list->items()->findItem(QStringLiteral("broken.jpg")));
        QVERIFY(shown.wait(5000));
        QVERIFY(pictures->showsError());
        Q_EMIT pictures->clicked();
        QCOMPARE(session.prompter.questions().last().text,
                 QStringLiteral("Unable to open the selected file. File may be corrupted!"));

        // A medium takes the media view back.
        list->setCurrentRow(list->items()->findItem(QStringLiteral("b.wav")));
        QVERIFY(!pictures->isVisible());
    }

    void theViewerBannerGivesEachPictureItsOwnSize()
    {
        Session session;
        session.preset(QStringLiteral("DeleteConfirm"), QStringLiteral("0"));
        // Pictures of different sizes, so that a size one step behind shows.
        const QStringList names{"p1.bmp", "p2.bmp", "p3.bmp"};
        for (int i = 0; i < names.size(); ++i) {
            QImage picture(100 + 200 * i, 100, QImage::Format_RGB32);
            picture.fill(Qt::darkGreen);
            QVERIFY(picture.save(session.media(names.at(i))));
        }
        session.start(session.media());
        auto *list = session.focused<EntryListView>("fileList");
        auto *pictures = session.child<PicturePanel>("picturePanel");
        QSignalSpy shown(pictures, &PicturePanel::shown);
        list->setCurrentRow(list->items()->findItem(names.first()));
        QVERIFY(shown.wait(5000));
        // Each banner names the picture, gives its file's size (the facts the information box gains
        // later are not glued onto it) and counts the pictures of the folder, not its sounds and
        // other files (the picture's dimensions follow once it has been read).
        auto reads = [&session](const QString &banner, const QString &name, const char *position) {
            const QStringList lines = banner.split(QLatin1Char('\n'));
            const QString size = FileInformation::sizeText(QFileInfo(session.media(name)).size());
            return lines.size() == 3 && lines.at(0) == name &&
                   lines.at(1) == QStringLiteral("Size : ") + size &&
                   lines.at(2).section(QStringLiteral("    "), 0, 0) == QLatin1String(position);
        };
        QStringList wrong;
        QTimer::singleShot(0, [&] {
            QWidget *viewer = QApplication::activeModalWidget();
            QVERIFY(viewer);
            auto *banner = viewer->findChild<QLabel *>(QStringLiteral("banner"));
            auto check = [&](const QString &name, const char *position) {
                if (!reads(banner->text(), name, position))
                    wrong << banner->text();
            };
            check(names.at(0), "1 / 3");
            // The slide show moves on as a choice in the list; Page Down through the viewer.
            list->setCurrentRow(list->items()->findItem(names.at(1)));
            check(names.at(1), "2 / 3");
            QTest::keyClick(viewer, Qt::Key_PageDown);
            check(names.at(2), "3 / 3");
            // Deleting the last one shows another, with its size.
            QTest::keyClick(viewer, Qt::Key_Delete);
            check(list->items()->text(list->currentRow()), "2 / 2");
            QTest::keyClick(viewer, Qt::Key_Escape);
        });
        Q_EMIT pictures->clicked();
        QVERIFY2(wrong.isEmpty(), qPrintable(wrong.join(QStringLiteral(" | "))));
    }

    void pageDownShowsTheNextPictureDecodedAhead()
    {
        Session session;
        QImage picture(300, 100, QImage::Format_RGB32);
        picture.fill(Qt::darkGreen);
        QVERIFY(picture.save(session.media(QStringLiteral("p1.bmp"))));
        QVERIFY(picture.scaled(500, 100).save(session.media(QStringLiteral("p2.bmp"))));
        session.start(session.media());
        auto *list = session.focused<EntryListView>("fileList");
        auto *pictures = session.child<PicturePanel>("picturePanel");
        QSignalSpy shown(pictures, &PicturePanel::shown);
        list->setCurrentRow(list->items()->findItem(QStringLiteral("p1.bmp")));
        QVERIFY(shown.wait(5000));
        auto *preloader = session.window->findChild<PicturePreloader *>();
        QString banner;
        QTimer::singleShot(0, [&] {
            QWidget *viewer = QApplication::activeModalWidget();
            QVERIFY(viewer);
            // Once the next picture has been decoded for the screen, Page Down shows it with its
            // size, not waiting for it to be read.
            connect(preloader, &PicturePreloader::decoded, viewer, [&, viewer](const QString &path) {
                if (!path.endsWith(QLatin1String("p2.bmp")))
                    return;
                QTest::keyClick(viewer, Qt::Key_PageDown);
                banner = viewer->findChild<QLabel *>(QStringLiteral("banner"))->text();
                QTest::keyClick(viewer, Qt::Key_Escape);
            });
            // A picture never decoded ahead fails the test rather than keeping the viewer open.
            QTimer::singleShot(10000, viewer, [viewer] { QTest::keyClick(viewer, Qt::Key_Escape); });
        });
        Q_EMIT pictures->clicked();
        QVERIFY2(banner.startsWith(QStringLiteral("p2.bmp\n")), qPrintable(banner));
        QVERIFY2(banner.endsWith(QStringLiteral("\n2 / 2    500 x 100")), qPrintable(banner));
    }

    void shiftEscapeKeepsTheViewerOpenAndTheWindowAnswers()
    {
        Session session;
        QImage picture(300, 200, QImage::Format_RGB32);
        picture.fill(Qt::darkGreen);
        QVERIFY(picture.save(session.media(QStringLiteral("green.bmp"))));
        session.start(session.media());
        auto *list = session.focused<EntryListView>("fileList");
        auto *pictures = session.child<PicturePanel>("picturePanel");
        QSignalSpy shown(pictures, &PicturePanel::shown);
        list->setCurrentRow(list->items()->findItem(QStringLiteral("green.bmp")));
        QVERIFY(shown.wait(5000));
        QWidget *afterShiftEscape = nullptr;
        bool onTop = true;
        QTimer::singleShot(0, [&] {
            QWidget *viewer = QApplication::activeModalWidget();
            QTest::keyClick(viewer, Qt::Key_Escape, Qt::ShiftModifier);
            // Looked at once the key's consequences have run.
            QTimer::singleShot(0, viewer, [&, viewer] {
                afterShiftEscape = QApplication::activeModalWidget();
                onTop = viewer->windowFlags().testFlag(Qt::WindowStaysOnTopHint);
                QTest::keyClick(viewer, Qt::Key_Escape);
            });
        });
        Q_EMIT pictures->clicked();
        QVERIFY(afterShiftEscape);
        QCOMPARE(afterShiftEscape->objectName(), QStringLiteral("pictureViewer"));
        QVERIFY(!onTop);
        // Closed, the viewer leaves nothing modal behind.
        QCOMPARE(QApplication::activeModalWidget(), nullptr);
    }

    void theSlideShowGoesThroughPicturesAndSoundsAndWraps()
    {
        Session session;
        QDir().mkpath(session.media(QStringLiteral("show")));
        QImage picture(40, 30, QImage::Format_RGB32);
        picture.fill(Qt::blue);
        QVERIFY(picture.save(session.media(QStringLiteral("show/1.bmp"))));
        QVERIFY(picture.save(session.media(QStringLiteral("show/2.bmp"))));
        writeBytes(session.media(QStringLiteral("show/3.mp3")), "x");
        session.start(session.media(QStringLiteral("show/1.bmp")));
        auto *list = session.child<EntryListView>("fileList");
        QCOMPARE(list->items()->text(list->currentRow()), QStringLiteral("1.bmp"));
        session.child<QCheckBox>("autoAdvance")->setChecked(true);
        // A picture stays for the slide delay, a second, then the next file is chosen.
        QTRY_COMPARE_WITH_TIMEOUT(list->items()->text(list->currentRow()), QStringLiteral("2.bmp"), 3000);
        QTRY_COMPARE_WITH_TIMEOUT(list->items()->text(list->currentRow()), QStringLiteral("3.mp3"), 3000);
        // A sound plays to its end first.
        const QString sound = session.media(QStringLiteral("show/3.mp3"));
        Q_EMIT session.player.fileOpened(sound);
        QTest::qWait(1500);
        QCOMPARE(list->items()->text(list->currentRow()), QStringLiteral("3.mp3"));
        session.player.advanceTo(session.player.mediumLength);
        QTRY_COMPARE_WITH_TIMEOUT(list->items()->text(list->currentRow()), QStringLiteral("1.bmp"), 3000);
        session.child<QCheckBox>("autoAdvance")->setChecked(false);
    }

    void f2StartsTheSlideShowOnAPicture_data()
    {
        QTest::addColumn<bool>("openedByTheStart");
        QTest::newRow("opened by the start") << true;
        QTest::newRow("chosen in the list") << false;
    }
    void f2StartsTheSlideShowOnAPicture()
    {
        QFETCH(bool, openedByTheStart);
        Session session;
        QImage picture(40, 30, QImage::Format_RGB32);
        picture.fill(Qt::blue);
        QDir().mkpath(session.media(QStringLiteral("show")));
        for (const char *name : {"show/1.jpg", "show/2.jpg"})
            QVERIFY(picture.save(session.media(QLatin1String(name))));
        session.start(
            session.media(openedByTheStart ? QStringLiteral("show/1.jpg") : QStringLiteral("show")));
        auto *list = session.focused<EntryListView>("fileList");
        if (!openedByTheStart)
            QTest::keyClick(list, Qt::Key_Down);
        QCOMPARE(list->items()->text(list->currentRow()), QStringLiteral("1.jpg"));
        QTest::keyClick(list, Qt::Key_F2);
        QVERIFY(session.child<QCheckBox>("autoAdvance")->isChecked());
        QTRY_COMPARE_WITH_TIMEOUT(list->items()->text(list->currentRow()), QStringLiteral("2.jpg"), 3000);
        session.child<QCheckBox>("autoAdvance")->setChecked(false);
    }
};

QObject *createWindowTest()
{
    return new TestWindowPictures;
}

#include "tst_pictures.moc"
