// SPDX-License-Identifier: GPL-3.0-or-later
#include "playback/PlaybackOptionsPanel.h"

#include "playback/PlaybackOptions.h"
#include "widgets/Slider.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace {

// A check box that shows an option and sets it.
QCheckBox *makeCheckBox(const char *name, const QString &caption, bool shown, QWidget *parent,
                        PlaybackOptions &options, void (PlaybackOptions::*set)(bool),
                        void (PlaybackOptions::*changed)(bool))
{
    auto *box = new QCheckBox(caption, parent);
    box->setObjectName(QLatin1String(name));
    box->setChecked(shown);
    QObject::connect(box, &QCheckBox::toggled, &options, set);
    QObject::connect(&options, changed, box, &QCheckBox::setChecked);
    return box;
}

} // namespace

PlaybackOptionsPanel::PlaybackOptionsPanel(PlaybackOptions &options, QWidget *parent)
    : QWidget(parent), m_options(options)
{
    bindCheckBoxes();
    bindLists();
    bindSpeed();

    auto *checks = new QVBoxLayout;
    checks->setSpacing(2);
    for (QCheckBox *box : {m_autoPlay, m_autoPlayAtStart, m_autoAdvance, m_rememberPosition})
        checks->addWidget(box);

    // A caption beside each list rather than a frame around it, and one list a line: the column is
    // as narrow as the player's buttons, and two framed lists side by side were wider.
    auto *lists = new QFormLayout;
    lists->setContentsMargins(0, 2, 0, 2);
    lists->setFieldGrowthPolicy(QFormLayout::FieldsStayAtSizeHint);
    lists->addRow(tr("StartOffset"), m_startOffset);
    lists->addRow(tr("AutoPlay delay"), m_slideDelay);

    auto *speed = new QVBoxLayout;
    speed->setSpacing(2);
    speed->addWidget(m_speedLabel);
    speed->addWidget(m_speedSlider);
    speed->addWidget(m_restoreSpeed);
    speed->addWidget(m_keepSpeed);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addLayout(checks);
    layout->addLayout(lists);
    layout->addLayout(speed);
}

void PlaybackOptionsPanel::bindCheckBoxes()
{
    PlaybackOptions &o = m_options;
    m_autoPlay = makeCheckBox("autoPlay", tr("Autoplay on click"), o.autoPlayOnClick(), this, o,
                              &PlaybackOptions::setAutoPlayOnClick, &PlaybackOptions::autoPlayOnClickChanged);
    m_autoPlayAtStart =
        makeCheckBox("autoPlayAtStart", tr("Autoplay at start"), o.autoPlayAtStart(), this, o,
                     &PlaybackOptions::setAutoPlayAtStart, &PlaybackOptions::autoPlayAtStartChanged);
    m_autoAdvance = makeCheckBox("autoAdvance", tr("Auto play next"), o.autoAdvance(), this, o,
                                 &PlaybackOptions::setAutoAdvance, &PlaybackOptions::autoAdvanceChanged);
    m_rememberPosition =
        makeCheckBox("rememberPosition", tr("Remember position"), o.rememberPosition(), this, o,
                     &PlaybackOptions::setRememberPosition, &PlaybackOptions::rememberPositionChanged);
    m_restoreSpeed = makeCheckBox("restoreSpeed", tr("Restore speed at start"), o.restoreSpeed(), this, o,
                                  &PlaybackOptions::setRestoreSpeed, &PlaybackOptions::restoreSpeedChanged);
    m_keepSpeed = makeCheckBox("keepSpeed", tr("Maintain speed"), o.keepSpeed(), this, o,
                               &PlaybackOptions::setKeepSpeed, &PlaybackOptions::keepSpeedChanged);
    // The advance can be asked for only while autoplay on click is on.
    m_autoAdvance->setEnabled(o.autoPlayOnClick());
    connect(&o, &PlaybackOptions::autoPlayOnClickChanged, m_autoAdvance, &QCheckBox::setEnabled);
    // A tick the options refuse (the advance without autoplay) is taken back.
    connect(m_autoAdvance, &QCheckBox::toggled, this,
            [this] { m_autoAdvance->setChecked(m_options.autoAdvance()); });
}

void PlaybackOptionsPanel::bindLists()
{
    m_startOffset = new QComboBox(this);
    m_startOffset->setObjectName(QStringLiteral("startOffset"));
    for (int choice = 0; choice < PlaybackOptions::OffsetChoices; ++choice)
        m_startOffset->addItem(QString::number(choice * 10) + QLatin1String(" %"));
    m_startOffset->setCurrentIndex(m_options.startOffsetChoice());
    connect(m_startOffset, &QComboBox::currentIndexChanged, &m_options,
            &PlaybackOptions::setStartOffsetChoice);
    connect(&m_options, &PlaybackOptions::startOffsetChoiceChanged, m_startOffset,
            &QComboBox::setCurrentIndex);

    m_slideDelay = new QComboBox(this);
    m_slideDelay->setObjectName(QStringLiteral("slideDelay"));
    for (int choice = 0; choice < PlaybackOptions::SlideDelayChoices; ++choice)
        m_slideDelay->addItem(tr("%1 Sec.").arg(choice + 1));
    m_slideDelay->setCurrentIndex(m_options.slideDelayChoice());
    connect(m_slideDelay, &QComboBox::currentIndexChanged, &m_options, &PlaybackOptions::setSlideDelayChoice);
    connect(&m_options, &PlaybackOptions::slideDelayChoiceChanged, m_slideDelay, &QComboBox::setCurrentIndex);
}

void PlaybackOptionsPanel::bindSpeed()
{
    m_speedSlider = new Slider(this);
    m_speedSlider->setObjectName(QStringLiteral("speedSlider"));
    m_speedSlider->setAccessibleName(tr("Speed"));
    m_speedSlider->setMaximum(PlaybackOptions::MaxSpeed);
    m_speedSlider->setMinimum(PlaybackOptions::MinSpeed);
    m_speedSlider->setValue(m_options.speedPercent());
    m_speedSlider->setMenuCaptions(QStringLiteral("1%"), QStringLiteral("100%"), QStringLiteral("200%"));
    m_speedLabel = new QLabel(tr("Movie/Mp3  speed:100%"), this);
    m_speedLabel->setObjectName(QStringLiteral("speedLabel"));
    m_speedLabel->setBuddy(m_speedSlider);
    showSpeed(m_options.speedPercent());

    connect(m_speedSlider, &Slider::valueScrolled, this, [this](int speed) {
        m_options.setSpeedPercent(speed);
        showSpeed(speed);
    });
    connect(m_speedSlider, &Slider::valueSettled, &m_options, &PlaybackOptions::settleSpeed);
    connect(&m_options, &PlaybackOptions::speedPercentChanged, this, [this](int speed) {
        m_speedSlider->setValue(speed);
        showSpeed(speed);
    });
    // A file opened at normal speed shows the speed from now on.
    connect(&m_options, &PlaybackOptions::speedReset, this, [this] {
        m_speedShown = true;
        showSpeed(m_options.speedPercent());
    });
}

void PlaybackOptionsPanel::showSpeed(int speed)
{
    // The slider also reports its value when it is only laid out again: the designed caption
    // stays until the speed leaves normal or a file is opened.
    if (speed == PlaybackOptions::DefaultSpeed && !m_speedShown)
        return;
    m_speedShown = true;
    m_speedLabel->setText(tr("Movie speed:%1%").arg(speed));
}
