// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

class PlaybackOptions;
class QCheckBox;
class QComboBox;
class QLabel;
class Slider;

// Shows the player's options and lets a person change them: autoplay, auto-advance, remembered
// position, start offset, slide delay and the speed slider with its read-out.
class PlaybackOptionsPanel : public QWidget
{
    Q_OBJECT

public:
    explicit PlaybackOptionsPanel(PlaybackOptions &options, QWidget *parent = nullptr);

private:
    void bindCheckBoxes();
    void bindLists();
    void bindSpeed();
    void showSpeed(int speed);

    PlaybackOptions &m_options;
    QCheckBox *m_autoPlay = nullptr;
    QCheckBox *m_autoPlayAtStart = nullptr;
    QCheckBox *m_autoAdvance = nullptr;
    QCheckBox *m_rememberPosition = nullptr;
    QCheckBox *m_restoreSpeed = nullptr;
    QCheckBox *m_keepSpeed = nullptr;
    QComboBox *m_startOffset = nullptr;
    QComboBox *m_slideDelay = nullptr;
    Slider *m_speedSlider = nullptr;
    QLabel *m_speedLabel = nullptr;
    // The read-out shows the speed, not its designed caption.
    bool m_speedShown = false;
};
