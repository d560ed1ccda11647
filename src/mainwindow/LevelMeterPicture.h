// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

// The picture shown over the media view while a sound plays: a level meter with its scale, drawn
// in code so that it is sharp at any size.
class LevelMeterPicture : public QWidget
{
    Q_OBJECT

public:
    using QWidget::QWidget;

    // Sounds get the picture: names ending in ".mp3", ".wav", ".voc" or ".mid", in any case.
    static bool isShownFor(const QString &path);

protected:
    void paintEvent(QPaintEvent *event) override;
};
