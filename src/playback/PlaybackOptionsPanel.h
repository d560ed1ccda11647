// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

class QCheckBox;
class QComboBox;
class QLabel;
class Slider;

// The playback options: autoplay, auto-advance, remembered position, start offset, slide delay
// and the speed slider with its read-out.
class PlaybackOptionsPanel : public QWidget
{
    Q_OBJECT

public:
    static constexpr int MinSpeed = 1;
    static constexpr int MaxSpeed = 200;
    static constexpr int DefaultSpeed = 100;

    explicit PlaybackOptionsPanel(QWidget *parent = nullptr);

    QCheckBox *autoPlay = nullptr;
    QCheckBox *autoPlayAtStart = nullptr;
    QCheckBox *autoAdvance = nullptr;
    QCheckBox *rememberPosition = nullptr;
    QCheckBox *restoreSpeed = nullptr;
    QCheckBox *keepSpeed = nullptr;
    QComboBox *startOffset = nullptr;
    QComboBox *slideDelay = nullptr;
    Slider *speedSlider = nullptr;
    QLabel *speedLabel = nullptr;

    // Fills the startOffset box with "0 %" .. "90 %" and the slideDelay box with "1 Sec." .. "30 Sec.",
    // and selects the first slideDelay entry.
    void fillPresetLists();
    // Automatic advance is on only while autoplay on click is: asked for without it, it stays off.
    void setAutoAdvance(bool on);
    void toggleAutoAdvance();
    // Normal speed again, as a newly opened file has; the read-out shows the speed from now on.
    void resetSpeed();

private:
    void autoPlayChanged();
    void speedChanged(int speed);

    bool m_speedShown = false;
};
