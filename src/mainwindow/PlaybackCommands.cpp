// SPDX-License-Identifier: GPL-3.0-or-later
#include "mainwindow/PlaybackCommands.h"

#include "browse/EntryListModel.h"
#include "browse/EntryListView.h"
#include "browse/FileListController.h"
#include "browse/FolderNavigator.h"
#include "browse/PathBar.h"
#include "core/Paths.h"
#include "core/Twips.h"
#include "core/VersionTitle.h"
#include "mainwindow/ListAdvance.h"
#include "mainwindow/MainWindow.h"
#include "mainwindow/SeparateWindowCommands.h"
#include "mainwindow/SessionState.h"
#include "mainwindow/ViewerCommands.h"
#include "pictures/PictureDescriber.h"
#include "pictures/PicturePanel.h"
#include "platform/NativePath.h"
#include "platform/Prompter.h"
#include "platform/ScreenSaverInhibitor.h"
#include "platform/WindowSystem.h"
#include "playback/AutoAdvance.h"
#include "playback/LevelMeterPicture.h"
#include "playback/MciInterpreter.h"
#include "playback/MediaPlayer.h"
#include "playback/MprisService.h"
#include "playback/PlayRoutine.h"
#include "playback/PlaybackOptions.h"
#include "playback/PlayerPanel.h"
#include "playback/ScreenSaverHold.h"
#include "playback/TransportBar.h"
#include "playlist/PlaylistPanel.h"
#include "widgets/SplitterPane.h"

#include <QCheckBox>
#include <QPlainTextEdit>
#include <QScopedValueRollback>
#include <limits>
#include <utility>

PlaybackCommands::PlaybackCommands(MainWindow &window, const Parts &parts, SessionState &state,
                                   MediaPlayer &player, MediaPlayer::Factory makePlayer, Prompter &prompter,
                                   QObject *parent)
    : QObject(parent), m_window(window), m_parts(parts), m_state(state), m_player(player),
      m_prompter(prompter), m_mci(new MciInterpreter(player, this)), m_routine(new PlayRoutine(player, this)),
      m_information(prompter)
{
    connect(m_routine, &PlayRoutine::opened, this, &PlaybackCommands::opened);
    // The inhibitor goes with the hold, after it: nothing the hold hears as it goes reaches a
    // released inhibitor, and the inhibitor's end lets go of the screen.
    m_screenSaver = new ScreenSaverHold({}, this);
    auto *inhibitor = new ScreenSaverInhibitor(tr("Playing a video"), m_screenSaver);
    m_screenSaver->setHold([inhibitor](bool held) { inhibitor->setHeld(held); });
    m_screenSaver->follow(player);
    m_separateWindows = new SeparateWindowCommands(
        {window, m_parts.options, player, std::move(makePlayer), *m_routine, *m_screenSaver}, this);
    // The read-out follows the player, which tells each new position: a timer would wake the
    // program many times a second even while nothing plays.
    connect(&m_player, &MediaPlayer::positionChanged, this, &PlaybackCommands::updateReadOut);
    connect(&m_player, &MediaPlayer::modeChanged, this, &PlaybackCommands::updateReadOut);
    MprisService::Hooks hooks;
    hooks.next = [this] { m_parts.navigator.goToNextFile(); };
    hooks.previous = [this] { m_parts.navigator.goToPreviousFile(); };
    hooks.raise = [this] {
        m_window.showNormal();
        WindowSystem::bringForward(m_window);
    };
    hooks.quit = [this] { m_window.close(); };
    PlaybackOptions *options = &m_parts.options;
    hooks.advancing = [options] { return options->autoAdvance(); };
    hooks.setAdvancing = [options](bool on) { options->setAutoAdvance(on); };
    hooks.open = [this](const QString &path) { m_window.openHandedPath(path); };
    m_mpris = new MprisService(player, hooks, this);
    connect(options, &PlaybackOptions::autoAdvanceChanged, m_mpris, &MprisService::announceLoopStatus);
    // The speed is given to the player when the slider is let go.
    connect(options, &PlaybackOptions::speedSettled, this,
            [this](int percent) { m_player.setSpeed(qMax(1, percent) * 10); });
    connect(&m_player, &MediaPlayer::fileFailed, this, [this] { m_failed = true; });
    connect(&m_player, &MediaPlayer::partUnavailable, this, [this](const QString &text) {
        m_prompter.message(text, ProgramTitle, Prompter::Buttons::Ok, Prompter::Icon::Exclamation);
    });
    setUpAutoAdvance();
    setUpTransport();
    m_viewer = new ViewerCommands(
        window,
        {*m_parts.player.pictures(), m_parts.fileList, m_parts.listing, m_parts.navigator, m_parts.options,
         m_parts.actions},
        m_state, prompter, [this] { return m_informationLines; }, this);
    connect(m_parts.player.pictures(), &PicturePanel::clicked, m_viewer, &ViewerCommands::open);
    connect(&m_player, &MediaPlayer::levelsChanged, &m_parts.player, &PlayerPanel::setLevels);
    connect(&m_player, &MediaPlayer::mediumDescribed, this, &PlaybackCommands::described);
    connect(&m_parts.fileList, &EntryListView::chosenAgain, this, &PlaybackCommands::chooseAgain);
    m_pictureDescriber = new PictureDescriber(this);
    connect(m_pictureDescriber, &PictureDescriber::described, this, &PlaybackCommands::pictureDescribed);
}

PlaybackCommands::~PlaybackCommands() = default;

void PlaybackCommands::playSelectedFile()
{
    const int row = m_parts.fileList.currentRow();
    if (row <= 0 || m_parts.fileList.items()->kind(row) != ListEntry::Kind::File)
        return;
    const QString path = m_parts.listing.fullPath(row);
    if (m_routine->isFirstPlay()) {
        // The file and position of the last session, for "Remember position".
        m_routine->setLastPlayedFile(m_state.currentFile);
        m_routine->setLastPosition(m_state.lastPosition);
    }
    const PlaybackOptions *options = &m_parts.options;
    if (m_state.types.isPicture(path)) {
        m_routine->showPicture(path);
        m_showingPicture = true;
        updateReadOut();
        m_parts.player.setLevels(0, 0);
        m_parts.player.pictures()->showPicture(path);
        m_parts.player.showPictures(true);
        m_advance->pictureShown(options->slideDelayChoice());
    } else {
        PlayRoutine::Options chosen = options->forPlaying();
        chosen.autoPlayOnClick = m_startOverride.value_or(chosen.autoPlayOnClick);
        // The video view is ready to draw before the first medium opens: libmpv gives video only
        // to a view that exists when the file starts.
        m_parts.player.prepareVideo();
        m_player.setLevelsMeasured(LevelMeterPicture::isShownFor(path));
        // The file already playing plays on untouched.
        if (!m_routine->play(path, chosen))
            return;
        m_showingPicture = false;
        updateReadOut();
        m_failed = false;
        m_parts.player.pictures()->clear();
        m_parts.player.showPictures(false);
        m_advance->mediumShown();
        m_viewer->close();
    }
    EntryListModel *playlist = m_parts.playlist.view()->items();
    playlist->setPlaying(playlist->findItem(path));
    m_playingFile = path;
    m_state.currentFile = path;
    m_state.lastPlayedPath = path;
    m_parts.player.showLevelMeterFor(path);
    m_parts.pathBar.setText(path);
    // The automatic advance waits on nobody: a file it comes to that cannot be described says so
    // in the information box.
    const FileInformation::Description description = m_information.describe(
        path, m_advancing ? FileInformation::Problems::InLines : FileInformation::Problems::InBox);
    m_informationLines = description.lines;
    m_parts.player.fileInformation()->setPlainText(m_informationLines.join(QLatin1Char('\n')));
    m_window.setWindowTitle(versionTitle() + QLatin1String(" - ") + NativePath::forDisplay(path) +
                            QLatin1String(" (") + description.size + QLatin1Char(')'));
    // The viewer's banner reads the information just written.
    if (m_showingPicture) {
        m_viewer->showPicture(path);
        m_pictureDescriber->describe(path);
    }
}

void PlaybackCommands::playActivatedFile(bool entered)
{
    const int row = m_parts.fileList.currentRow();
    if (row <= 0 || m_parts.fileList.items()->kind(row) != ListEntry::Kind::File)
        return;
    const QString path = m_parts.listing.fullPath(row);
    if (m_state.types.isPicture(path)) {
        if (entered && m_showingPicture)
            m_viewer->open();
        return;
    }
    if (m_playingFile != path)
        playSelectedFile();
    m_player.play();
}

void PlaybackCommands::setUpAutoAdvance()
{
    PlaybackOptions *options = &m_parts.options;
    PlaylistPanel *playlist = &m_parts.playlist;
    m_fileAdvance = std::make_unique<ListAdvance>(m_parts.fileList, [this](int row) {
        const QScopedValueRollback<bool> advancing(m_advancing, true);
        m_parts.fileList.setCurrentRow(row);
    });
    m_playlistAdvance = std::make_unique<ListAdvance>(*playlist->view(), [this, playlist](int row) {
        const QScopedValueRollback<bool> advancing(m_advancing, true);
        // The advance leaves the entry it moves to as the only one selected.
        playlist->view()->clearSelection();
        playlist->view()->setCurrentRow(row);
        playPlaylistEntry(row);
    });
    AutoAdvance::Hooks hooks;
    // A shown picture, and a file that could not be played, count as finished.
    hooks.finished = [this] {
        return m_showingPicture || m_failed || m_routine->lastPosition() >= m_routine->length();
    };
    hooks.usePlaylist = [playlist] { return playlist->usePlaylist()->isChecked(); };
    hooks.stopUsingPlaylist = [playlist] { playlist->usePlaylist()->setChecked(false); };
    hooks.turnOff = [options] { options->setAutoAdvance(false); };
    m_advance = new AutoAdvance(*m_fileAdvance, *m_playlistAdvance, hooks, this);
    connect(options, &PlaybackOptions::autoAdvanceChanged, this,
            [this](bool on) { m_advance->setOn(on, m_player.mode() == MediaPlayer::Stopped); });
    connect(options, &PlaybackOptions::slideDelayChoiceChanged, this, [this](int index) {
        if (m_showingPicture)
            m_advance->pictureShown(index);
    });
}

void PlaybackCommands::playPlaylistEntry(int row)
{
    EntryListView *view = m_parts.playlist.view();
    if (row >= 0 && row < view->items()->count()) {
        const QString path = view->items()->text(row);
        if (Paths::fileExists(path))
            m_parts.navigator.openPath(path);
    }
    m_parts.playlist.usePlaylist()->setChecked(true);
}

void PlaybackCommands::chooseAgain(int row)
{
    // A click on the chosen entry changes no current entry, yet chooses it as a click on another
    // one does: a medium that does not play opens again and starts as the options say, one that
    // plays plays on, and a picture stays as it is shown.
    if (row == m_parts.fileList.currentRow() && !m_state.types.isPicture(m_parts.listing.fullPath(row)))
        playSelectedFile();
}

void PlaybackCommands::showPlayingFile()
{
    if (m_playingFile.isEmpty())
        return;
    m_routine->setAutoplaySuppressed(true);
    m_parts.pathBar.setText(m_playingFile);
    m_parts.navigator.openTypedPath(m_playingFile);
    m_routine->setAutoplaySuppressed(false);
}

PlayingFile PlaybackCommands::playingFile()
{
    PlayingFile file;
    file.fileName = [this] { return m_player.fileName(); };
    file.isPlaying = [this] { return m_player.mode() == MediaPlayer::Playing; };
    file.release = [this] { letGo(); };
    return file;
}

void PlaybackCommands::letGo()
{
    // The file is about to go (to the trash, or elsewhere): nothing may name it as held any more.
    m_routine->close();
    m_playingFile.clear();
    m_informationLines.clear();
    m_parts.player.fileInformation()->clear();
    m_parts.player.setLevels(0, 0);
    m_parts.playlist.view()->items()->setPlaying(-1);
    m_mpris->setTrack(QString(), 0);
    m_window.setWindowTitle(versionTitle());
    updateReadOut();
}

void PlaybackCommands::giveBack(const TakenFile &taken)
{
    if (taken.path.isEmpty() || !Paths::fileExists(taken.path))
        return;
    if (Paths::folderOf(taken.path) != m_parts.listing.folder())
        return;
    const int row = m_parts.fileList.items()->findItem(Paths::fileNameOf(taken.path));
    if (row <= 0)
        return;
    m_startOverride = taken.wasPlaying;
    // The entry may be the current one already: choosing it again would not open it.
    if (m_parts.fileList.currentRow() == row)
        playSelectedFile();
    else
        m_parts.fileList.setCurrentRow(row);
    m_startOverride.reset();
}

void PlaybackCommands::selectHeldFile()
{
    const QString held = m_player.fileName();
    if (held.isEmpty() || Paths::folderOf(held) != m_parts.listing.folder())
        return;
    m_routine->setAutoplaySuppressed(true);
    m_parts.navigator.selectEntry(Paths::fileNameOf(held));
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

void PlaybackCommands::scaleToFitVideo()
{
    const QSize video = m_player.videoSize();
    if (video.isEmpty())
        return;
    SplitterPane *lists = &m_parts.listsSplitter;
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
    m_player.close();
}

void PlaybackCommands::startUpEnded()
{
    m_routine->endStartUp();
}

void PlaybackCommands::stop()
{
    m_player.stop();
}

void PlaybackCommands::playOrPause()
{
    if (m_showingPicture || m_player.fileName().isEmpty())
        return;
    if (m_player.mode() == MediaPlayer::Playing)
        m_player.pause();
    else
        m_player.play();
}

void PlaybackCommands::seekBy(qint64 milliseconds)
{
    seekTo(m_player.position() + milliseconds);
}

void PlaybackCommands::seekTo(qint64 milliseconds)
{
    if (m_showingPicture || m_player.fileName().isEmpty() || m_player.length() <= 0)
        return;
    m_player.moveTo(qBound(qint64(0), milliseconds, m_player.length()));
}

void PlaybackCommands::stopAtStart()
{
    if (m_showingPicture || m_player.fileName().isEmpty())
        return;
    m_player.seek(0);
}

void PlaybackCommands::setUpTransport()
{
    TransportBar *transport = m_parts.player.transport();
    connect(transport, &TransportBar::playOrPauseClicked, this, &PlaybackCommands::playOrPause);
    connect(transport, &TransportBar::stopClicked, this, &PlaybackCommands::stopAtStart);
    connect(transport, &TransportBar::positionChosen, this, &PlaybackCommands::seekTo);
    connect(transport, &TransportBar::volumeChosen, this, [this](int percent) {
        m_player.setVolume(percent * 10);
        // Turning the volume up is meant to be heard.
        if (m_muted && percent > 0)
            setMuted(false);
    });
    connect(transport, &TransportBar::muteClicked, this, [this] { setMuted(!m_muted); });
    connect(&m_player, &MediaPlayer::modeChanged, transport, &TransportBar::showMode);
    // The volume may be set elsewhere too, by a player applet.
    connect(&m_player, &MediaPlayer::volumeChanged, transport,
            [this, transport](int perMille) { transport->showVolume(perMille / 10, m_muted); });
    transport->showVolume(m_player.volume() / 10, m_muted);
}

void PlaybackCommands::setMuted(bool muted)
{
    m_muted = muted;
    m_player.setAudioOn(!muted);
    m_parts.player.transport()->showVolume(m_player.volume() / 10, muted);
}

void PlaybackCommands::updateReadOut()
{
    // A picture has no position: the last medium's would be stale.
    if (m_showingPicture)
        m_parts.player.transport()->showPosition(0, 0);
    else
        m_parts.player.transport()->showPosition(m_routine->lastPosition(), m_routine->length());
}

void PlaybackCommands::described(const QString &path, const MediaFacts &facts)
{
    // The player may have moved on while the medium was described.
    if (m_showingPicture || path != m_playingFile)
        return;
    const QStringList lines = facts.lines();
    if (!lines.isEmpty())
        m_parts.player.fileInformation()->setPlainText((m_informationLines + lines).join(QLatin1Char('\n')));
}

void PlaybackCommands::pictureDescribed(const QString &path, const QStringList &lines)
{
    // Another file may have been chosen while the picture was described.
    if (!m_showingPicture || path != m_playingFile || lines.isEmpty())
        return;
    m_parts.player.fileInformation()->setPlainText((m_informationLines + lines).join(QLatin1Char('\n')));
}

void PlaybackCommands::opened(const QString &path, bool speedReset)
{
    // The player is offered on the session bus once it has something to play: a start-up that
    // plays nothing does not connect to the bus.
    if (!std::exchange(m_offeredOnBus, true) && QDBusConnection::sessionBus().isConnected())
        m_mpris->registerOn(QDBusConnection::sessionBus());
    m_mpris->setTrack(path, m_routine->length());
    updateReadOut();
    if (speedReset)
        m_parts.options.resetSpeed();
    const QString tail = path.right(4).toLower();
    const bool video = tail == QLatin1String(".avi") || tail == QLatin1String(".mpg") ||
                       tail == QLatin1String(".mov") || tail == QLatin1String("mpeg");
    if (video && m_window.isMinimized())
        m_window.showNormal();
}
