// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "browse/FileInformation.h"
#include "editlist/PlayingFile.h"
#include "playback/MediaPlayer.h"

#include <QObject>
#include <memory>
#include <optional>

class AutoAdvance;
class EntryListView;
class FileListController;
class FolderNavigator;
class ListAdvance;
class MainWindow;
class MciInterpreter;
class PathBar;
class PlaybackOptions;
class PlayerPanel;
class PlaylistPanel;
class ScreenSaverHold;
class SeparateWindowCommands;
class SplitterPane;
class ViewerCommands;
class MprisService;
class PictureDescriber;
class Prompter;
class PlayRoutine;
class WindowActions;
struct SessionState;

// Plays the file chosen in the file list in the player pane: opens and starts it as the options
// say, fills the information box, the window caption and the position read-out, and follows the
// player's events.
class PlaybackCommands : public QObject
{
    Q_OBJECT

public:
    struct Parts
    {
        PathBar &pathBar;
        EntryListView &fileList;
        FileListController &listing;
        FolderNavigator &navigator;
        PlaylistPanel &playlist;
        PlayerPanel &player;
        PlaybackOptions &options;
        // The splitter beside the player, which scaling to the video widens or narrows.
        SplitterPane &listsSplitter;
        // The picture viewer's keys trigger the window's commands.
        const WindowActions &actions;
    };

    PlaybackCommands(MainWindow &window, const Parts &parts, SessionState &state, MediaPlayer &player,
                     MediaPlayer::Factory makePlayer, Prompter &prompter, QObject *parent = nullptr);
    ~PlaybackCommands() override;

    // Plays the file selected in the file list.
    void playSelectedFile();
    // The file selected in the file list was double-clicked or entered: a medium plays whatever
    // the autoplay options say; entered, a picture shown opens on the whole screen.
    void playActivatedFile(bool entered);
    // Chooses a playlist entry and opens its file in the main window.
    void playPlaylistEntry(int row);
    // Selects the playing file in its folder without starting it again.
    void showPlayingFile();
    // The player's file as a copy, move or delete job sees it.
    PlayingFile playingFile();
    // Opens a file a job took away again when the file list shows it, starting it only when it was
    // playing.
    void giveBack(const TakenFile &taken);
    // Selects the file the player holds when the file list shows it, without starting it again.
    void selectHeldFile();
    // Asks for a media control command and shows its reply.
    void sendMciCommand();
    SeparateWindowCommands *separateWindows() const { return m_separateWindows; }
    // Gives the player pane the width of the video at its own size.
    void scaleToFitVideo();
    // The shutdown order: the position is kept, the player stopped and closed.
    void shutDown();
    // "Autoplay at start" is for the file the start opened: a file chosen afterwards, the first
    // included, obeys "Autoplay on click".
    void startUpEnded();
    // Stops the medium, which stays open: another program is about to open a file.
    void stop();
    // The window's keys for the medium open: play or pause it, and move it on or back, playing
    // on when it played.
    void playOrPause();
    void seekBy(qint64 milliseconds);
    void seekTo(qint64 milliseconds);
    // Stops the medium and takes it back to its start.
    void stopAtStart();

private:
    // The file list's current entry was clicked.
    void chooseAgain(int row);
    void setUpAutoAdvance();
    void setUpTransport();
    void setMuted(bool muted);
    void updateReadOut();
    void opened(const QString &path, bool speedReset);
    // Adds what the medium tells of itself to the information box.
    void described(const QString &path, const MediaFacts &facts);
    // Adds a picture's dimensions and facts to the information box.
    void pictureDescribed(const QString &path, const QStringList &lines);
    // Closes the file held, and shows and offers no file, as after a start.
    void letGo();

    MainWindow &m_window;
    Parts m_parts;
    SessionState &m_state;
    MediaPlayer &m_player;
    Prompter &m_prompter;
    MciInterpreter *m_mci = nullptr;
    PlayRoutine *m_routine = nullptr;
    MprisService *m_mpris = nullptr;
    FileInformation m_information;
    SeparateWindowCommands *m_separateWindows = nullptr;
    ScreenSaverHold *m_screenSaver = nullptr;
    AutoAdvance *m_advance = nullptr;
    // The advance, not a person, is choosing the file.
    bool m_advancing = false;
    std::unique_ptr<ListAdvance> m_fileAdvance;
    std::unique_ptr<ListAdvance> m_playlistAdvance;
    ViewerCommands *m_viewer = nullptr;
    PictureDescriber *m_pictureDescriber = nullptr;
    bool m_showingPicture = false;
    bool m_muted = false;
    bool m_offeredOnBus = false;
    // The chosen file could not be played.
    bool m_failed = false;
    QString m_playingFile;
    // The information box's lines about the file, before the medium has described itself.
    QStringList m_informationLines;
    // Set while a file taken away by a job is opened again: whether it starts.
    std::optional<bool> m_startOverride;
    QString m_lastMciCommand;
};
