// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>
#include <array>
#include <functional>

class FlatButton;
class LevelMeterPicture;
class PicturePanel;
class PlaybackOptions;
class PlaybackOptionsPanel;
class QAction;
class QFrame;
class QPlainTextEdit;
class QScrollArea;
class QStackedLayout;
class TransportBar;

// The player pane: the square media view, the transport bar, the row of player buttons, and
// the file information with the playback options below it, scrolling on short windows.
class PlayerPanel : public QWidget
{
    Q_OBJECT

public:
    // The commands in button order: up one folder, separate window, media window command, open
    // in the default program, preferences, show the playing file, EditList, media player window,
    // about.
    using Commands = std::array<QAction *, 9>;

    PlayerPanel(const Commands &commands, PlaybackOptions &options, QWidget *parent = nullptr);

    QFrame *mediaView() const { return m_mediaView; }
    QPlainTextEdit *fileInformation() const { return m_information; }
    // Play, pause, stop, the position and the volume, under the media view.
    TransportBar *transport() const { return m_transport; }
    // Shows the level meter over the media view while a sound file plays.
    void showLevelMeterFor(const QString &path);
    // The sound's levels for the level meter, 0 to 1.
    void setLevels(double left, double right);
    PicturePanel *pictures() const { return m_pictures; }
    // The picture panel, or the video, in the media view.
    void showPictures(bool on);
    // How the player's video view is made: once, when the first medium is shown, so that a
    // start-up that plays nothing sets up no OpenGL and loads no player.
    void setVideoFactory(std::function<QWidget *()> makeVideo) { m_makeVideo = std::move(makeVideo); }
    // Makes the video view, when it has not been made, and has it set up for drawing.
    void prepareVideo();
    // What a right click on a player button does.
    void setRightClickCommand(int button, QAction *command);
    // The commands offered by a right click on the media view.
    void setMediaViewCommands(const QList<QAction *> &commands);

    // As wide as the buttons in one row, and the options with their scroll bar, need.
    QSize minimumSizeHint() const override;

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    QFrame *m_mediaView = nullptr;
    QStackedLayout *m_mediaPages = nullptr;
    QWidget *m_mediaPage = nullptr;
    std::function<QWidget *()> m_makeVideo;
    PicturePanel *m_pictures = nullptr;
    LevelMeterPicture *m_levelMeter = nullptr;
    QWidget *m_controlStrip = nullptr;
    TransportBar *m_transport = nullptr;
    std::array<FlatButton *, 9> m_buttons{};
    QScrollArea *m_informationArea = nullptr;
    QPlainTextEdit *m_information = nullptr;
    PlaybackOptionsPanel *m_options = nullptr;
};
