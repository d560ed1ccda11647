// SPDX-License-Identifier: GPL-3.0-or-later
#include "playback/PlaybackOptionsPanel.h"

#include "widgets/Slider.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace {

QCheckBox *makeCheckBox(const char *name, const QString &caption, QWidget *parent)
{
    auto *box = new QCheckBox(caption, parent);
    box->setObjectName(QLatin1String(name));
    return box;
}

} // namespace

PlaybackOptionsPanel::PlaybackOptionsPanel(QWidget *parent) : QWidget(parent)
{
    autoPlay = makeCheckBox("autoPlay", tr("Autoplay on click"), this);
    autoPlayAtStart = makeCheckBox("autoPlayAtStart", tr("Autoplay at start"), this);
    autoAdvance = makeCheckBox("autoAdvance", tr("Auto play next"), this);
    rememberPosition = makeCheckBox("rememberPosition", tr("Remember position"), this);
    restoreSpeed = makeCheckBox("restoreSpeed", tr("Restore speed at start"), this);
    keepSpeed = makeCheckBox("keepSpeed", tr("Maintain speed"), this);

    startOffset = new QComboBox(this);
    startOffset->setObjectName(QStringLiteral("startOffset"));
    slideDelay = new QComboBox(this);
    slideDelay->setObjectName(QStringLiteral("slideDelay"));

    speedSlider = new Slider(this);
    speedSlider->setObjectName(QStringLiteral("speedSlider"));
    speedSlider->setMaximum(MaxSpeed);
    speedSlider->setMinimum(MinSpeed);
    speedSlider->setValue(DefaultSpeed);
    speedLabel = new QLabel(tr("Movie/Mp3  speed:100%"), this);
    speedLabel->setObjectName(QStringLiteral("speedLabel"));

    // Designed states, kept when a stored value cannot be applied.
    autoPlay->setChecked(true);
    rememberPosition->setChecked(true);

    connect(autoPlay, &QCheckBox::toggled, this, &PlaybackOptionsPanel::autoPlayChanged);
    connect(speedSlider, &Slider::valueScrolled, this, &PlaybackOptionsPanel::speedChanged);
    autoPlayChanged();

    auto *checks = new QVBoxLayout;
    checks->setSpacing(2);
    for (QCheckBox *box : {autoPlay, autoPlayAtStart, autoAdvance, rememberPosition})
        checks->addWidget(box);

    // A caption beside each list rather than a frame around it, and one list a line: the column is
    // as narrow as the player's buttons, and two framed lists side by side were wider.
    auto *lists = new QFormLayout;
    lists->setContentsMargins(0, 2, 0, 2);
    lists->setFieldGrowthPolicy(QFormLayout::FieldsStayAtSizeHint);
    lists->addRow(tr("StartOffset"), startOffset);
    lists->addRow(tr("AutoPlay delay"), slideDelay);

    auto *speed = new QVBoxLayout;
    speed->setSpacing(2);
    speed->addWidget(speedLabel);
    speed->addWidget(speedSlider);
    speed->addWidget(restoreSpeed);
    speed->addWidget(keepSpeed);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addLayout(checks);
    layout->addLayout(lists);
    layout->addLayout(speed);
}

void PlaybackOptionsPanel::fillPresetLists()
{
    startOffset->clear();
    for (int percent = 0; percent <= 90; percent += 10)
        startOffset->addItem(QString::number(percent) + QLatin1String(" %"));
    slideDelay->clear();
    for (int seconds = 1; seconds <= 30; ++seconds)
        slideDelay->addItem(QString::number(seconds) + tr(" Sec."));
    slideDelay->setCurrentIndex(0);
}

void PlaybackOptionsPanel::autoPlayChanged()
{
    const bool on = autoPlay->isChecked();
    if (!on)
        autoAdvance->setChecked(false);
    autoAdvance->setEnabled(on);
}

void PlaybackOptionsPanel::speedChanged(int speed)
{
    // The slider also reports its value when it is only laid out again: the designed caption
    // stays until the speed leaves normal or a file is opened.
    if (speed == DefaultSpeed && !m_speedShown)
        return;
    m_speedShown = true;
    speedLabel->setText(tr("Movie speed:") + QString::number(speed) + QLatin1Char('%'));
}

void PlaybackOptionsPanel::resetSpeed()
{
    m_speedShown = true;
    speedSlider->setValue(DefaultSpeed);
}

void PlaybackOptionsPanel::setAutoAdvance(bool on)
{
    autoAdvance->setChecked(on && autoPlay->isChecked());
}

void PlaybackOptionsPanel::toggleAutoAdvance()
{
    setAutoAdvance(!autoAdvance->isChecked());
}
