#include "OptionsPanel.h"

#include "Scroller.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace {

QCheckBox *makeCheckBox(const char *name, const QString &caption, QWidget *parent)
{
    auto *box = new QCheckBox(caption, parent);
    box->setObjectName(QLatin1String(name));
    return box;
}

QGroupBox *frameAround(const QString &caption, QWidget *content, QWidget *parent)
{
    auto *frame = new QGroupBox(caption, parent);
    auto *layout = new QVBoxLayout(frame);
    layout->setContentsMargins(6, 4, 6, 4);
    layout->addWidget(content);
    return frame;
}

} // namespace

OptionsPanel::OptionsPanel(QWidget *parent) : QWidget(parent)
{
    AutoPlay = makeCheckBox("AutoPlay", tr("Autoplay on click"), this);
    AutoplayStart = makeCheckBox("AutoplayStart", tr("Autoplay at start"), this);
    Check1 = makeCheckBox("Check1", tr("Auto play next"), this);
    RemPos = makeCheckBox("RemPos", tr("Remember position"), this);
    RestoreSpeed = makeCheckBox("RestoreSpeed", tr("Restore speed at start"), this);
    MaintainSpeed = makeCheckBox("MaintainSpeed", tr("Maintain speed"), this);

    Offset = new QComboBox(this);
    Offset->setObjectName(QStringLiteral("Offset"));
    Slide = new QComboBox(this);
    Slide->setObjectName(QStringLiteral("Slide"));

    Scroller2 = new Scroller(this);
    Scroller2->setObjectName(QStringLiteral("Scroller2"));
    Scroller2->setMax(MaxSpeed);
    Scroller2->setMin(MinSpeed);
    Scroller2->setValue(DefaultSpeed);
    MovSpeed = new QLabel(this);
    MovSpeed->setObjectName(QStringLiteral("MovSpeed"));

    // Designed states, kept when a stored value cannot be applied.
    AutoPlay->setChecked(true);
    RemPos->setChecked(true);

    connect(AutoPlay, &QCheckBox::toggled, this, &OptionsPanel::autoPlayChanged);
    connect(Scroller2, &Scroller::Scroll, this, &OptionsPanel::speedChanged);
    autoPlayChanged();
    speedChanged(Scroller2->Value());

    auto *checks = new QVBoxLayout;
    checks->setSpacing(2);
    for (QCheckBox *box : {AutoPlay, AutoplayStart, Check1, RemPos})
        checks->addWidget(box);

    auto *lists = new QHBoxLayout;
    lists->addWidget(frameAround(tr("StartOffset"), Offset, this));
    lists->addWidget(frameAround(tr("AutoPlay delay"), Slide, this));

    auto *speed = new QVBoxLayout;
    speed->setSpacing(2);
    speed->addWidget(MovSpeed);
    speed->addWidget(Scroller2);
    speed->addWidget(RestoreSpeed);
    speed->addWidget(MaintainSpeed);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addLayout(checks);
    layout->addLayout(lists);
    layout->addLayout(speed);
}

void OptionsPanel::fillPresetLists()
{
    Offset->clear();
    for (int percent = 0; percent <= 90; percent += 10)
        Offset->addItem(QString::number(percent) + QLatin1String(" %"));
    Slide->clear();
    for (int seconds = 1; seconds <= 30; ++seconds)
        Slide->addItem(QString::number(seconds) + QLatin1String(" Sec."));
    Slide->setCurrentIndex(0);
}

void OptionsPanel::autoPlayChanged()
{
    const bool on = AutoPlay->isChecked();
    if (!on)
        Check1->setChecked(false);
    Check1->setEnabled(on);
}

void OptionsPanel::speedChanged(int speed)
{
    MovSpeed->setText(tr("Movie speed:") + QString::number(speed) + QLatin1Char('%'));
}
