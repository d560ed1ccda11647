// SPDX-License-Identifier: GPL-3.0-or-later
#include "PlaybackCommands.h"

#include "EntryListModel.h"
#include "EntryListView.h"
#include "ExternalPlayerWindow.h"
#include "FileListController.h"
#include "FolderNavigator.h"
#include "FullScreenVideo.h"
#include "MciInterpreter.h"
#include "MediaPlayer.h"
#include "MprisService.h"
#include "NativePath.h"
#include "PaneLayout.h"
#include "PathBar.h"
#include "PlayRoutine.h"
#include "PlaybackOptionsPanel.h"
#include "PlayerPanel.h"
#include "PositionReadOut.h"
#include "Prompter.h"
#include "SeparatePlayback.h"
#include "SeparateVideoWindow.h"
#include "SessionState.h"
#include "Slider.h"
#include "SplitterPane.h"
#include "Twips.h"
#include "VersionTitle.h"

#include <QCheckBox>
#include <QComboBox>
#include <QMainWindow>
#include <QPlainTextEdit>
#include <QScreen>
#include <QTimer>
#include <limits>

namespace {

constexpr int ReadOutIntervalMs = 50;

} // namespace

PlaybackCommands::PlaybackCommands(QMainWindow &window, const MainWindowParts &parts, SessionState &state,
                                   MediaPlayer &player, MediaPlayer::Factory makePlayer, Prompter &prompter,
                                   QObject *parent)
    : QObject(parent), m_window(window), m_parts(parts), m_state(state), m_player(player),
      m_makePlayer(std::move(makePlayer)), m_prompter(prompter), m_mci(new MciInterpreter(player, this)),
      m_routine(new PlayRoutine(player, *m_mci, this)), m_information(prompter)
{
    connect(m_routine, &PlayRoutine::opened, this, &PlaybackCommands::opened);
    m_readOutTimer = new QTimer(this);
    m_readOutTimer->setInterval(ReadOutIntervalMs);
    connect(m_readOutTimer, &QTimer::timeout, this, &PlaybackCommands::updateReadOut);
    m_readOutTimer->start();
    MprisService::Hooks hooks;
    hooks.next = [this] { m_parts.navigator->goToNextFile(); };
    hooks.previous = [this] { m_parts.navigator->goToPreviousFile(); };
    hooks.raise = [this] {
        m_window.showNormal();
        m_window.raise();
        m_window.activateWindow();
    };
    hooks.quit = [this] { m_window.close(); };
    m_mpris = new MprisService(player, hooks, this);
    if (QDBusConnection::sessionBus().isConnected())
        m_mpris->registerOn(QDBusConnection::sessionBus());
    Slider *speed = m_parts.player->options()->speedSlider;
    connect(speed, &Slider::valueScrolled, this, [this](int percent) { m_player.setSpeed(percent * 10); });
    connect(&m_player, &MediaPlayer::levelsChanged, m_parts.player, &PlayerPanel::setLevels);
}

PlaybackCommands::~PlaybackCommands() = default;

void PlaybackCommands::playSelectedFile()
{
    const int row = m_parts.fileList->currentRow();
    if (row <= 0 || m_parts.fileList->items()->kind(row) != ListEntry::Kind::File)
        return;
    const QString path = m_parts.listing->fullPath(row);
    if (m_routine->isFirstPlay()) {
        // The file and position of the last session, for "Remember position".
        m_routine->setLastPlayedFile(m_state.currentFile);
        m_routine->setLastPosition(m_state.lastPosition);
    }
    if (m_state.types.isPicture(path)) {
        m_routine->close();
    } else {
        const PlaybackOptionsPanel *options = m_parts.player->options();
        PlayRoutine::Options chosen;
        chosen.autoPlayOnClick = options->autoPlay->isChecked();
        chosen.autoPlayAtStart = options->autoPlayAtStart->isChecked();
        chosen.rememberPosition = options->rememberPosition->isChecked();
        chosen.keepSpeed = options->keepSpeed->isChecked();
        chosen.offsetChoice = options->startOffset->currentIndex();
        chosen.speedPercent = options->speedSlider->value();
        // The file already playing plays on untouched.
        if (!m_routine->play(path, chosen))
            return;
        m_playingFile = path;
        m_state.currentFile = path;
        m_state.lastPlayedPath = path;
    }
    m_parts.player->showLevelMeterFor(path);
    m_parts.pathBar->setText(path);
    const FileInformation::Description description = m_information.describe(path);
    m_parts.player->fileInformation()->setPlainText(description.lines.join(QLatin1Char('\n')));
    m_window.setWindowTitle(versionTitle() + QLatin1String(" - ") + NativePath::forDisplay(path) +
                            QLatin1String(" (") + description.size + QLatin1Char(')'));
}

void PlaybackCommands::showPlayingFile()
{
    if (m_playingFile.isEmpty())
        return;
    m_routine->setAutoplaySuppressed(true);
    m_parts.pathBar->setText(m_playingFile);
    m_parts.navigator->openTypedPath(m_playingFile);
    m_routine->setAutoplaySuppressed(false);
}

void PlaybackCommands::sendMciCommand()
{
    const std::optional<QString> typed =
        m_prompter.input(tr("MCI COMMAND:"), tr("SEND MCI COMMAND TO DRIVER"), m_lastMciCommand);
    if (!typed)
        return;
    m_lastMciCommand = *typed;
    if (typed->isEmpty())
        return;
    const QString reply = m_mci->run(*typed);
    if (!reply.isEmpty())
        m_prompter.message(reply, ProgramTitle, Prompter::Buttons::Ok, Prompter::Icon::Exclamation);
}

void PlaybackCommands::playInSeparateWindow(bool carryPosition)
{
    handOver(SeparateWindow::Video, carryPosition);
}

void PlaybackCommands::playInPlayerWindow(bool carryPosition)
{
    handOver(SeparateWindow::Player, carryPosition);
}

void PlaybackCommands::handOver(SeparateWindow kind, bool carryPosition)
{
    const QString source = m_player.fileName();
    if (source.isEmpty() || !m_makePlayer)
        return;
    std::unique_ptr<MediaPlayer> second = m_makePlayer();
    if (!second)
        return;
    const bool wasPlaying = m_mci->run(QStringLiteral("status mode")).toLower() == QLatin1String("playing");
    m_player.stop();
    SeparatePlayback::Start start{source, carryPosition, m_routine->lastPosition(), 0, 100};
    std::unique_ptr<QDialog> window;
    if (kind != SeparateWindow::Player) {
        // The separate video window follows the start offset and the speed; the player window
        // starts at the beginning at normal speed, as a plain player does.
        const PlaybackOptionsPanel *options = m_parts.player->options();
        start.offsetChoice = options->startOffset->currentIndex();
        start.speedPercent = options->speedSlider->value();
    }
    SeparatePlayback playback(*second, start);
    if (kind == SeparateWindow::Video) {
        window = std::make_unique<SeparateVideoWindow>(*second, playback, &m_window);
    } else if (kind == SeparateWindow::Player) {
        window = std::make_unique<ExternalPlayerWindow>(*second, &m_window);
    } else {
        window = std::make_unique<FullScreenVideo>(*second, &m_window);
        // Placed on the window's screen first: without a window manager the request alone does
        // nothing.
        window->setGeometry(m_window.screen()->geometry());
        window->setWindowState(Qt::WindowFullScreen);
    }
    playback.begin();
    window->exec();
    const std::optional<qint64> handedBack = playback.finish();
    // The window and its view go before their player.
    window.reset();
    if (handedBack) {
        m_routine->setLastPosition(*handedBack);
        m_mci->run(QStringLiteral("seek to %1").arg(*handedBack));
    }
    if (wasPlaying)
        m_player.play();
}

void PlaybackCommands::showFullScreenVideo()
{
    handOver(SeparateWindow::FullScreen, true);
}

void PlaybackCommands::scaleToFitVideo()
{
    const QSize video = m_player.videoSize();
    if (video.isEmpty())
        return;
    SplitterPane *lists = m_parts.panes->listsSplitter();
    const double twipsPerPixel = Twips::perPixelX(*lists);
    lists->setLeftWidthTwips(int(lists->scaleWidth() - video.width() * twipsPerPixel - 30));
}

void PlaybackCommands::shutDown()
{
    // Without a file played this session the stored position stays as it was.
    if (!m_routine->isFirstPlay())
        m_state.lastPosition =
            qint32(qBound(qint64(0), m_routine->lastPosition(), qint64(std::numeric_limits<qint32>::max())));
    m_player.stop();
    m_mci->run(QStringLiteral("Close"));
}

void PlaybackCommands::updateReadOut()
{
    m_parts.player->setReadOut(PositionReadOut::text(m_routine->lastPosition(), m_routine->length()));
}

void PlaybackCommands::opened(const QString &path, bool speedReset)
{
    m_mpris->setTrack(path, m_routine->length());
    if (speedReset)
        m_parts.player->options()->speedSlider->setValue(100);
    const QString tail = path.right(4).toLower();
    const bool video = tail == QLatin1String(".avi") || tail == QLatin1String(".mpg") ||
                       tail == QLatin1String(".mov") || tail == QLatin1String("mpeg");
    if (video && m_window.isMinimized())
        m_window.showNormal();
}
