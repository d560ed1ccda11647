// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "playback/PlayRoutine.h"

#include <QObject>

class Settings;

// The player's options, as the options panel, the window's commands and MPRIS set them: autoplay
// on click and at start, the automatic advance, the remembered position, the start offset, the
// slide delay, and the speed with whether it is kept from file to file and restored at start.
// Each setter tells its change once, and only when the value changed.
class PlaybackOptions : public QObject
{
    Q_OBJECT

public:
    static constexpr int MinSpeed = 1;
    static constexpr int MaxSpeed = 200;
    static constexpr int DefaultSpeed = 100;
    // The start offset's entries: 0 %, 10 % ... 90 %.
    static constexpr int OffsetChoices = 10;
    // The slide delay's entries: 1 to 30 seconds.
    static constexpr int SlideDelayChoices = 30;

    explicit PlaybackOptions(QObject *parent = nullptr);

    bool autoPlayOnClick() const { return m_autoPlayOnClick; }
    // Turned off, it turns the automatic advance off too.
    void setAutoPlayOnClick(bool on);
    bool autoPlayAtStart() const { return m_autoPlayAtStart; }
    void setAutoPlayAtStart(bool on);
    bool autoAdvance() const { return m_autoAdvance; }
    // The advance is on only while autoplay on click is: asked for without it, it stays off.
    void setAutoAdvance(bool on);
    void toggleAutoAdvance() { setAutoAdvance(!m_autoAdvance); }
    bool rememberPosition() const { return m_rememberPosition; }
    void setRememberPosition(bool on);
    bool restoreSpeed() const { return m_restoreSpeed; }
    void setRestoreSpeed(bool on);
    bool keepSpeed() const { return m_keepSpeed; }
    void setKeepSpeed(bool on);

    int startOffsetChoice() const { return m_startOffsetChoice; }
    // A choice that is not an entry is the first entry.
    void setStartOffsetChoice(int choice);
    int slideDelayChoice() const { return m_slideDelayChoice; }
    // A choice that is not an entry leaves the delay as it was.
    void setSlideDelayChoice(int choice);

    // Percent of the normal speed; a speed outside MinSpeed to MaxSpeed leaves it as it was.
    int speedPercent() const { return m_speedPercent; }
    void setSpeedPercent(int percent);
    // The speed a person let go of: the player takes it now.
    void settleSpeed(int percent);
    // Normal speed again, as a file opened without "Maintain speed" has.
    void resetSpeed();

    // What choosing a file does with these options.
    PlayRoutine::Options forPlaying() const;
    // Writes every option to the settings.
    void save(Settings &settings) const;

Q_SIGNALS:
    void autoPlayOnClickChanged(bool on);
    void autoPlayAtStartChanged(bool on);
    void autoAdvanceChanged(bool on);
    void rememberPositionChanged(bool on);
    void restoreSpeedChanged(bool on);
    void keepSpeedChanged(bool on);
    void startOffsetChoiceChanged(int choice);
    void slideDelayChoiceChanged(int choice);
    void speedPercentChanged(int percent);
    void speedSettled(int percent);
    void speedReset();

private:
    bool m_autoPlayOnClick = true;
    bool m_autoPlayAtStart = false;
    bool m_autoAdvance = false;
    bool m_rememberPosition = true;
    bool m_restoreSpeed = false;
    bool m_keepSpeed = false;
    int m_startOffsetChoice = 0;
    int m_slideDelayChoice = 0;
    int m_speedPercent = DefaultSpeed;
};
