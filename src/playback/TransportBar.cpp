// SPDX-License-Identifier: GPL-3.0-or-later
#include "playback/TransportBar.h"

#include "playback/MediaPlayer.h"
#include "playback/PositionReadOut.h"
#include "widgets/FlatButton.h"
#include "widgets/Slider.h"
#include "widgets/TransportGlyph.h"

#include <QEvent>
#include <QGridLayout>
#include <QLabel>
#include <initializer_list>
#include <utility>

namespace {

// The position bar counts in parts of ten thousand of the length: a slider's range is too short
// for milliseconds.
constexpr int PositionSteps = 10000;
constexpr int VolumeWidth = 60;
// Narrower than this, the position bar takes a row of its own under the buttons.
constexpr int NarrowBarWidth = 150;

} // namespace

TransportBar::TransportBar(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("transportBar"));
    m_playPause = makeButton("playPauseButton", tr("Play"));
    m_stop = makeButton("stopButton", tr("Stop"));
    m_mute = makeButton("muteButton", tr("Mute"));
    // Its tooltip says what a click does; its name stays and its check shows whether it is muted.
    m_mute->setCheckable(true);

    m_position = new Slider(this);
    m_position->setObjectName(QStringLiteral("positionBar"));
    m_position->setAccessibleName(tr("Position"));
    m_position->setFocusPolicy(Qt::StrongFocus);
    m_position->setMenuEnabled(false);
    m_position->setMaximum(PositionSteps);
    m_position->setValue(0);
    m_position->setMinimumWidth(24);
    m_readOut = new QLabel(PositionReadOut::text(0, 0), this);
    m_readOut->setObjectName(QStringLiteral("positionReadOut"));
    m_volume = new Slider(this);
    m_volume->setObjectName(QStringLiteral("volumeSlider"));
    m_volume->setAccessibleName(tr("Volume"));
    m_volume->setFocusPolicy(Qt::StrongFocus);
    m_volume->setMenuEnabled(false);
    m_volume->setMaximum(100);
    m_volume->setValue(100);
    m_volume->setMinimumWidth(24);
    m_volume->setMaximumWidth(VolumeWidth);
    m_volume->setCaption(tr("Volume"));

    m_readOut->setWordWrap(true);
    m_grid = new QGridLayout(this);
    m_grid->setContentsMargins(0, 0, 0, 0);
    m_grid->setHorizontalSpacing(1);
    m_grid->setVerticalSpacing(0);
    arrange(false);

    // A second click soon after the first comes as a double click: it is a second press all the same.
    const std::pair<FlatButton *, void (TransportBar::*)()> presses[] = {
        {m_playPause, &TransportBar::playOrPauseClicked},
        {m_stop, &TransportBar::stopClicked},
        {m_mute, &TransportBar::muteClicked}};
    for (const auto &[button, pressed] : presses) {
        connect(button, &FlatButton::clicked, this, pressed);
        connect(button, &FlatButton::doubleClicked, this, pressed);
    }
    connect(m_position, &Slider::valueScrolled, this, &TransportBar::positionMoved);
    connect(m_position, &Slider::mousePressed, this, [this] { m_held = true; });
    connect(m_position, &Slider::mouseReleased, this, [this] { m_held = false; });
    connect(m_volume, &Slider::valueScrolled, this, [this](int percent) {
        if (percent != std::exchange(m_shownVolume, percent))
            Q_EMIT volumeChosen(percent);
    });
    setTabOrder(m_playPause, m_stop);
    setTabOrder(m_stop, m_position);
    setTabOrder(m_position, m_mute);
    setTabOrder(m_mute, m_volume);
    showMode(MediaPlayer::NotReady);
    drawPictures();
}

FlatButton *TransportBar::makeButton(const char *name, const QString &tip)
{
    auto *button = new FlatButton(this);
    button->setObjectName(QLatin1String(name));
    button->setText(QString());
    button->setBorderSpace(1);
    button->setToolTip(tip);
    button->setAccessibleName(tip);
    return button;
}

void TransportBar::drawPictures()
{
    const qreal ratio = devicePixelRatioF();
    const QColor ink = palette().color(QPalette::WindowText);
    const auto picture = [ratio, &ink](TransportGlyph glyph) {
        return QPixmap::fromImage(transportGlyph(glyph, ratio, ink));
    };
    m_playPause->setPicture(picture(m_playing ? TransportGlyph::Pause : TransportGlyph::Play));
    m_stop->setPicture(picture(TransportGlyph::Stop));
    m_mute->setPicture(picture(m_muted ? TransportGlyph::Muted : TransportGlyph::Sound));
}

void TransportBar::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::PaletteChange)
        drawPictures();
}

void TransportBar::showMode(int mode)
{
    const bool playing = mode == MediaPlayer::Playing;
    const bool ready = mode != MediaPlayer::NotReady;
    m_playPause->setEnabled(ready);
    m_stop->setEnabled(ready);
    m_position->setEnabled(ready);
    if (playing == m_playing)
        return;
    m_playing = playing;
    const QString tip = playing ? tr("Pause") : tr("Play");
    m_playPause->setToolTip(tip);
    m_playPause->setAccessibleName(tip);
    drawPictures();
}

void TransportBar::showPosition(qint64 position, qint64 length)
{
    const std::pair seconds{PositionReadOut::shownSeconds(position), PositionReadOut::shownSeconds(length)};
    if (seconds != m_shownSeconds) {
        m_shownSeconds = seconds;
        m_readOut->setText(PositionReadOut::text(position, length));
    }
    m_length = qMax(qint64(0), length);
    if (m_held)
        return;
    const int step =
        m_length > 0 ? int(qBound(qint64(0), position * PositionSteps / m_length, qint64(PositionSteps))) : 0;
    if (step == m_shownStep)
        return;
    // Set first: the bar reports the step it is given, which is then no move of a person's.
    m_shownStep = step;
    m_position->setValue(step);
}

void TransportBar::showVolume(int percent, bool muted)
{
    m_shownVolume = qBound(0, percent, 100);
    m_volume->setValue(m_shownVolume);
    if (muted == m_muted)
        return;
    m_muted = muted;
    m_mute->setToolTip(muted ? tr("Sound on") : tr("Mute"));
    m_mute->setChecked(muted);
    drawPictures();
}

void TransportBar::positionMoved(int step)
{
    // A click on the bar jumps there at once and a drag seeks as it goes; the bar redrawn at a new
    // size reports the step it shows, which is no move.
    if (m_length <= 0 || step == m_shownStep)
        return;
    m_shownStep = step;
    Q_EMIT positionChosen(m_length * step / PositionSteps);
}

void TransportBar::arrangeFor(int width)
{
    const bool narrow = width < NarrowBarWidth;
    if (narrow != m_narrow)
        arrange(narrow);
}

void TransportBar::arrange(bool narrow)
{
    m_narrow = narrow;
    for (QWidget *control :
         std::initializer_list<QWidget *>{m_playPause, m_stop, m_position, m_mute, m_volume, m_readOut})
        m_grid->removeWidget(control);
    m_grid->addWidget(m_playPause, 0, 0);
    m_grid->addWidget(m_stop, 0, 1);
    if (narrow) {
        // Buttons and volume, then the position bar, then the read-out, wrapped where it must.
        m_grid->addWidget(m_mute, 0, 2);
        m_grid->addWidget(m_volume, 0, 3);
        m_grid->addWidget(m_position, 1, 0, 1, 4);
        m_grid->addWidget(m_readOut, 2, 0, 1, 4);
        m_grid->setColumnStretch(2, 0);
        m_grid->setColumnStretch(3, 1);
        m_grid->setColumnStretch(4, 0);
    } else {
        m_grid->addWidget(m_position, 0, 2);
        m_grid->addWidget(m_mute, 0, 3);
        m_grid->addWidget(m_volume, 0, 4);
        m_grid->addWidget(m_readOut, 1, 0, 1, 5);
        m_grid->setColumnStretch(2, 3);
        m_grid->setColumnStretch(3, 0);
        m_grid->setColumnStretch(4, 1);
    }
}
