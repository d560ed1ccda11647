// SPDX-License-Identifier: GPL-3.0-or-later
#include "playback/PlaybackOptions.h"

#include "core/Settings.h"

namespace {

// Sets the value and tells the change; false when it was the same.
template <typename Value, typename Signal>
bool change(PlaybackOptions *options, Value &stored, Value value, Signal signal)
{
    if (stored == value)
        return false;
    stored = value;
    Q_EMIT(options->*signal)(value);
    return true;
}

} // namespace

PlaybackOptions::PlaybackOptions(QObject *parent) : QObject(parent) {}

void PlaybackOptions::setAutoPlayOnClick(bool on)
{
    if (change(this, m_autoPlayOnClick, on, &PlaybackOptions::autoPlayOnClickChanged) && !on)
        setAutoAdvance(false);
}

void PlaybackOptions::setAutoPlayAtStart(bool on)
{
    change(this, m_autoPlayAtStart, on, &PlaybackOptions::autoPlayAtStartChanged);
}

void PlaybackOptions::setAutoAdvance(bool on)
{
    change(this, m_autoAdvance, on && m_autoPlayOnClick, &PlaybackOptions::autoAdvanceChanged);
}

void PlaybackOptions::setRememberPosition(bool on)
{
    change(this, m_rememberPosition, on, &PlaybackOptions::rememberPositionChanged);
}

void PlaybackOptions::setRestoreSpeed(bool on)
{
    change(this, m_restoreSpeed, on, &PlaybackOptions::restoreSpeedChanged);
}

void PlaybackOptions::setKeepSpeed(bool on)
{
    change(this, m_keepSpeed, on, &PlaybackOptions::keepSpeedChanged);
}

void PlaybackOptions::setStartOffsetChoice(int choice)
{
    change(this, m_startOffsetChoice, choice >= 0 && choice < OffsetChoices ? choice : 0,
           &PlaybackOptions::startOffsetChoiceChanged);
}

void PlaybackOptions::setSlideDelayChoice(int choice)
{
    if (choice >= 0 && choice < SlideDelayChoices)
        change(this, m_slideDelayChoice, choice, &PlaybackOptions::slideDelayChoiceChanged);
}

void PlaybackOptions::setSpeedPercent(int percent)
{
    if (percent >= MinSpeed && percent <= MaxSpeed)
        change(this, m_speedPercent, percent, &PlaybackOptions::speedPercentChanged);
}

void PlaybackOptions::settleSpeed(int percent)
{
    setSpeedPercent(percent);
    Q_EMIT speedSettled(m_speedPercent);
}

void PlaybackOptions::resetSpeed()
{
    setSpeedPercent(DefaultSpeed);
    Q_EMIT speedReset();
}

PlayRoutine::Options PlaybackOptions::forPlaying() const
{
    PlayRoutine::Options options;
    options.autoPlayOnClick = m_autoPlayOnClick;
    options.autoPlayAtStart = m_autoPlayAtStart;
    options.rememberPosition = m_rememberPosition;
    options.keepSpeed = m_keepSpeed;
    options.offsetChoice = m_startOffsetChoice;
    options.speedPercent = m_speedPercent;
    return options;
}

void PlaybackOptions::save(Settings &settings) const
{
    settings.speed.set(m_speedPercent);
    settings.restoreSpeed.set(m_restoreSpeed);
    settings.keepSpeed.set(m_keepSpeed);
    settings.autoPlay.set(m_autoPlayOnClick);
    settings.autoAdvance.set(m_autoAdvance);
    settings.autoPlayAtStart.set(m_autoPlayAtStart);
    settings.rememberPosition.set(m_rememberPosition);
    settings.startOffsetChoice.set(m_startOffsetChoice);
    settings.slideDelayChoice.set(m_slideDelayChoice);
}
