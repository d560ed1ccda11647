// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/MediaTypes.h"
#include "pictures/PictureFit.h"
#include "pictures/PictureLoader.h"
#include "pictures/PicturePanel.h"
#include "pictures/PicturePosition.h"
#include "pictures/PicturePreloader.h"
#include "pictures/PictureViewer.h"
#include "pictures/PictureZoom.h"
#include "support/TemporaryFolder.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QImage>
#include <QMutex>
#include <QScopeGuard>
#include <QSemaphore>
#include <QSignalSpy>
#include <QTest>
#include <QThread>
#include <QThreadPool>
#include <QWheelEvent>
#include <QWindow>

namespace {

struct Calls
{
    QStringList made;
    bool onEditList = false;
};

PictureViewer::Hooks hooksRecording(Calls &calls)
{
    auto note = [&calls](const char *name) {
        return [&calls, name] { calls.made.append(QLatin1String(name)); };
    };
    PictureViewer::Hooks hooks;
    hooks.chosenName = [] { return QStringLiteral("  holiday.jpg "); };
    hooks.information = [] { return QStringLiteral("Size : 2.0 MB\r\n"); };
    hooks.position = [] { return PicturePosition{2, 3}; };
    hooks.chosenIsOnEditList = [&calls] { return calls.onEditList; };
    hooks.addToEditList = [&calls] {
        calls.made.append(QStringLiteral("add"));
        calls.onEditList = true;
    };
    hooks.removeFromEditList = [&calls] {
        calls.made.append(QStringLiteral("remove"));
        calls.onEditList = false;
    };
    hooks.toggleAutoAdvance = note("toggle advance");
    hooks.stopAutoAdvance = note("stop advance");
    hooks.nextFile = note("next");
    hooks.previousFile = note("previous");
    hooks.deleteFile = note("delete");
    hooks.firstFile = note("first");
    hooks.lastFile = note("last");
    return hooks;
}

// A picture of one colour, saved in the format its name says.
QString savedPicture(const QTemporaryDir &dir, const QString &name, const QSize &size)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::darkCyan);
    const QString path = dir.filePath(name);
    return image.save(path) ? path : QString();
}

void turnWheel(QWidget &widget, int notches, Qt::KeyboardModifiers modifiers = {})
{
    const QPointF at(widget.width() / 2.0, widget.height() / 2.0);
    QWheelEvent wheel(at, widget.mapToGlobal(at), QPoint(),
                      QPoint(0, notches * QWheelEvent::DefaultDeltasPerStep), Qt::NoButton, modifiers,
                      Qt::NoScrollPhase, false);
    QApplication::sendEvent(&widget, &wheel);
}

PictureDecoder::Result decoded(const QSize &panel)
{
    PictureDecoder::Result result;
    result.image = QImage(panel, QImage::Format_RGB32);
    result.naturalSize = panel;
    return result;
}

// The preloader's decoding in a test: it notes what it is asked for and gives a blank picture (none
// for a path starting "broken") at once, or, for the paths starting as the one held back, once it is
// released.
class Decodings
{
public:
    QStringList asked() const
    {
        QMutexLocker locked(&m_lock);
        return m_asked;
    }
    void holdBack(const QString &path) { m_heldBack = path; }
    bool heldBack() { return m_started.tryAcquire(1, 5000); }
    void release() { m_proceed.release(); }

    PicturePreloader::Decode decode()
    {
        return [this](const QString &path, const QSize &panel) {
            {
                QMutexLocker locked(&m_lock);
                m_asked << path;
            }
            if (!m_heldBack.isEmpty() && path.startsWith(m_heldBack)) {
                m_started.release();
                m_proceed.acquire();
            }
            return path.startsWith(QLatin1String("broken")) ? PictureDecoder::Result() : decoded(panel);
        };
    }

private:
    mutable QMutex m_lock;
    QStringList m_asked;
    QString m_heldBack;
    QSemaphore m_started;
    QSemaphore m_proceed;
};

QStringList sorted(QStringList list)
{
    list.sort();
    return list;
}

} // namespace

class TestViewer : public QObject
{
    Q_OBJECT

    TemporaryFolder m_dir;

private Q_SLOTS:
    void theViewerFitsAndZooms_data()
    {
        QTest::addColumn<QSize>("natural");
        QTest::addColumn<bool>("fitLarge");
        QTest::addColumn<QString>("steps");
        QTest::addColumn<QRectF>("area");
        QTest::addColumn<int>("percent");
        const QSize photo(4000, 3000);
        QTest::newRow("a photo fitted whole") << photo << true << "" << QRectF(0, 0, 1280, 960) << 32;
        QTest::newRow("fitting off: own size, overflowing evenly")
            << photo << false << "" << QRectF(-1360, -1020, 4000, 3000) << 100;
        QTest::newRow("a small picture is not enlarged")
            << QSize(100, 50) << true << "" << QRectF(590, 455, 100, 50) << 100;
        QTest::newRow("a step larger about the middle")
            << photo << true << "+" << QRectF(-160, -120, 1600, 1200) << 40;
        QTest::newRow("a step larger about the top left corner")
            << photo << true << "+@0,0" << QRectF(0, 0, 1600, 1200) << 40;
        QTest::newRow("a step back gives the fitted picture")
            << photo << true << "+ -" << QRectF(0, 0, 1280, 960) << 32;
        QTest::newRow("0 fits again") << photo << true << "+ + 0" << QRectF(0, 0, 1280, 960) << 32;
        QTest::newRow("1 is the natural size")
            << photo << true << "+ 1" << QRectF(-1360, -1020, 4000, 3000) << 100;
        QTest::newRow("0 fits with fitting off") << photo << false << "0" << QRectF(0, 0, 1280, 960) << 32;
        QTest::newRow("no larger than sixteen times")
            << QSize(100, 50) << true << QStringLiteral("+@590,455 ").repeated(18)
            << QRectF(590, 455, 1600, 800) << 1600;
        QTest::newRow("a fitted picture is fitted to a new screen")
            << photo << true << "screen" << QRectF(0, 30, 640, 480) << 16;
        QTest::newRow("a zoomed one keeps its zoom, centred")
            << photo << true << "+@0,0 screen" << QRectF(-480, -330, 1600, 1200) << 40;
        // The arrows: a tenth of the screen a step, as far as the picture's edge.
        QTest::newRow("Right shows more of the right side")
            << photo << false << ">" << QRectF(-1488, -1020, 4000, 3000) << 100;
        QTest::newRow("Left goes as far as the left edge")
            << photo << false << QStringLiteral("< ").repeated(12) << QRectF(0, -1020, 4000, 3000) << 100;
        QTest::newRow("Right goes as far as the right edge")
            << photo << false << QStringLiteral("> ").repeated(25) << QRectF(-2720, -1020, 4000, 3000) << 100;
        QTest::newRow("Down and Up") << photo << false << "v v ^" << QRectF(-1360, -1116, 4000, 3000) << 100;
        QTest::newRow("a fitted picture is not panned")
            << photo << true << "< > ^ v" << QRectF(0, 0, 1280, 960) << 32;
        QTest::newRow("a wide picture is panned across only")
            << QSize(4000, 500) << false << "v >" << QRectF(-1488, 230, 4000, 500) << 100;
        QTest::newRow("an edge dragged past the screen's is not pulled back")
            << photo << false << "move@100,-1020 < >" << QRectF(-28, -1020, 4000, 3000) << 100;
    }
    void theViewerFitsAndZooms()
    {
        QFETCH(QSize, natural);
        QFETCH(bool, fitLarge);
        QFETCH(QString, steps);
        QFETCH(QRectF, area);
        QFETCH(int, percent);
        PictureZoom zoom;
        zoom.setView(QSize(1280, 960));
        zoom.setPicture(natural, fitLarge);
        for (const QString &step : steps.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
            // "+@X,Y" zooms about a point; a step without one, about the middle.
            const QStringList at = step.section(QLatin1Char('@'), 1).split(QLatin1Char(','));
            const QPointF anchor = at.size() == 2 ? QPointF(at[0].toInt(), at[1].toInt()) : QPointF(640, 480);
            // "<" and ">" pan across, "^" and "v" up and down.
            const int pan = QStringLiteral("<^ v>").indexOf(step) - 2;
            if (step == QLatin1String("screen"))
                zoom.setView(QSize(640, 540));
            else if (step.size() == 1 && qAbs(pan) == 2)
                zoom.pan(Qt::Horizontal, pan / 2);
            else if (step.size() == 1 && qAbs(pan) == 1)
                zoom.pan(Qt::Vertical, pan);
            else if (step.startsWith(QLatin1String("move")))
                zoom.moveTo(anchor);
            else if (step.startsWith(QLatin1Char('+')))
                zoom.zoom(1, anchor);
            else if (step.startsWith(QLatin1Char('-')))
                zoom.zoom(-1, anchor);
            else if (step == QLatin1String("0"))
                zoom.fit();
            else if (step == QLatin1String("1"))
                zoom.showNaturalSize();
        }
        QCOMPARE(zoom.area(), area);
        QCOMPARE(zoom.percent(), percent);
    }

    void theArrowsAndTheWheelStepOrPan_data()
    {
        QTest::addColumn<QSize>("natural");
        QTest::addColumn<QString>("input");
        QTest::addColumn<QStringList>("calls");
        QTest::addColumn<bool>("moved");
        const QSize small(200, 100);
        const QSize large(3000, 2000);
        QTest::newRow("fits: Right") << small << "Right" << QStringList{"next"} << false;
        QTest::newRow("fits: Left") << small << "Left" << QStringList{"previous"} << false;
        QTest::newRow("fits: Down") << small << "Down" << QStringList() << false;
        QTest::newRow("fits: the wheel turned back") << small << "wheel-" << QStringList{"next"} << false;
        QTest::newRow("fits: the wheel turned on") << small << "wheel+" << QStringList{"previous"} << false;
        QTest::newRow("fits: Ctrl+wheel zooms") << small << "ctrl+wheel+" << QStringList() << true;
        QTest::newRow("larger: Right pans") << large << "Right" << QStringList() << true;
        QTest::newRow("larger: Left pans") << large << "Left" << QStringList() << true;
        QTest::newRow("larger: Up pans") << large << "Up" << QStringList() << true;
        QTest::newRow("larger: the wheel zooms") << large << "wheel-" << QStringList() << true;
        QTest::newRow("only taller: Right steps")
            << QSize(100, 3000) << "Right" << QStringList{"next"} << false;
        QTest::newRow("only wider: Right pans") << QSize(3000, 100) << "Right" << QStringList() << true;
    }
    void theArrowsAndTheWheelStepOrPan()
    {
        QFETCH(QSize, natural);
        QFETCH(QString, input);
        QFETCH(QStringList, calls);
        QFETCH(bool, moved);
        Calls made;
        PictureViewer viewer(hooksRecording(made), false);
        viewer.resize(1000, 800);
        viewer.show();
        viewer.showPicture(savedPicture(m_dir, QStringLiteral("picture.png"), natural));
        QTRY_VERIFY(!viewer.decodedSize().isEmpty());
        const QRect area = viewer.pictureArea();
        const auto keys = QMap<QString, Qt::Key>{
            {"Left", Qt::Key_Left}, {"Right", Qt::Key_Right}, {"Up", Qt::Key_Up}, {"Down", Qt::Key_Down}};
        if (keys.contains(input))
            QTest::keyClick(&viewer, keys.value(input));
        else
            turnWheel(viewer, input.endsWith(QLatin1Char('+')) ? 1 : -1,
                      input.startsWith(QLatin1String("ctrl")) ? Qt::ControlModifier : Qt::NoModifier);
        QCOMPARE(made.made, calls);
        QCOMPARE(viewer.pictureArea() != area, moved);
    }

    void thePositionAndTheNeighboursArePicturesOnly_data()
    {
        QTest::addColumn<QString>("chosen");
        QTest::addColumn<int>("number");
        QTest::addColumn<int>("count");
        QTest::addColumn<QString>("previous");
        QTest::addColumn<QString>("next");
        QTest::newRow("the first picture") << "a.bmp" << 1 << 3 << ""
                                           << "b.gif";
        QTest::newRow("the last, past other files") << "c.JPG" << 3 << 3 << "b.gif"
                                                    << "";
        QTest::newRow("a sound is none") << "b.wav" << 0 << 3 << "a.bmp"
                                         << "b.gif";
        QTest::newRow("a folder named like a picture is none") << "folder.jpg" << 0 << 3 << ""
                                                               << "a.bmp";
    }
    void thePositionAndTheNeighboursArePicturesOnly()
    {
        QFETCH(QString, chosen);
        QFETCH(int, number);
        QFETCH(int, count);
        QFETCH(QString, previous);
        QFETCH(QString, next);
        using Kind = ListEntry::Kind;
        const QStringList names{"..", "folder.jpg", "a.bmp", "b.wav", "b.gif", "notes.txt", "c.JPG"};
        const QList<Kind> kinds{Kind::Parent, Kind::Folder, Kind::File, Kind::File,
                                Kind::File,   Kind::File,   Kind::File};
        const PicturePosition position =
            PicturePosition::of(names, kinds, int(names.indexOf(chosen)), MediaTypes());
        QCOMPARE(position.number, number);
        QCOMPARE(position.count, count);
        QCOMPARE(position.previousRow, int(names.indexOf(previous)));
        QCOMPARE(position.nextRow, int(names.indexOf(next)));
    }

    void theNeighboursAreDecodedAheadNearestFirst_data()
    {
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<QStringList>("asked");
        QTest::addColumn<QStringList>("held");
        // "b>c,a": b is shown, and decoded by the loader, which hands it over; c and a are wanted
        // next.
        QTest::newRow("the next one, then the previous one")
            << QStringList{"b>c,a"} << QStringList{"c", "a"} << QStringList{"a", "b", "c"};
        QTest::newRow("a step on decodes the new neighbour only, and lets the far one go")
            << QStringList{"b>c,a", "c>d,b"} << QStringList{"c", "a", "d"} << QStringList{"b", "c", "d"};
        QTest::newRow("a picture not wanted is not kept")
            << QStringList{"b>c", "keep z"} << QStringList{"c"} << QStringList{"b", "c"};
        QTest::newRow("another size decodes them again")
            << QStringList{"b>c,a", "b>c,a@300x200"} << QStringList{"c", "a", "c", "a"}
            << QStringList{"a", "b", "c"};
        QTest::newRow("nothing wanted, nothing held")
            << QStringList{"b>c,a", "clear"} << QStringList{"c", "a"} << QStringList();
    }
    void theNeighboursAreDecodedAheadNearestFirst()
    {
        QFETCH(QStringList, steps);
        QFETCH(QStringList, asked);
        QFETCH(QStringList, held);
        Decodings decodings;
        PicturePreloader preloader(decodings.decode());
        QSize panel(100, 100);
        for (const QString &step : steps) {
            if (step == QLatin1String("clear")) {
                preloader.clear();
                continue;
            }
            if (step.startsWith(QLatin1String("keep "))) {
                preloader.keep(step.mid(5), panel, decoded(panel));
                continue;
            }
            const QStringList size = step.section(QLatin1Char('@'), 1).split(QLatin1Char('x'));
            if (size.size() == 2)
                panel = QSize(size[0].toInt(), size[1].toInt());
            const QString shown = step.section(QLatin1Char('>'), 0, 0);
            const QStringList ahead =
                step.section(QLatin1Char('@'), 0, 0).section(QLatin1Char('>'), 1).split(QLatin1Char(','));
            preloader.follow(shown, ahead, panel);
            preloader.keep(shown, panel, decoded(panel));
            QTRY_VERIFY(std::all_of(ahead.begin(), ahead.end(), [&preloader, &panel](const QString &path) {
                return preloader.ready(path, panel).has_value();
            }));
        }
        QCOMPARE(decodings.asked(), asked);
        QCOMPARE(sorted(preloader.held()), held);
    }

    void aDecodingNoLongerWantedIsCancelled()
    {
        Decodings decodings;
        PicturePreloader preloader(decodings.decode());
        QSignalSpy decodedAhead(&preloader, &PicturePreloader::decoded);
        const QSize panel(100, 100);
        decodings.holdBack(QStringLiteral("c"));
        preloader.follow(QStringLiteral("b"), {QStringLiteral("c"), QStringLiteral("a")}, panel);
        preloader.keep(QStringLiteral("b"), panel, decoded(panel));
        QVERIFY(decodings.heldBack());
        // The list moved on while c was being decoded and a waited.
        preloader.follow(QStringLiteral("x"), {QStringLiteral("y")}, panel);
        preloader.keep(QStringLiteral("x"), panel, decoded(panel));
        decodings.release();
        QTRY_COMPARE(sorted(preloader.held()), (QStringList{"x", "y"}));
        QCOMPARE(decodings.asked(), (QStringList{"c", "y"}));
        QCOMPARE(decodedAhead.size(), 1);
        QCOMPARE(decodedAhead.first().first().toString(), QStringLiteral("y"));
    }

    void aPictureDecodedAheadIsWaitedFor_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<bool>("otherPanel");
        QTest::addColumn<bool>("fromAhead");
        QTest::newRow("stepped to while decoded ahead") << "c" << false << true;
        // The loader reads it itself, and says why it cannot be read.
        QTest::newRow("one that cannot be read") << "broken c" << false << false;
        QTest::newRow("dropped ahead, as the panel changed") << "c" << true << false;
    }
    void aPictureDecodedAheadIsWaitedFor()
    {
        QFETCH(QString, path);
        QFETCH(bool, otherPanel);
        QFETCH(bool, fromAhead);
        Decodings decodings;
        PicturePreloader preloader(decodings.decode());
        PictureLoader loader;
        loader.setPreloader(&preloader);
        QSignalSpy loaded(&loader, &PictureLoader::loaded);
        const QSize panel(100, 100);
        decodings.holdBack(path);
        preloader.follow(QStringLiteral("b"), {path}, panel);
        preloader.keep(QStringLiteral("b"), panel, decoded(panel));
        QVERIFY(decodings.heldBack());
        // The step: the picture is asked for while it is decoded ahead.
        loader.load(path, panel);
        preloader.follow(path, {QStringLiteral("d")}, otherPanel ? QSize(50, 50) : panel);
        decodings.release();
        QVERIFY(loaded.wait(5000));
        const auto result = loaded.first().at(1).value<PictureDecoder::Result>();
        // The files are not on disk: a picture decoded by the loader itself is refused.
        QCOMPARE(result.problem.isEmpty(), fromAhead);
        QCOMPARE(decodings.asked().count(path), 1);
        QTest::qWait(50);
        QCOMPARE(loaded.size(), 1);
    }

    // Copy jobs hold a shared thread for as long as they copy.
    void aPictureIsDecodedWhileJobsHoldEverySharedThread()
    {
        QThreadPool *shared = QThreadPool::globalInstance();
        const int threads = shared->maxThreadCount();
        QSemaphore jobsEnd;
        for (int i = 0; i < threads; ++i)
            shared->start([&jobsEnd] { jobsEnd.acquire(); });
        const auto endJobs = qScopeGuard([&] {
            jobsEnd.release(threads);
            shared->waitForDone();
        });
        QTemporaryDir dir;
        const QString path = savedPicture(dir, QStringLiteral("a.png"), QSize(40, 30));
        PictureLoader loader;
        QSignalSpy loaded(&loader, &PictureLoader::loaded);
        loader.load(path, QSize(20, 20));
        QVERIFY(loaded.wait(5000));
        QCOMPARE(loaded.first().first().toString(), path);
    }

    // The notice that a decoding is over waits behind the window's own events, such as its first
    // drawing: a picture decoded by the time the window is drawn is drawn with it.
    void aPictureDecodedBeforeTheWindowIsDrawnIsDrawnWithIt_data()
    {
        QTest::addColumn<bool>("askedAgain");
        QTest::newRow("the picture asked for") << false;
        // The first picture's decoding may be under way or over: it is not drawn.
        QTest::newRow("a picture chosen after it") << true;
    }
    void aPictureDecodedBeforeTheWindowIsDrawnIsDrawnWithIt()
    {
        QFETCH(bool, askedAgain);
        QTemporaryDir dir;
        const QString first = savedPicture(dir, QStringLiteral("a.png"), QSize(40, 30));
        const QString second = savedPicture(dir, QStringLiteral("b.png"), QSize(30, 40));
        QWidget window;
        window.resize(200, 200);
        auto *panel = new PicturePanel(&window);
        panel->resize(100, 100);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QSignalSpy shown(panel, &PicturePanel::shown);
        panel->showPicture(first);
        if (askedAgain) {
            QThread::msleep(50);
            panel->showPicture(second);
        }
        // No event is taken from the queue: only the window's drawing, sent to it here, delivers.
        QDeadlineTimer deadline(5000);
        while (shown.isEmpty() && !deadline.hasExpired()) {
            QThread::msleep(5);
            QEvent draw(QEvent::UpdateRequest);
            QCoreApplication::sendEvent(window.windowHandle(), &draw);
        }
        QCOMPARE(shown.size(), 1);
        QCOMPARE(shown.first().first().toString(), askedAgain ? second : first);
        QVERIFY(!panel->showsError());
        QCOMPARE(panel->pictureArea().size(), askedAgain ? QSize(30, 40) : QSize(40, 30));
        // The notices posted for the decodings deliver nothing more.
        QTest::qWait(50);
        QCOMPARE(shown.size(), 1);
    }

    void theViewerShowsALargePictureFittedAndZoomed()
    {
        Calls made;
        const QString path = savedPicture(m_dir, QStringLiteral("wide.jpg"), QSize(3000, 200));
        PictureViewer viewer(hooksRecording(made), true);
        viewer.show();
        viewer.showPicture(path);
        // Fitted whole, and decoded no larger than shown.
        const QRect fitted = PictureFit::fit(QSize(3000, 200), viewer.size());
        QTRY_COMPARE(viewer.pictureArea(), fitted);
        QCOMPARE(viewer.decodedSize(), fitted.size());
        const auto banner = [](int percent) {
            return QStringLiteral("holiday.jpg\nSize : 2.0 MB\n2 / 3    3000 x 200\nZoom : %1 %")
                .arg(percent);
        };
        QCOMPARE(viewer.bannerText(), banner(qRound(fitted.width() / 30.0)));
        // The wheel zooms about the pointer: the point of the picture under it stays there.
        const QPointF pointer(fitted.left() + fitted.width() / 4.0, fitted.center().y());
        QWheelEvent wheel(pointer, viewer.mapToGlobal(pointer), QPoint(), QPoint(0, 120), Qt::NoButton,
                          Qt::ControlModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(&viewer, &wheel);
        const QRect zoomed = viewer.pictureArea();
        QVERIFY(qAbs(zoomed.width() - fitted.width() * 1.25) <= 1);
        QVERIFY(qAbs(pointer.x() - zoomed.left() - zoomed.width() / 4.0) <= 1);
        QCOMPARE(viewer.bannerText(), banner(qRound(zoomed.width() / 30.0)));
        // The natural size needs the picture decoded at its own size.
        QTest::keyClick(&viewer, Qt::Key_1);
        QCOMPARE(viewer.pictureArea().size(), QSize(3000, 200));
        QTRY_COMPARE(viewer.decodedSize(), QSize(3000, 200));
        QCOMPARE(viewer.bannerText(), QStringLiteral("holiday.jpg\nSize : 2.0 MB\n2 / 3    3000 x 200"));
        QTest::keyClick(&viewer, Qt::Key_0);
        QCOMPARE(viewer.pictureArea(), fitted);
    }

    void theViewerKeys_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<QStringList>("calls");
        QTest::addColumn<bool>("open");
        QTest::newRow("Esc") << int(Qt::Key_Escape) << 0 << QStringList{"stop advance"} << false;
        QTest::newRow("Enter") << int(Qt::Key_Return) << 0 << QStringList{"stop advance"} << false;
        QTest::newRow("Shift+Esc stays open")
            << int(Qt::Key_Escape) << int(Qt::ShiftModifier) << QStringList() << true;
        QTest::newRow("Space") << int(Qt::Key_Space) << 0 << QStringList{"add"} << true;
        QTest::newRow("Shift+Space") << int(Qt::Key_Space) << int(Qt::ShiftModifier) << QStringList{"remove"}
                                     << true;
        QTest::newRow("F2") << int(Qt::Key_F2) << 0 << QStringList{"toggle advance"} << true;
        QTest::newRow("Page Down") << int(Qt::Key_PageDown) << 0 << QStringList{"next"} << true;
        QTest::newRow("Page Up") << int(Qt::Key_PageUp) << 0 << QStringList{"previous"} << true;
        QTest::newRow("Delete") << int(Qt::Key_Delete) << 0 << QStringList{"delete"} << true;
        QTest::newRow("Home") << int(Qt::Key_Home) << 0 << QStringList{"first"} << true;
        QTest::newRow("End") << int(Qt::Key_End) << 0 << QStringList{"last"} << true;
    }
    void theViewerKeys()
    {
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QFETCH(QStringList, calls);
        QFETCH(bool, open);
        Calls made;
        PictureViewer viewer(hooksRecording(made), false);
        viewer.show();
        QTest::keyClick(&viewer, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
        QCOMPARE(made.made, calls);
        QCOMPARE(viewer.isVisible(), open);
    }

    void theViewerShowsTheBannerAndTheMark()
    {
        Calls made;
        const QString path = savedPicture(m_dir, QStringLiteral("big.png"), QSize(3000, 200));
        PictureViewer viewer(hooksRecording(made), false);
        viewer.resize(1000, 800);
        viewer.show();
        viewer.showPicture(path);
        // The banner: the name, the information on one line below it, then the place among the
        // pictures, and the size once the picture has been read.
        QVERIFY(viewer.bannerShown());
        QCOMPARE(viewer.bannerText(), QStringLiteral("holiday.jpg\nSize : 2.0 MB\n2 / 3"));
        QTRY_COMPARE(viewer.bannerText(), QStringLiteral("holiday.jpg\nSize : 2.0 MB\n2 / 3    3000 x 200"));
        QVERIFY(!viewer.markShown());
        QTest::keyClick(&viewer, Qt::Key_Space);
        QVERIFY(viewer.markShown());
        // Larger than the window, the picture overflows on both sides; dragging moves it.
        QTRY_COMPARE(viewer.pictureOrigin(), QPoint(viewer.width() / 2 - 1500, viewer.height() / 2 - 100));
        const QPoint start = viewer.pictureOrigin();
        const QPoint grip(viewer.width() / 2, viewer.height() / 2);
        QTest::mousePress(&viewer, Qt::LeftButton, {}, grip);
        QMouseEvent move(QEvent::MouseMove, QPointF(grip + QPoint(40, 10)), QPointF(grip + QPoint(40, 10)),
                         Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&viewer, &move);
        QTest::mouseRelease(&viewer, Qt::LeftButton, {}, grip + QPoint(40, 10));
        QCOMPARE(viewer.pictureOrigin(), start + QPoint(40, 10));
        // A right click anywhere closes it.
        QTest::mouseClick(&viewer, Qt::RightButton, {}, QPoint(2, 2));
        QVERIFY(!viewer.isVisible());
    }
};

QObject *createViewerTest()
{
    return new TestViewer;
}

#include "tst_viewer.moc"
