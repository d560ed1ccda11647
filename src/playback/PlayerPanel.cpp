// SPDX-License-Identifier: GPL-3.0-or-later
#include "playback/PlayerPanel.h"

#include "core/Twips.h"
#include "pictures/PicturePanel.h"
#include "playback/LevelMeterPicture.h"
#include "playback/PlaybackOptionsPanel.h"
#include "playback/PlayerGlyph.h"
#include "playback/TransportBar.h"
#include "widgets/FlatButton.h"

#include <QAction>
#include <QFrame>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QStackedLayout>
#include <QVBoxLayout>
#include <QtConcurrentRun>
#include <utility>

PlayerPanel::PlayerPanel(const Commands &commands, PlaybackOptions &options, QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("playerPanel"));
    // The button pictures are drawn on the thread pool while the rest of the panel is built; taking
    // them runs the drawing here when the pool has not begun it yet.
    using Glyphs = std::array<QImage, std::tuple_size_v<Commands>>;
    QFuture<Glyphs> glyphs =
        QtConcurrent::run([ratio = devicePixelRatioF(), ink = palette().color(QPalette::WindowText)] {
            Glyphs pictures;
            for (std::size_t i = 0; i < pictures.size(); ++i)
                pictures[i] = playerGlyph(int(i), ratio, ink);
            return pictures;
        });
    m_mediaView = new QFrame(this);
    m_mediaView->setObjectName(QStringLiteral("mediaView"));
    m_mediaView->setFrameShape(QFrame::StyledPanel);
    m_mediaView->setAutoFillBackground(true);
    QPalette black = m_mediaView->palette();
    black.setColor(QPalette::Window, Qt::black);
    m_mediaView->setPalette(black);
    // The media view shows the video, or the picture panel while a picture is chosen.
    m_mediaPages = new QStackedLayout(m_mediaView);
    m_mediaPages->setContentsMargins(1, 1, 1, 1);
    m_mediaPage = new QWidget;
    m_mediaPages->addWidget(m_mediaPage);
    m_pictures = new PicturePanel;
    m_pictures->setContextMenuPolicy(Qt::NoContextMenu);
    m_mediaPages->addWidget(m_pictures);

    m_levelMeter = new LevelMeterPicture(this);
    m_levelMeter->setObjectName(QStringLiteral("levelMeter"));
    // Only shown over the media view: a click or the right-click menu belongs to the view beneath.
    m_levelMeter->setAttribute(Qt::WA_TransparentForMouseEvents);
    m_levelMeter->hide();

    m_controlStrip = new QWidget(this);
    m_controlStrip->setObjectName(QStringLiteral("playerControls"));
    m_transport = new TransportBar(m_controlStrip);
    auto *buttonRow = new QHBoxLayout;
    buttonRow->setSpacing(1);
    buttonRow->setContentsMargins(0, 0, 0, 0);
    for (std::size_t i = 0; i < commands.size(); ++i) {
        auto *button = new FlatButton(m_controlStrip);
        button->setObjectName(commands[i]->objectName() + QLatin1String("Button"));
        button->setText(QString());
        button->setBorderSpace(1);
        button->setToolTip(commands[i]->text());
        button->setAction(commands[i]);
        m_buttons[i] = button;
        buttonRow->addWidget(button);
    }
    buttonRow->addStretch();
    auto *stripLayout = new QVBoxLayout(m_controlStrip);
    stripLayout->setContentsMargins(0, 0, 0, 0);
    stripLayout->setSpacing(1);
    stripLayout->addWidget(m_transport);
    stripLayout->addLayout(buttonRow);

    m_information = new QPlainTextEdit;
    m_information->setObjectName(QStringLiteral("fileInformation"));
    m_information->setAccessibleName(tr("File information"));
    m_information->setReadOnly(true);
    m_information->setPlainText(tr("No info") + QLatin1Char('\n'));
    m_information->setMinimumHeight(fontMetrics().height() * 3);
    m_options = new PlaybackOptionsPanel(options);
    auto *column = new QWidget;
    auto *columnLayout = new QVBoxLayout(column);
    columnLayout->setContentsMargins(0, 0, 0, 0);
    columnLayout->addWidget(m_information, 1);
    columnLayout->addWidget(m_options);
    m_informationArea = new QScrollArea(this);
    m_informationArea->setObjectName(QStringLiteral("fileInformationArea"));
    m_informationArea->setWidget(column);
    m_informationArea->setWidgetResizable(true);
    m_informationArea->setFrameShape(QFrame::NoFrame);

    const Glyphs pictures = glyphs.result();
    for (std::size_t i = 0; i < pictures.size(); ++i)
        m_buttons[i]->setPicture(QPixmap::fromImage(pictures[i]));
}

void PlayerPanel::prepareVideo()
{
    if (!m_makeVideo)
        return;
    QWidget *video = std::exchange(m_makeVideo, nullptr)();
    if (!video)
        return;
    // The video view takes the blank page's place. Shown once, it sets up its drawing at once;
    // a picture being shown comes back to the front.
    video->setObjectName(QStringLiteral("videoView"));
    const bool picturesShown = m_mediaPages->currentWidget() == m_pictures;
    m_mediaPages->removeWidget(m_mediaPage);
    delete m_mediaPage;
    m_mediaPage = video;
    m_mediaPages->insertWidget(0, video);
    m_mediaPages->setCurrentWidget(video);
    if (picturesShown)
        m_mediaPages->setCurrentWidget(m_pictures);
}

void PlayerPanel::showPictures(bool on)
{
    if (!on)
        prepareVideo();
    m_mediaPages->setCurrentWidget(on ? static_cast<QWidget *>(m_pictures) : m_mediaPage);
}

void PlayerPanel::setLevels(double left, double right)
{
    m_levelMeter->setLevels(left, right);
}

void PlayerPanel::setRightClickCommand(int button, QAction *command)
{
    m_buttons.at(std::size_t(button))->setRightClickAction(command);
}

void PlayerPanel::setMediaViewCommands(const QList<QAction *> &commands)
{
    m_mediaView->addActions(commands);
    m_mediaView->setContextMenuPolicy(Qt::ActionsContextMenu);
}

void PlayerPanel::showLevelMeterFor(const QString &path)
{
    m_levelMeter->setVisible(LevelMeterPicture::isShownFor(path));
    m_levelMeter->raise();
}

QSize PlayerPanel::minimumSizeHint() const
{
    const int options = m_informationArea->widget()->minimumSizeHint().width() +
                        m_informationArea->verticalScrollBar()->sizeHint().width();
    // The media view and the strip are two pixels narrower than the panel.
    return QSize(qMax(m_controlStrip->minimumSizeHint().width(), options) + 2, 0);
}

void PlayerPanel::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    // The media view stays square; the information takes what is left below the controls.
    const int side = qMax(0, width() - 2);
    const QRect view(0, 0, side, side);
    m_mediaView->setGeometry(view);
    // Over the media view, leaving 360 twips of it free at the bottom.
    m_levelMeter->setGeometry(view.adjusted(1, 1, -1, -qMin(view.height(), Twips::toPixels(360))));
    m_transport->arrangeFor(side);
    // The read-out may wrap in a narrow pane: the strip's height follows its width.
    const int strip = m_controlStrip->hasHeightForWidth() ? m_controlStrip->heightForWidth(side)
                                                          : m_controlStrip->sizeHint().height();
    m_controlStrip->setGeometry(0, view.bottom() + 3, side, strip);
    const int informationTop = view.bottom() + 3 + strip;
    m_informationArea->setGeometry(0, informationTop, side, qMax(0, height() - informationTop - 2));
}
