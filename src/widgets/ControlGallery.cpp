// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/ControlGallery.h"

#include "core/Twips.h"
#include "widgets/EtchedLine.h"
#include "widgets/FlatButton.h"
#include "widgets/ScrollingText.h"
#include "widgets/Slider.h"
#include "widgets/SplitterPane.h"
#include "widgets/TextProgressBar.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QStyle>
#include <QTimer>
#include <QVBoxLayout>

namespace {

QGroupBox *section(const QString &title, QLayout *content)
{
    auto *box = new QGroupBox(title);
    box->setLayout(content);
    return box;
}

FlatButton *galleryButton(const QString &text, const QPixmap &picture, int align)
{
    auto *button = new FlatButton;
    button->setText(text);
    button->setPicture(picture);
    button->setTextPlacement(align);
    button->setBorderSpace(3);
    button->setPictureToTextSpace(4);
    button->setHoverColor(QColor(0xe8, 0xf0, 0xff));
    button->setHoverTextColor(QColor(0x10, 0x40, 0xa0));
    return button;
}

} // namespace

ControlGallery::ControlGallery(QWidget *parent) : QWidget(parent)
{
    setWindowTitle(tr("Kestrove controls"));
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(section(tr("Slider"), sliders()));
    layout->addWidget(new EtchedLine);
    layout->addWidget(section(tr("Splitter pane"), splitter()));
    layout->addWidget(section(tr("Flat buttons"), buttons()));
    layout->addWidget(section(tr("Scrolling text and etched lines"), texts()));
    layout->addWidget(new EtchedLine);
    layout->addWidget(section(tr("Text progress bar"), progressBar()));
    setMinimumWidth(520);
}

QLayout *ControlGallery::sliders()
{
    // Sliders: the speed slider of the main window and a vertical one.
    auto *speed = new Slider;
    speed->setObjectName(QStringLiteral("speedSlider"));
    speed->setMinimum(1);
    speed->setMaximum(200);
    speed->setValue(100);
    speed->setMenuCaptions(QStringLiteral("1%"), QStringLiteral("100%"), QStringLiteral("200%"));
    speed->setCaption(tr("Playback speed"));
    auto *speedLabel = new QLabel(tr("Movie speed:100%"));
    connect(speed, &Slider::valueScrolled, speedLabel,
            [speedLabel](int value) { speedLabel->setText(tr("Movie speed:%1%").arg(value)); });
    auto *vertical = new Slider;
    vertical->setDirection(Slider::Vertical);
    vertical->setMinimum(50);
    vertical->setMaximum(150);
    vertical->setValue(100);
    vertical->setMinimumHeight(90);
    auto *verticalLabel = new QLabel(QStringLiteral("100"));
    connect(vertical, &Slider::valueScrolled, verticalLabel,
            [verticalLabel](int value) { verticalLabel->setText(QString::number(value)); });
    auto *sliders = new QGridLayout;
    sliders->addWidget(speedLabel, 0, 0);
    sliders->addWidget(speed, 1, 0);
    sliders->addWidget(vertical, 0, 1, 3, 1);
    sliders->addWidget(verticalLabel, 0, 2);
    sliders->setColumnStretch(0, 1);
    return sliders;
}

QLayout *ControlGallery::splitter()
{
    // Splitter pane: the host places its two panes from panesResized.
    m_splitter = new SplitterPane;
    m_splitter->setMinimumHeight(70);
    m_leftPane = new QLabel(tr("left pane"), m_splitter);
    m_rightPane = new QLabel(tr("right pane"), m_splitter);
    for (QLabel *pane : {m_leftPane, m_rightPane}) {
        pane->setAlignment(Qt::AlignCenter);
        pane->setFrameShape(QFrame::StyledPanel);
        pane->setAutoFillBackground(true);
    }
    connect(m_splitter, &SplitterPane::panesResized, this,
            [this](int leftPos, int leftWidth, int rightPos, int rightWidth, int, int bottomPos) {
                const double tx = Twips::perPixelX(*m_splitter);
                const double ty = Twips::perPixelY(*m_splitter);
                const int h = qRound(bottomPos / ty);
                m_leftPane->setGeometry(qRound(leftPos / tx), 0, qRound(leftWidth / tx), h);
                m_rightPane->setGeometry(qRound(rightPos / tx), 0, qRound(rightWidth / tx), h);
                m_leftPane->setText(tr("left pane: %1 %").arg(m_splitter->leftPercent()));
            });
    auto *splitterLayout = new QVBoxLayout;
    splitterLayout->addWidget(m_splitter);
    return splitterLayout;
}

QLayout *ControlGallery::buttons()
{
    // Graphic buttons in their three alignments, and one without a picture.
    const QPixmap play = style()->standardIcon(QStyle::SP_MediaPlay).pixmap(16, 16);
    const QPixmap open = style()->standardIcon(QStyle::SP_DirOpenIcon).pixmap(16, 16);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(galleryButton(tr("LOAD"), QPixmap(), FlatButtonLayout::Centred));
    buttons->addWidget(galleryButton(tr("Play"), play, FlatButtonLayout::RightToPicture));
    buttons->addWidget(galleryButton(tr("Open"), open, FlatButtonLayout::BelowPicture));
    buttons->addWidget(galleryButton(QString(), play, FlatButtonLayout::Centred));
    buttons->addStretch();
    return buttons;
}

QLayout *ControlGallery::texts()
{
    // Scrolling text: credits moving up and a marquee moving left.
    auto *credits = new ScrollingText;
    credits->setMinimumSize(220, 70);
    credits->setFrameShape(QFrame::StyledPanel);
    credits->setWordWrap(true);
    credits->startScrolling();
    auto *marquee = new ScrollingText;
    marquee->setScrollDirection(2);
    marquee->setText(tr("Kestrove|sounds, videos and pictures|one copy per user"));
    marquee->setFontColor(QColor(0x20, 0x20, 0x80));
    marquee->setShadowSize(0);
    marquee->setMinimumHeight(marquee->fontMetrics().height() + 6);
    marquee->setFrameShape(QFrame::StyledPanel);
    marquee->startScrolling();
    auto *texts = new QHBoxLayout;
    texts->addWidget(credits, 1);
    auto *verticalLine = new EtchedLine;
    verticalLine->setVertical(true);
    texts->addWidget(verticalLine);
    texts->addWidget(marquee, 1, Qt::AlignVCenter);
    return texts;
}

QLayout *ControlGallery::progressBar()
{
    // Progress bar, filling and starting again.
    m_bar = new TextProgressBar;
    m_bar->setBorderStyle(1);
    auto *barTimer = new QTimer(this);
    connect(barTimer, &QTimer::timeout, this, [this] {
        m_progress = (m_progress + 1) % 101;
        m_bar->setProgress(m_progress, tr("Copying"));
    });
    barTimer->start(60);
    m_bar->setProgress(42, tr("Copying"));
    auto *barLayout = new QVBoxLayout;
    barLayout->addWidget(m_bar);
    return barLayout;
}
