#include "ControlsDemo.h"

#include "FileCopier.h"
#include "NimB.h"
#include "NimSScroller.h"
#include "Scroller.h"
#include "SplitterPane.h"
#include "Twips.h"
#include "line3d.h"

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

NimB *button(const QString &text, const QPixmap &picture, int align)
{
    auto *nimb = new NimB;
    nimb->setText(text);
    nimb->setPicture(picture);
    nimb->setAlignText(align);
    nimb->setBorderSpace(3);
    nimb->setPictureToTextSpace(4);
    nimb->setMouseOverColor(QColor(0xe8, 0xf0, 0xff));
    nimb->setTextMouseOverColor(QColor(0x10, 0x40, 0xa0));
    return nimb;
}

} // namespace

ControlsDemo::ControlsDemo(QWidget *parent) : QWidget(parent)
{
    setWindowTitle(tr("Kestrove controls"));

    // Sliders: the speed slider of the main window and a vertical one.
    auto *speed = new Scroller;
    speed->setObjectName(QStringLiteral("Scroller2"));
    speed->setMin(1);
    speed->setMax(200);
    speed->setValue(100);
    speed->SetMenuCaption(QStringLiteral("1%"), QStringLiteral("100%"), QStringLiteral("200%"));
    speed->setCaption(tr("Playback speed"));
    auto *speedLabel = new QLabel(tr("Movie speed:100%"));
    connect(speed, &Scroller::Scroll, speedLabel,
            [speedLabel](int value) { speedLabel->setText(tr("Movie speed:%1%").arg(value)); });
    auto *vertical = new Scroller;
    vertical->setDirection(Scroller::Vertical);
    vertical->setMin(50);
    vertical->setMax(150);
    vertical->setValue(100);
    vertical->setMinimumHeight(90);
    auto *verticalLabel = new QLabel(QStringLiteral("100"));
    connect(vertical, &Scroller::Scroll, verticalLabel,
            [verticalLabel](int value) { verticalLabel->setText(QString::number(value)); });
    auto *sliders = new QGridLayout;
    sliders->addWidget(speedLabel, 0, 0);
    sliders->addWidget(speed, 1, 0);
    sliders->addWidget(vertical, 0, 1, 3, 1);
    sliders->addWidget(verticalLabel, 0, 2);
    sliders->setColumnStretch(0, 1);

    // Splitter pane: the host places its two panes from NewSize.
    m_splitter = new SplitterPane;
    m_splitter->setMinimumHeight(70);
    m_leftPane = new QLabel(tr("left pane"), m_splitter);
    m_rightPane = new QLabel(tr("right pane"), m_splitter);
    for (QLabel *pane : {m_leftPane, m_rightPane}) {
        pane->setAlignment(Qt::AlignCenter);
        pane->setFrameShape(QFrame::StyledPanel);
        pane->setAutoFillBackground(true);
    }
    connect(m_splitter, &SplitterPane::NewSize, this,
            [this](int leftPos, int leftWidth, int rightPos, int rightWidth, int, int buttomPos) {
                const double tx = Twips::perPixelX(*m_splitter);
                const double ty = Twips::perPixelY(*m_splitter);
                const int h = qRound(buttomPos / ty);
                m_leftPane->setGeometry(qRound(leftPos / tx), 0, qRound(leftWidth / tx), h);
                m_rightPane->setGeometry(qRound(rightPos / tx), 0, qRound(rightWidth / tx), h);
                m_leftPane->setText(tr("left pane: %1 %").arg(m_splitter->DefLeftProc()));
            });
    auto *splitterLayout = new QVBoxLayout;
    splitterLayout->addWidget(m_splitter);

    // Graphic buttons in their three alignments, and one without a picture.
    const QPixmap play = style()->standardIcon(QStyle::SP_MediaPlay).pixmap(16, 16);
    const QPixmap open = style()->standardIcon(QStyle::SP_DirOpenIcon).pixmap(16, 16);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(button(tr("LOAD"), QPixmap(), NimBLayout::Centred));
    buttons->addWidget(button(tr("Play"), play, NimBLayout::RightToPicture));
    buttons->addWidget(button(tr("Open"), open, NimBLayout::BelowPicture));
    buttons->addWidget(button(QString(), play, NimBLayout::Centred));
    buttons->addStretch();

    // Scrolling text: credits moving up and a marquee moving left.
    auto *credits = new NimSScroller;
    credits->setMinimumSize(220, 70);
    credits->setFrameShape(QFrame::StyledPanel);
    credits->setWordWrap(true);
    credits->StartScroll();
    auto *marquee = new NimSScroller;
    marquee->setScrollDirection(2);
    marquee->setText(tr("Kestrove|sounds, videos and pictures|one copy per user"));
    marquee->setFontColor(QColor(0x20, 0x20, 0x80));
    marquee->setShadowSize(0);
    marquee->setMinimumHeight(marquee->fontMetrics().height() + 6);
    marquee->setFrameShape(QFrame::StyledPanel);
    marquee->StartScroll();
    auto *texts = new QHBoxLayout;
    texts->addWidget(credits, 1);
    auto *verticalLine = new line3d;
    verticalLine->setVertical(true);
    texts->addWidget(verticalLine);
    texts->addWidget(marquee, 1, Qt::AlignVCenter);

    // Progress bar, filling and starting again.
    m_bar = new FileCopier;
    m_bar->setBorderStyle(1);
    auto *barTimer = new QTimer(this);
    connect(barTimer, &QTimer::timeout, this, [this] {
        m_progress = (m_progress + 1) % 101;
        m_bar->UpdateDisplay(m_progress, tr("Copying"));
    });
    barTimer->start(60);
    m_bar->UpdateDisplay(42, tr("Copying"));
    auto *barLayout = new QVBoxLayout;
    barLayout->addWidget(m_bar);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(section(tr("Scroller"), sliders));
    layout->addWidget(new line3d);
    layout->addWidget(section(tr("SplitterPane"), splitterLayout));
    layout->addWidget(section(tr("NimB"), buttons));
    layout->addWidget(section(tr("NimSScroller and line3d"), texts));
    layout->addWidget(new line3d);
    layout->addWidget(section(tr("FileCopier"), barLayout));
    setMinimumWidth(520);
}
