#pragma once

#include <QWidget>

class QCheckBox;
class QComboBox;
class QLabel;
class Scroller;

// The playback options: autoplay, auto-advance, remembered position, start offset, slide delay
// and the speed slider with its read-out.
class OptionsPanel : public QWidget
{
    Q_OBJECT

public:
    static constexpr int MinSpeed = 1;
    static constexpr int MaxSpeed = 200;
    static constexpr int DefaultSpeed = 100;

    explicit OptionsPanel(QWidget *parent = nullptr);

    QCheckBox *AutoPlay = nullptr;
    QCheckBox *AutoplayStart = nullptr;
    QCheckBox *Check1 = nullptr;
    QCheckBox *RemPos = nullptr;
    QCheckBox *RestoreSpeed = nullptr;
    QCheckBox *MaintainSpeed = nullptr;
    QComboBox *Offset = nullptr;
    QComboBox *Slide = nullptr;
    Scroller *Scroller2 = nullptr;
    QLabel *MovSpeed = nullptr;

    // Fills the Offset box with "0 %" .. "90 %" and the Slide box with "1 Sec." .. "30 Sec.",
    // and selects the first Slide entry.
    void fillPresetLists();

private:
    void autoPlayChanged();
    void speedChanged(int speed);
};
