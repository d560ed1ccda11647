// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/Rounding.h"
#include "support/ScriptedPrompter.h"
#include "support/TestFiles.h"
#include "widgets/EtchedLine.h"
#include "widgets/FirstPaint.h"
#include "widgets/FlatButton.h"
#include "widgets/RowTextDelegate.h"
#include "widgets/ScrollingText.h"
#include "widgets/ScrollingTextLayout.h"
#include "widgets/Slider.h"
#include "widgets/SplitterPane.h"
#include "widgets/TextProgressBar.h"

#include <QAction>
#include <QElapsedTimer>
#include <QListWidget>
#include <QMouseEvent>
#include <QProxyStyle>
#include <QPushButton>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QStyleFactory>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>
#include <memory>

namespace {

void sendMouse(QWidget *widget, QEvent::Type type, const QPoint &position, Qt::MouseButton button,
               Qt::MouseButtons buttons)
{
    QMouseEvent event(type, position, widget->mapToGlobal(position), button, buttons, Qt::NoModifier);
    QCoreApplication::sendEvent(widget, &event);
}

// Every event of a slider, in the order raised.
struct SliderLog
{
    explicit SliderLog(Slider &slider)
    {
        QObject::connect(&slider, &Slider::valueScrolled,
                         [this](int v) { events.append(QStringLiteral("Scroll %1").arg(v)); });
        QObject::connect(&slider, &Slider::valueSettled,
                         [this](int v) { events.append(QStringLiteral("AfterScroll %1").arg(v)); });
        QObject::connect(&slider, &Slider::mousePressed,
                         [this](int b) { events.append(QStringLiteral("MouseDown %1").arg(b)); });
        QObject::connect(&slider, &Slider::mouseReleased,
                         [this](int b) { events.append(QStringLiteral("MouseUp %1").arg(b)); });
    }
    QStringList events;
};

// A window that counts its paints.
class PaintCounter : public QWidget
{
public:
    int paints = 0;

protected:
    void paintEvent(QPaintEvent *) override { ++paints; }
};

// A style that counts the rows it is given to draw with their text.
class RowTextCounter : public QProxyStyle
{
public:
    using QProxyStyle::QProxyStyle;
    void drawControl(ControlElement element, const QStyleOption *option, QPainter *painter,
                     const QWidget *widget) const override
    {
        if (const auto *row = qstyleoption_cast<const QStyleOptionViewItem *>(option);
            element == CE_ItemViewItem && row && !row->text.isEmpty())
            ++rowsWithText;
        QProxyStyle::drawControl(element, option, painter, widget);
    }
    mutable int rowsWithText = 0;
};

// A list or a tree of three rows in the given style, the first current and selected, the second on a
// coloured background, the last without an icon.
QAbstractItemView *rowsToDraw(bool tree, const QString &text, QStyle *style)
{
    QAbstractItemView *view = nullptr;
    const QStringList texts{text, QStringLiteral("second row"), QStringLiteral("third")};
    QPixmap icon(16, 16);
    icon.fill(Qt::darkCyan);
    if (tree) {
        auto *folders = new QTreeWidget;
        folders->setHeaderHidden(true);
        for (const QString &line : texts)
            new QTreeWidgetItem(folders, {line});
        folders->topLevelItem(0)->setIcon(0, icon);
        folders->topLevelItem(1)->setIcon(0, icon);
        folders->topLevelItem(1)->setBackground(0, Qt::yellow);
        view = folders;
    } else {
        auto *files = new QListWidget;
        files->addItems(texts);
        files->item(0)->setIcon(icon);
        files->item(1)->setIcon(icon);
        files->item(1)->setBackground(Qt::yellow);
        view = files;
    }
    view->setStyle(style);
    view->resize(180, 90);
    view->setCurrentIndex(view->model()->index(0, 0));
    return view;
}

} // namespace

class TestWidgets : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    // Work that waits for a window's first paint waits for it even when an update request comes
    // before the window is on screen, as one does while a window manager has yet to show it.
    void workAfterTheFirstPaintWaitsForThePaint()
    {
        PaintCounter window;
        int paintsBeforeWork = -1;
        FirstPaint::then(window, [&] { paintsBeforeWork = window.paints; });
        QEvent early(QEvent::UpdateRequest);
        QCoreApplication::sendEvent(&window, &early);
        QCoreApplication::processEvents();
        QCOMPARE(paintsBeforeWork, -1);
        window.show();
        QTRY_VERIFY(paintsBeforeWork >= 1);
    }

    void rowsLookAsTheStyleDrawsThem_data()
    {
        QTest::addColumn<QString>("styleName");
        QTest::addColumn<bool>("tree");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("elideMode");
        QTest::addColumn<bool>("rightToLeft");
        QTest::addColumn<bool>("enabled");
        const QString longText = QStringLiteral("a name far too long for the row it is shown in.mp3");
        for (const char *style : {"fusion", "windows"}) {
            for (const bool tree : {false, true}) {
                const QByteArray view = QByteArray(style) + (tree ? " tree" : " list");
                QTest::newRow(view + ", fits")
                    << style << tree << "song.mp3" << int(Qt::ElideRight) << false << true;
                QTest::newRow(view + ", shortened at the end")
                    << style << tree << longText << int(Qt::ElideRight) << false << true;
                QTest::newRow(view + ", shortened in the middle")
                    << style << tree << longText << int(Qt::ElideMiddle) << false << true;
                QTest::newRow(view + ", right to left")
                    << style << tree << QStringLiteral("שיר.mp3") << int(Qt::ElideRight) << true << true;
                QTest::newRow(view + ", disabled")
                    << style << tree << "song.mp3" << int(Qt::ElideRight) << false << false;
            }
        }
    }

    // Rows drawn with their text laid out once look as the style draws them, pixel for pixel, and
    // the style is never given their text to lay out.
    void rowsLookAsTheStyleDrawsThem()
    {
        QFETCH(QString, styleName);
        QFETCH(bool, tree);
        QFETCH(QString, text);
        QFETCH(int, elideMode);
        QFETCH(bool, rightToLeft);
        QFETCH(bool, enabled);
        const auto draw = [&](QAbstractItemDelegate *delegate, RowTextCounter *style) {
            std::unique_ptr<QAbstractItemView> view(rowsToDraw(tree, text, style));
            delegate->setParent(view.get());
            view->setItemDelegate(delegate);
            view->setTextElideMode(Qt::TextElideMode(elideMode));
            view->setLayoutDirection(rightToLeft ? Qt::RightToLeft : Qt::LeftToRight);
            view->setEnabled(enabled);
            view->show();
            view->activateWindow();
            view->setFocus();
            if (!QTest::qWaitForWindowActive(view.get()))
                qWarning("the rows' window did not become active");
            return view->grab().toImage();
        };
        RowTextCounter styleDrawing(QStyleFactory::create(styleName));
        const QImage expected = draw(new QStyledItemDelegate, &styleDrawing);
        RowTextCounter textDrawnOnce(QStyleFactory::create(styleName));
        const QImage drawn = draw(new RowTextDelegate, &textDrawnOnce);
        QVERIFY(styleDrawing.rowsWithText >= 3);
        QCOMPARE(textDrawnOnce.rowsWithText, 0);
        QCOMPARE(drawn, expected);
    }

    void roundsHalvesToEven_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<int>("rounded");
        QTest::newRow("0.5") << 0.5 << 0;
        QTest::newRow("1.5") << 1.5 << 2;
        QTest::newRow("2.5") << 2.5 << 2;
        QTest::newRow("-0.5") << -0.5 << 0;
        QTest::newRow("-1.5") << -1.5 << -2;
        QTest::newRow("2.4999") << 2.4999 << 2;
        QTest::newRow("huge") << 1e12 << std::numeric_limits<int>::max();
    }
    void roundsHalvesToEven()
    {
        QFETCH(double, value);
        QFETCH(int, rounded);
        QCOMPARE(Rounding::halfEven(value), rounded);
    }

    void sliderValueFromKnob_data()
    {
        QTest::addColumn<int>("min");
        QTest::addColumn<int>("max");
        QTest::addColumn<double>("track");
        QTest::addColumn<double>("knob");
        QTest::addColumn<int>("value");
        QTest::newRow("middle") << 0 << 200 << 100.0 << 50.0 << 100;
        QTest::newRow("quarter") << 0 << 200 << 100.0 << 25.0 << 50;
        QTest::newRow("far end from 50") << 50 << 150 << 80.0 << 80.0 << 150;
        QTest::newRow("half rounds to even") << 0 << 3 << 2.0 << 1.0 << 2;
        QTest::newRow("start") << 1 << 200 << 109.0 << 0.0 << 1;
    }
    void sliderValueFromKnob()
    {
        QFETCH(int, min);
        QFETCH(int, max);
        QFETCH(double, track);
        QFETCH(double, knob);
        QFETCH(int, value);
        QCOMPARE(SliderRange::valueFromKnob(knob, min, max, track), value);
        QCOMPARE(
            SliderRange::valueFromKnob(SliderRange::knobPosition(value, min, max, track), min, max, track),
            value);
    }

    void sliderCorrectsOutOfRangeSettings_data()
    {
        QTest::addColumn<QString>("property");
        QTest::addColumn<int>("setTo");
        QTest::addColumn<int>("stored");
        QTest::addColumn<QString>("error");
        QTest::newRow("max 32767") << "Max" << 32767 << 32766 << "ERROR! Can't set MAX above 32766";
        QTest::newRow("max below min") << "Max" << 10 << 21 << "ERROR! Cannot set MAX below (MIN + 1)";
        QTest::newRow("negative min")
            << "Min" << -1 << 0 << "ERROR! Cannot set min value to negative ! (below 0 )";
        QTest::newRow("min above max") << "Min" << 500 << 199 << "ERROR! Cannot set MIN above (MAX - 1)";
        QTest::newRow("value above max") << "Value" << 300 << 200 << "Value cannot be set bigger than Max !";
        QTest::newRow("value below min") << "Value" << 3 << 20 << "Value cannot be set smaller than Min !";
        QTest::newRow("value in range") << "Value" << 150 << 150 << "";
    }
    void sliderCorrectsOutOfRangeSettings()
    {
        QFETCH(QString, property);
        QFETCH(int, setTo);
        QFETCH(int, stored);
        QFETCH(QString, error);
        Slider slider;
        slider.setMaximum(200);
        slider.setMinimum(20);
        QSignalSpy errors(&slider, &Slider::rangeError);
        if (property == QLatin1String("Max")) {
            slider.setMaximum(setTo);
            QCOMPARE(slider.maximum(), stored);
        } else if (property == QLatin1String("Min")) {
            slider.setMinimum(setTo);
            QCOMPARE(slider.minimum(), stored);
        } else {
            slider.setValue(setTo);
            QCOMPARE(slider.value(), stored);
        }
        QCOMPARE(errors.count(), error.isEmpty() ? 0 : 1);
        if (!error.isEmpty())
            QCOMPARE(errors.first().first().toString(), error);
    }

    void sliderDragAndTrackPress()
    {
        Slider slider;
        slider.setMaximum(200);
        slider.resize(111, 21);
        QCOMPARE(slider.height(), 21);
        QCOMPARE(slider.trackLength(), 100.0);
        slider.setValue(100);
        QCOMPARE(slider.knobRect().left(), 50);
        SliderLog log(slider);

        // Drag the knob 25 pixels to the left; a value set meanwhile does not move it.
        const QPoint grab = slider.knobRect().center();
        sendMouse(&slider, QEvent::MouseButtonPress, grab, Qt::LeftButton, Qt::LeftButton);
        sendMouse(&slider, QEvent::MouseMove, grab - QPoint(25, 0), Qt::NoButton, Qt::LeftButton);
        QCOMPARE(slider.value(), 50);
        slider.setValue(180);
        QCOMPARE(slider.value(), 180);
        QCOMPARE(slider.knobRect().left(), 25);
        sendMouse(&slider, QEvent::MouseMove, grab - QPoint(500, 0), Qt::NoButton, Qt::LeftButton);
        QCOMPARE(slider.knobRect().left(), 0);
        QCOMPARE(slider.value(), 0);
        sendMouse(&slider, QEvent::MouseButtonRelease, grab - QPoint(500, 0), Qt::LeftButton, Qt::NoButton);
        QCOMPARE(log.events,
                 QStringList({"MouseDown 1", "Scroll 50", "Scroll 0", "AfterScroll 0", "MouseUp 1"}));

        // A press on the track centres the knob on the pointer.
        log.events.clear();
        sendMouse(&slider, QEvent::MouseButtonPress, QPoint(81, 10), Qt::LeftButton, Qt::LeftButton);
        QCOMPARE(slider.knobRect().left(), 76);
        QCOMPARE(slider.value(), 151);
        sendMouse(&slider, QEvent::MouseButtonRelease, QPoint(81, 10), Qt::LeftButton, Qt::NoButton);
        QCOMPARE(log.events, QStringList({"Scroll 151", "MouseDown 1", "AfterScroll 151", "MouseUp 1"}));
    }

    void sliderRightClickRaisesAfterScrollTwice()
    {
        Slider slider;
        slider.setMaximum(200);
        slider.resize(111, 21);
        slider.setValue(100);
        slider.setMenuEnabled(false);
        SliderLog log(slider);
        sendMouse(&slider, QEvent::MouseButtonPress, QPoint(5, 10), Qt::RightButton, Qt::RightButton);
        sendMouse(&slider, QEvent::MouseButtonRelease, QPoint(5, 10), Qt::RightButton, Qt::NoButton);
        QCOMPARE(log.events, QStringList({"Scroll 100", "AfterScroll 100", "AfterScroll 100", "MouseUp 2",
                                          "MouseDown 2"}));
    }

    void sliderSetMenu_data()
    {
        QTest::addColumn<QString>("item");
        QTest::addColumn<int>("value");
        QTest::newRow("min") << "settomin" << 1;
        QTest::newRow("middle rounds half to even") << "settomid" << 100;
        QTest::newRow("max") << "settomax" << 200;
    }
    void sliderSetMenu()
    {
        QFETCH(QString, item);
        QFETCH(int, value);
        Slider slider;
        slider.setMaximum(200);
        slider.setMinimum(1);
        slider.setMenuCaptions(QStringLiteral("1%"), QStringLiteral("100%"), QStringLiteral("200%"));
        auto *action = slider.findChild<QAction *>(item);
        QVERIFY(action);
        QVERIFY(action->text().endsWith(QLatin1Char('%')));
        action->trigger();
        QCOMPARE(slider.value(), value);
    }

    void sliderKeypadStepsHalfAKnobAndOne()
    {
        Slider slider;
        slider.setMaximum(200);
        slider.resize(111, 21);
        slider.setValue(100);
        // Each press moves the knob by half its length (5.5) and one.
        QTest::keyClick(&slider, Qt::Key_Plus, Qt::KeypadModifier);
        QCOMPARE(slider.value(), 113);
        QTest::keyClick(&slider, Qt::Key_Minus, Qt::KeypadModifier);
        QTest::keyClick(&slider, Qt::Key_Minus, Qt::KeypadModifier);
        QCOMPARE(slider.value(), 87);
        QTest::keyClick(&slider, Qt::Key_Plus);
        QCOMPARE(slider.value(), 87);
    }

    void sliderVerticalUsesTheOtherKnob()
    {
        Slider slider;
        slider.setDirection(Slider::Vertical);
        slider.setMinimum(50);
        slider.setMaximum(150);
        slider.resize(40, 91);
        QCOMPARE(slider.width(), 21);
        QCOMPARE(Slider::builtInKnob(Slider::Vertical, 1).size(), QSize(21, 11));
        QCOMPARE(Slider::builtInKnob(Slider::Horizontal, 2).size(), QSize(22, 42));
        sendMouse(&slider, QEvent::MouseButtonPress, QPoint(10, 90), Qt::LeftButton, Qt::LeftButton);
        QCOMPARE(slider.value(), 150);
    }

    void splitterGeometry()
    {
        SplitterGeometry geometry;
        geometry.width = 400;
        geometry.height = 100;
        QCOMPARE(geometry.lowestLeft(), 18.0);
        QCOMPARE(geometry.highestLeft(), 378.0);
        QCOMPARE(geometry.clampDrag(3), 18.0);
        QCOMPARE(geometry.clampDrag(390), 378.0);
        QCOMPARE(geometry.percentAt(198), 50);
        QCOMPARE(geometry.clampPercent(100), 99);
        QCOMPARE(geometry.clampPercent(2), 5);
        QCOMPARE(geometry.barLeftForPercent(50), 198.0);
        const SplitterGeometry::Panes panes = geometry.panes(198);
        QCOMPARE(panes.leftWidth, 2970);
        QCOMPARE(panes.rightPos, 3030);
        QCOMPARE(panes.rightWidth, 2970);
        QCOMPARE(panes.bottomPos, 1500);
        QCOMPARE(geometry.scaleWidth(), 5940);
    }

    // A right pane of controls keeps its width while the window leaves room for the left pane's
    // minimum, both where a percentage places the bar and where a drag may take it.
    void splitterKeepsTheRightPanesMinimum_data()
    {
        QTest::addColumn<double>("width");
        QTest::addColumn<int>("percent");
        QTest::addColumn<double>("placed");
        QTest::addColumn<double>("highest");
        QTest::newRow("room enough") << 400.0 << 50 << 198.0 << 246.0;
        QTest::newRow("percentage over the minimum") << 400.0 << 90 << 246.0 << 246.0;
        QTest::newRow("too narrow for both") << 140.0 << 90 << 5.0 << 5.0;
    }
    void splitterKeepsTheRightPanesMinimum()
    {
        QFETCH(double, width);
        QFETCH(int, percent);
        QFETCH(double, placed);
        QFETCH(double, highest);
        SplitterGeometry geometry;
        geometry.width = width;
        geometry.rightMinimum = 150;
        QCOMPARE(geometry.barLeftForPercent(percent), placed);
        QCOMPARE(geometry.highestLeft(), highest);
        QCOMPARE(geometry.clampDrag(width), highest);
    }

    void splitterDragIsLimitedAndStoredOnRelease_data()
    {
        QTest::addColumn<bool>("flySize");
        QTest::newRow("live") << true;
        QTest::newRow("on release") << false;
    }
    void splitterDragIsLimitedAndStoredOnRelease()
    {
        QFETCH(bool, flySize);
        SplitterPane pane;
        pane.resize(400, 100);
        pane.show();
        pane.setLiveResize(flySize);
        QCOMPARE(pane.barLeft(), 198.0);
        QSignalSpy sizes(&pane, &SplitterPane::panesResized);
        QWidget *bar = pane.bar();
        sendMouse(bar, QEvent::MouseButtonPress, QPoint(2, 50), Qt::LeftButton, Qt::LeftButton);
        sendMouse(bar, QEvent::MouseMove, QPoint(-300, 50), Qt::NoButton, Qt::LeftButton);
        QCOMPARE(pane.barLeft(), 18.0);
        sendMouse(bar, QEvent::MouseMove, bar->mapFromParent(QPoint(395, 50)), Qt::NoButton, Qt::LeftButton);
        QCOMPARE(pane.barLeft(), 378.0);
        QCOMPARE(sizes.count(), flySize ? 2 : 0);
        // Back to 198 and let go.
        sendMouse(bar, QEvent::MouseMove, bar->mapFromParent(QPoint(200, 50)), Qt::NoButton, Qt::LeftButton);
        QCOMPARE(pane.barLeft(), 198.0);
        sendMouse(bar, QEvent::MouseButtonRelease, bar->mapFromParent(QPoint(200, 50)), Qt::LeftButton,
                  Qt::NoButton);
        QCOMPARE(pane.leftPercent(), 50);
        QCOMPARE(sizes.count(), flySize ? 4 : 1);
        QCOMPARE(sizes.last().at(1).toInt(), pane.leftWidth());
    }

    void splitterCorrectsItsProperties()
    {
        ScriptedPrompter prompter;
        SplitterPane pane;
        pane.setPrompter(&prompter);
        pane.resize(400, 100);
        pane.setLeftPercent(100);
        QCOMPARE(pane.leftPercent(), 99);
        pane.setLeftPercent(2);
        QCOMPARE(pane.leftPercent(), 5);
        pane.setBarWidth(0);
        QCOMPARE(pane.barWidth(), 1);
        pane.setBarWidth(101);
        QCOMPARE(pane.barWidth(), 100);
        pane.setMinSize(0);
        QCOMPARE(pane.minSize(), 1);
        pane.setMinSize(60);
        QCOMPARE(pane.minSize(), 50);
        QStringList texts;
        for (const auto &question : prompter.questions())
            texts.append(question.text);
        QCOMPARE(texts, QStringList({"Splitter width cannot be set smaller than 1 pixel !",
                                     "Splitter width cannot be set bigger than 100 Pixel !",
                                     "Minsize cannot be set below 1% !", "Minsize cannot be set above 50%"}));
        QCOMPARE(prompter.questions().first().icon, Prompter::Icon::Exclamation);
    }

    void buttonSizesItselfToItsContent_data()
    {
        QTest::addColumn<int>("align");
        QTest::addColumn<QSize>("picture");
        QTest::addColumn<QSize>("text");
        QTest::addColumn<QSize>("size");
        QTest::newRow("text only") << 0 << QSize() << QSize(40, 15) << QSize(46, 21);
        QTest::newRow("text right of picture") << 1 << QSize(16, 16) << QSize(40, 15) << QSize(66, 26);
        QTest::newRow("text below picture") << 2 << QSize(16, 16) << QSize(40, 15) << QSize(46, 41);
        QTest::newRow("picture over text") << 0 << QSize(16, 16) << QSize(10, 15) << QSize(26, 26);
        QTest::newRow("picture alone") << 1 << QSize(16, 16) << QSize() << QSize(26, 26);
    }
    void buttonSizesItselfToItsContent()
    {
        QFETCH(int, align);
        QFETCH(QSize, picture);
        QFETCH(QSize, text);
        QFETCH(QSize, size);
        FlatButtonLayout layout;
        layout.alignText = align;
        layout.picture = picture;
        layout.text = text;
        layout.borderSize = 1;
        layout.borderSpace = 2;
        layout.pictureToTextSpace = 4;
        QCOMPARE(layout.autoSize(), size);
    }

    void buttonHoverPressAndLeave()
    {
        FlatButton button;
        button.setText(QStringLiteral("LOAD"));
        button.setBorderSize(0);
        QCOMPARE(button.borderSize(), 1);
        QSignalSpy over(&button, &FlatButton::hoverEntered);
        QSignalSpy out(&button, &FlatButton::hoverLeft);
        QSignalSpy up(&button, &FlatButton::mouseReleased);
        QSignalSpy clicks(&button, &FlatButton::clicked);
        // Away from where the pointer rests, so that showing the button does not hover it.
        button.move(400, 400);
        button.show();
        QVERIFY(QTest::qWaitForWindowExposed(&button));

        sendMouse(&button, QEvent::MouseMove, QPoint(3, 3), Qt::NoButton, Qt::NoButton);
        QVERIFY(button.hovering() && button.borderShown() && !button.sunken());
        QCOMPARE(over.count(), 1);
        // Leaving fast: the first move reported is already far outside.
        sendMouse(&button, QEvent::MouseMove, QPoint(500, 500), Qt::NoButton, Qt::NoButton);
        QVERIFY(!button.hovering() && !button.borderShown());
        QCOMPARE(out.count(), 1);
        // Hovering never holds the mouse: a window opened meanwhile takes the next click.
        sendMouse(&button, QEvent::MouseMove, QPoint(3, 3), Qt::NoButton, Qt::NoButton);
        QCOMPARE(QWidget::mouseGrabber(), nullptr);
        QPushButton dialog(QStringLiteral("OK"));
        QSignalSpy dialogClicks(&dialog, &QPushButton::clicked);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QTest::mouseClick(&dialog, Qt::LeftButton);
        QCOMPARE(dialogClicks.count(), 1);
        dialog.hide();
        sendMouse(&button, QEvent::MouseMove, QPoint(500, 500), Qt::NoButton, Qt::NoButton);

        // Press, drag out and let go outside: mouseReleased, no clicked, the normal look.
        sendMouse(&button, QEvent::MouseMove, QPoint(3, 3), Qt::NoButton, Qt::NoButton);
        sendMouse(&button, QEvent::MouseButtonPress, QPoint(3, 3), Qt::LeftButton, Qt::LeftButton);
        QVERIFY(button.sunken());
        sendMouse(&button, QEvent::MouseMove, QPoint(500, 500), Qt::NoButton, Qt::LeftButton);
        sendMouse(&button, QEvent::MouseButtonRelease, QPoint(500, 500), Qt::LeftButton, Qt::NoButton);
        QCOMPARE(up.count(), 1);
        QCOMPARE(clicks.count(), 0);
        QVERIFY(!button.hovering() && !button.borderShown() && !button.sunken());

        // A click inside.
        sendMouse(&button, QEvent::MouseMove, QPoint(3, 3), Qt::NoButton, Qt::NoButton);
        sendMouse(&button, QEvent::MouseButtonPress, QPoint(3, 3), Qt::LeftButton, Qt::LeftButton);
        sendMouse(&button, QEvent::MouseButtonRelease, QPoint(3, 3), Qt::LeftButton, Qt::NoButton);
        QCOMPARE(clicks.count(), 1);
        QVERIFY(button.hovering() && button.borderShown() && !button.sunken());
        // A right click is a command of its own.
        QSignalSpy rightClicks(&button, &FlatButton::rightClicked);
        sendMouse(&button, QEvent::MouseButtonPress, QPoint(3, 3), Qt::RightButton, Qt::RightButton);
        sendMouse(&button, QEvent::MouseButtonRelease, QPoint(3, 3), Qt::RightButton, Qt::NoButton);
        QCOMPARE(clicks.count(), 1);
        QCOMPARE(rightClicks.count(), 1);
        button.forceLeave();
        QVERIFY(!button.hovering());
    }

    void buttonDoubleClickIsOneClickThenADoubleClick()
    {
        FlatButton button;
        button.setText(QStringLiteral("UP"));
        button.show();
        QVERIFY(QTest::qWaitForWindowExposed(&button));
        QStringList events;
        connect(&button, &FlatButton::clicked, &button, [&] { events.append(QStringLiteral("click")); });
        connect(&button, &FlatButton::doubleClicked, &button,
                [&] { events.append(QStringLiteral("double")); });
        // A double click as the window system delivers it: press, release, press and double
        // click, release.
        const QPoint at(3, 3);
        sendMouse(&button, QEvent::MouseButtonPress, at, Qt::LeftButton, Qt::LeftButton);
        sendMouse(&button, QEvent::MouseButtonRelease, at, Qt::LeftButton, Qt::NoButton);
        sendMouse(&button, QEvent::MouseButtonPress, at, Qt::LeftButton, Qt::LeftButton);
        sendMouse(&button, QEvent::MouseButtonDblClick, at, Qt::LeftButton, Qt::LeftButton);
        sendMouse(&button, QEvent::MouseButtonRelease, at, Qt::LeftButton, Qt::NoButton);
        QCOMPARE(events, QStringList({"click", "double"}));
        QTest::mouseClick(&button, Qt::LeftButton, {}, QPoint(3, 3));
        QCOMPARE(events, QStringList({"click", "double", "click"}));

        // A click answered by a window the person then closed: the next press is paired with it
        // as a double click, yet it is a click of its own.
        events.clear();
        const QMetaObject::Connection window =
            connect(&button, &FlatButton::clicked, &button, [] { QTest::qWait(150); });
        sendMouse(&button, QEvent::MouseButtonPress, at, Qt::LeftButton, Qt::LeftButton);
        sendMouse(&button, QEvent::MouseButtonRelease, at, Qt::LeftButton, Qt::NoButton);
        disconnect(window);
        sendMouse(&button, QEvent::MouseButtonPress, at, Qt::LeftButton, Qt::LeftButton);
        sendMouse(&button, QEvent::MouseButtonDblClick, at, Qt::LeftButton, Qt::LeftButton);
        sendMouse(&button, QEvent::MouseButtonRelease, at, Qt::LeftButton, Qt::NoButton);
        QCOMPARE(events, QStringList({"click", "click"}));
    }

    void sliderKnobFollowsAValueClampedByItsRange_data()
    {
        QTest::addColumn<QString>("bound");
        QTest::newRow("maximum") << "maximum";
        QTest::newRow("minimum") << "minimum";
    }
    void sliderKnobFollowsAValueClampedByItsRange()
    {
        QFETCH(QString, bound);
        Slider slider;
        slider.resize(200, 21);
        slider.setMaximum(200);
        slider.setValue(bound == QLatin1String("maximum") ? 180 : 20);
        const QRect before = slider.knobRect();
        if (bound == QLatin1String("maximum"))
            slider.setMaximum(100);
        else
            slider.setMinimum(100);
        QCOMPARE(slider.value(), 100);
        QVERIFY(slider.knobRect() != before);
        // Where a slider given that range and value from the start has its knob.
        Slider fresh;
        fresh.resize(200, 21);
        fresh.setMaximum(slider.maximum());
        fresh.setMinimum(slider.minimum());
        fresh.setValue(100);
        QCOMPARE(slider.knobRect(), fresh.knobRect());
    }

    void buttonWithoutTextFitsItsPicture()
    {
        FlatButton button;
        QPixmap picture(16, 16);
        picture.fill(Qt::red);
        button.setPicture(picture);
        button.setText(QString());
        button.setTextPlacement(FlatButtonLayout::RightToPicture);
        QCOMPARE(button.size(), QSize(18, 18));
    }

    void scrollingTextLines_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("direction");
        QTest::addColumn<bool>("wrap");
        QTest::addColumn<QStringList>("lines");
        QTest::newRow("one line") << "no bars here" << 1 << false << QStringList{"no bars here"};
        QTest::newRow("three lines") << "a|b|c" << 0 << false << QStringList{"a", "b", "c"};
        QTest::newRow("marquee") << "a|b" << 2 << false << QStringList{"a    b"};
        QTest::newRow("wrapped") << "aaa bbb ccc|d" << 1 << true << QStringList{"aaa bbb", "ccc", "d"};
        QTest::newRow("long word kept") << "abcdefghij k" << 1 << true << QStringList{"abcdefghij", "k"};
    }
    void scrollingTextLines()
    {
        QFETCH(QString, text);
        QFETCH(int, direction);
        QFETCH(bool, wrap);
        QFETCH(QStringList, lines);
        // Every character 1 pixel wide, lines at most 7 wide.
        QCOMPARE(ScrollingTextLayout::buildLines(text, direction, wrap, 7,
                                                 [](const QString &s) { return int(s.size()); }),
                 lines);
    }

    void scrollingTextPlacement()
    {
        QCOMPARE(ScrollingTextLayout::lineX(0, 200, 50, 1), 2);
        QCOMPARE(ScrollingTextLayout::lineX(1, 200, 50, 1), 66);
        QCOMPARE(ScrollingTextLayout::lineX(2, 200, 50, 1), 148);
        QList<int> intervals;
        for (std::optional<int> interval = 10; interval; interval = ScrollingTextLayout::slowDown(*interval))
            intervals.append(*interval);
        QCOMPARE(intervals, QList<int>({10, 25, 40, 55, 70}));
    }

    void scrollingTextRepeatsAndStops()
    {
        ScrollingText text;
        text.setText(QStringLiteral("x"));
        text.resize(40, 10);
        text.setScrollInterval(1);
        text.setRepeatCount(2);
        text.show();
        QSignalSpy finished(&text, &ScrollingText::passFinished);
        const int start = text.offset();
        QVERIFY(text.startScrolling());
        QTRY_COMPARE_WITH_TIMEOUT(finished.count(), 2, 5000);
        QVERIFY(!text.isScrolling());
        QCOMPARE(text.offset(), start);
        QTest::qWait(30);
        QCOMPARE(finished.count(), 2);

        text.setRepeatCount(0);
        text.startScrolling();
        QTRY_VERIFY_WITH_TIMEOUT(finished.count() >= 5, 5000);
        QVERIFY(text.isScrolling());
        text.stopScrolling();
        QVERIFY(!text.isScrolling());
    }

    void scrollingTextPauseSlowsDownThenStops()
    {
        ScrollingText text;
        text.resize(100, 40);
        text.setScrollInterval(10);
        text.startScrolling();
        QElapsedTimer clock;
        clock.start();
        text.pause();
        QVERIFY(text.isPaused());
        QTRY_VERIFY_WITH_TIMEOUT(!text.isScrolling(), 3000);
        // Slowed down step by step for the eye to follow, not stopped at once.
        QVERIFY(clock.elapsed() >= 3 * ScrollingText::SlowDownStepMs);
        QCOMPARE(text.currentInterval(), 70);
        text.pause();
        QVERIFY(text.isScrolling());
        QCOMPARE(text.currentInterval(), 10);
    }

    void scrollingTextFromAFile()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("credits.txt"));
        writeBytes(path, "Kestrove\r\nmade by us\r\nthanks");
        ScrollingText text;
        QVERIFY(text.loadFromFile(path));
        QCOMPARE(text.text(), QStringLiteral("Kestrove|made by us|thanks"));
        QVERIFY(!text.loadFromFile(dir.filePath(QStringLiteral("none.txt"))));
        QCOMPARE(ScrollingTextLayout::fromFileContent("a\r\nb\n"), QStringLiteral("a|b|"));
        QCOMPARE(ScrollingText::errorReport(53, QStringLiteral("Credits.LoadFromFile"), 0,
                                            QStringLiteral("kestrove"), 1, 2, 3),
                 QStringLiteral("Error 53 in Credits.LoadFromFile\nwhile running kestrove v1.02 (Build 3)\n\n"
                                "Error = '53'"));
    }

    void lineTakesItsShapeFromTheControl()
    {
        EtchedLine square;
        square.resize(20, 20);
        square.show();
        QVERIFY(square.vertical());
        QCOMPARE(square.width(), 2);
        EtchedLine wide;
        wide.resize(300, 40);
        wide.show();
        QVERIFY(!wide.vertical());
        QCOMPARE(wide.height(), 2);
        wide.resize(500, 2);
        QCOMPARE(wide.height(), 2);
        // Squeezed to nothing and widened again, it is still a horizontal line.
        wide.resize(1, 2);
        wide.resize(300, 2);
        QVERIFY(!wide.vertical());
        QCOMPARE(wide.width(), 300);
    }

    void progressBarText()
    {
        QCOMPARE(TextProgressBar::barText(40, QString()), QStringLiteral("40%"));
        QCOMPARE(TextProgressBar::barText(7, QStringLiteral("Copying")), QStringLiteral("Copying 7%"));
        QCOMPARE(TextProgressBar::fillWidth(200, 50), 100);
        QCOMPARE(TextProgressBar::fillWidth(200, 150), 200);
        TextProgressBar bar;
        bar.setProgress(120, QStringLiteral("x"));
        QCOMPARE(bar.percent(), 100);
    }
};

QTEST_MAIN(TestWidgets)
#include "tst_widgets.moc"
