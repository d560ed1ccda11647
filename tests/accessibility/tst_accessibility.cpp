// SPDX-License-Identifier: GPL-3.0-or-later
#include "browse/EntryListModel.h"
#include "browse/EntryListView.h"
#include "mainwindow/AccessibleTitleStrip.h"
#include "mainwindow/TitleStrip.h"
#include "playback/AccessibleLevelMeter.h"
#include "playback/LevelMeterPicture.h"
#include "playback/TransportBar.h"
#include "widgets/AccessibleWidgets.h"
#include "widgets/ContextMenuKeys.h"
#include "widgets/EtchedLine.h"
#include "widgets/FlatButton.h"
#include "widgets/ReadableColour.h"
#include "widgets/ScrollingText.h"
#include "widgets/Slider.h"
#include "widgets/SplitterPane.h"
#include "widgets/TextProgressBar.h"

#include <QAccessible>
#include <QSignalSpy>
#include <QTest>

namespace {

// The program's controls by a short name, made inside host.
QWidget *make(const QString &kind, QWidget *host)
{
    if (kind.endsWith(QLatin1String("slider"))) {
        auto *slider = new Slider(host);
        slider->resize(200, slider->height());
        slider->setMaximum(100);
        slider->setEnabled(kind != QLatin1String("disabled slider"));
        if (kind == QLatin1String("slider"))
            slider->setAccessibleName(QStringLiteral("Position"));
        else
            slider->setCaption(QStringLiteral("Volume"));
        return slider;
    }
    if (kind == QLatin1String("button") || kind == QLatin1String("toggling button") ||
        kind == QLatin1String("disabled button")) {
        auto *button = new FlatButton(host);
        button->setText(QString());
        button->setToolTip(QStringLiteral("Stop"));
        button->setCheckable(kind == QLatin1String("toggling button"));
        button->setEnabled(kind != QLatin1String("disabled button"));
        return button;
    }
    if (kind == QLatin1String("mute"))
        return (new TransportBar(host))->findChild<FlatButton *>(QStringLiteral("muteButton"));
    if (kind == QLatin1String("splitter")) {
        auto *pane = new SplitterPane(host);
        pane->resize(400, 100);
        pane->setAccessibleName(QStringLiteral("Files and playlist"));
        return pane;
    }
    if (kind == QLatin1String("scrolling text")) {
        auto *text = new ScrollingText(host);
        text->setText(QStringLiteral("first line\nsecond line"));
        return text;
    }
    if (kind == QLatin1String("progress bar")) {
        auto *bar = new TextProgressBar(host);
        bar->setProgress(0, QStringLiteral("song.mp3"));
        return bar;
    }
    if (kind == QLatin1String("line"))
        return new EtchedLine(host);
    if (kind == QLatin1String("title strip"))
        return new TitleStrip(2, QStringLiteral("PLAYLIST"), host);
    if (kind == QLatin1String("level meter"))
        return new LevelMeterPicture(host);
    return nullptr;
}

// A dark theme as desktops give it: light text on dark faces.
QPalette darkPalette()
{
    QPalette dark;
    for (const auto &[role, colour] : {std::pair{QPalette::Window, QColor(0x35, 0x35, 0x35)},
                                       {QPalette::WindowText, QColor(Qt::white)},
                                       {QPalette::Button, QColor(0x32, 0x32, 0x32)},
                                       {QPalette::ButtonText, QColor(0xee, 0xee, 0xee)},
                                       {QPalette::Base, QColor(0x2a, 0x2a, 0x2a)},
                                       {QPalette::Text, QColor(Qt::white)},
                                       {QPalette::Highlight, QColor(0x2a, 0x82, 0xda)}})
        dark.setColor(role, colour);
    return dark;
}

// The greatest contrast between a pixel of the picture and its background: that of the text drawn.
double textContrast(const QImage &picture, const QColor &background)
{
    double best = 1;
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x)
            best = qMax(best, ReadableColour::contrast(picture.pixelColor(x, y), background));
    }
    return best;
}

} // namespace

class TestAccessibility : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        QAccessible::installFactory(accessibleWidget);
        QAccessible::installFactory(AccessibleLevelMeter::create);
        QAccessible::installFactory(AccessibleTitleStrip::create);
    }

    void controlsHaveARoleAndAName_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<int>("role");
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("checked");
        const auto row = [](const char *kind, QAccessible::Role role, const char *name,
                            bool checked = false) {
            QTest::newRow(kind) << QString::fromLatin1(kind) << int(role) << QString::fromUtf8(name)
                                << checked;
        };
        row("slider", QAccessible::Slider, "Position");
        row("captioned slider", QAccessible::Slider, "Volume");
        row("button", QAccessible::Button, "Stop");
        row("toggling button", QAccessible::CheckBox, "Stop");
        row("mute", QAccessible::CheckBox, "Mute", true);
        row("splitter", QAccessible::Splitter, "Files and playlist");
        row("scrolling text", QAccessible::StaticText, "first line\nsecond line");
        row("progress bar", QAccessible::ProgressBar, "song.mp3");
        row("line", QAccessible::Separator, "");
        row("title strip", QAccessible::Button, "PLAYLIST");
        row("level meter", QAccessible::ProgressBar, "Level");
    }

    void controlsHaveARoleAndAName()
    {
        QFETCH(QString, kind);
        QFETCH(int, role);
        QFETCH(QString, name);
        QFETCH(bool, checked);
        QWidget host;
        QWidget *control = make(kind, &host);
        if (kind == QLatin1String("mute"))
            qobject_cast<TransportBar *>(control->parentWidget())->showVolume(50, true);
        QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(control);
        QVERIFY(accessible);
        QCOMPARE(int(accessible->role()), role);
        QCOMPARE(accessible->text(QAccessible::Name), name);
        QCOMPARE(bool(accessible->state().checked), checked);
    }

    void valuesAreTakenAsAPersonsMove_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QByteArray>("signal");
        QTest::addColumn<int>("set");
        QTest::addColumn<int>("taken");
        QTest::addColumn<int>("moves");
        QTest::addColumn<int>("minimum");
        QTest::addColumn<int>("maximum");
        // The speed is given to the player when the slider settles.
        const QByteArray settled = SIGNAL(valueSettled(int));
        QTest::newRow("slider") << "slider" << settled << 40 << 40 << 1 << 0 << 100;
        QTest::newRow("slider past its end") << "slider" << settled << 500 << 100 << 1 << 0 << 100;
        QTest::newRow("disabled slider") << "disabled slider" << settled << 40 << 0 << 0 << 0 << 100;
        QTest::newRow("splitter") << "splitter"
                                  << QByteArray(SIGNAL(panesResized(int, int, int, int, int, int))) << 30
                                  << 30 << 1 << 5 << 99;
    }

    void valuesAreTakenAsAPersonsMove()
    {
        QFETCH(QString, kind);
        QFETCH(QByteArray, signal);
        QFETCH(int, set);
        QFETCH(int, taken);
        QFETCH(int, moves);
        QFETCH(int, minimum);
        QFETCH(int, maximum);
        QWidget host;
        QWidget *control = make(kind, &host);
        QAccessibleValueInterface *value = QAccessible::queryAccessibleInterface(control)->valueInterface();
        QVERIFY(value);
        QCOMPARE(value->minimumValue().toInt(), minimum);
        QCOMPARE(value->maximumValue().toInt(), maximum);
        QSignalSpy moved(control, signal.constData());
        value->setCurrentValue(set);
        QCOMPARE(value->currentValue().toInt(), taken);
        QCOMPARE(moved.count(), moves);
    }

    void actionsClickAsAPersonDoes_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("action");
        QTest::addColumn<QByteArray>("signal");
        // What the signal carries first; none when the action is not to be done.
        QTest::addColumn<QVariantList>("arguments");
        const QByteArray clicked = SIGNAL(clicked());
        const QByteArray released = SIGNAL(released(int, Qt::MouseButton, QPoint));
        const QString press = QAccessibleActionInterface::pressAction();
        QTest::newRow("press") << "button" << press << clicked << QVariantList{QVariant()};
        QTest::newRow("toggle") << "toggling button" << QAccessibleActionInterface::toggleAction() << clicked
                                << QVariantList{QVariant()};
        QTest::newRow("disabled") << "disabled button" << press << clicked << QVariantList{};
        QTest::newRow("title strip") << "title strip" << press << released
                                     << QVariantList{2, QVariant::fromValue(Qt::LeftButton)};
        QTest::newRow("title strip's menu")
            << "title strip" << QAccessibleActionInterface::showMenuAction() << released
            << QVariantList{2, QVariant::fromValue(Qt::RightButton)};
    }

    void actionsClickAsAPersonDoes()
    {
        QFETCH(QString, kind);
        QFETCH(QString, action);
        QFETCH(QByteArray, signal);
        QFETCH(QVariantList, arguments);
        QWidget host;
        QWidget *control = make(kind, &host);
        QAccessibleActionInterface *actions =
            QAccessible::queryAccessibleInterface(control)->actionInterface();
        QVERIFY(actions);
        QSignalSpy done(control, signal.constData());
        QCOMPARE(actions->actionNames().contains(action), !arguments.isEmpty());
        actions->doAction(action);
        // A press is answered first and done after: what it opens may wait for the person.
        QCOMPARE(done.count(), 0);
        bool answered = false;
        QMetaObject::invokeMethod(
            &host, [&answered] { answered = true; }, Qt::QueuedConnection);
        QTRY_VERIFY(answered);
        QCOMPARE(done.count(), arguments.isEmpty() ? 0 : 1);
        if (!arguments.isEmpty() && arguments.first().isValid())
            QCOMPARE(done.first().mid(0, arguments.size()), arguments);
    }

    void drawnTextReadsInLightAndDarkThemes_data()
    {
        QTest::addColumn<bool>("dark");
        QTest::addColumn<QColor>("textAsked");
        QTest::newRow("light theme") << false << QColor();
        QTest::newRow("dark theme") << true << QColor();
        QTest::newRow("dark theme, black asked for") << true << QColor(Qt::black);
        QTest::newRow("light theme, yellow asked for") << false << QColor(Qt::yellow);
    }
    void drawnTextReadsInLightAndDarkThemes()
    {
        QFETCH(bool, dark);
        QFETCH(QColor, textAsked);
        QWidget host;
        if (dark)
            host.setPalette(darkPalette());
        const QColor face = host.palette().color(QPalette::Button);

        auto *button = new FlatButton(&host);
        button->setText(QStringLiteral("CLEAR ALL"));
        if (textAsked.isValid())
            button->setTextColor(textAsked);
        QVERIFY(ReadableColour::contrast(button->textColor(), face) >= ReadableColour::TextContrast);
        QVERIFY(ReadableColour::contrast(button->hoverTextColor(), face) >= ReadableColour::TextContrast);
        // Its look stays its own where it was set: the shade keeps the hue.
        if (textAsked == QColor(Qt::yellow))
            QCOMPARE(button->textColor().hue(), textAsked.hue());

        auto *bar = new TextProgressBar(&host);
        bar->resize(200, 20);
        if (textAsked.isValid())
            bar->setForeColor(textAsked);
        bar->setProgress(0, QStringLiteral("song.mp3"));
        // Inside its border, which is drawn in the theme's own dark shade.
        const QImage inside = bar->grab(bar->rect().adjusted(2, 2, -2, -2)).toImage();
        QVERIFY(textContrast(inside, QColor(Qt::white)) >= ReadableColour::TextContrast);
    }

    void shiftF10OpensTheContextMenu_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<bool>("opened");
        QTest::newRow("Shift+F10") << int(Qt::Key_F10) << int(Qt::ShiftModifier) << true;
        QTest::newRow("F10") << int(Qt::Key_F10) << int(Qt::NoModifier) << false;
        QTest::newRow("Ctrl+Shift+F10")
            << int(Qt::Key_F10) << int(Qt::ControlModifier | Qt::ShiftModifier) << false;
    }

    void shiftF10OpensTheContextMenu()
    {
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QFETCH(bool, opened);
        ContextMenuKeys keys;
        qApp->installEventFilter(&keys);
        EntryListView files;
        files.setContextMenuOnRightClick(true);
        files.items()->addItem(QStringLiteral(".."), ListEntry::Kind::Parent);
        files.items()->addItem(QStringLiteral("song.mp3"), ListEntry::Kind::File);
        files.setCurrentIndex(files.model()->index(1, 0));
        files.show();
        QVERIFY(QTest::qWaitForWindowExposed(&files));
        QSignalSpy menu(&files, &EntryListView::contextMenuAt);
        QTest::keyClick(&files, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
        QCOMPARE(menu.count(), opened ? 1 : 0);
        if (opened)
            QCOMPARE(files.rowAt(menu.first().first().toPoint()), 1);
    }
};

QTEST_MAIN(TestAccessibility)
#include "tst_accessibility.moc"
