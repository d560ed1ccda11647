// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QStringList>
#include <functional>

class EntryListView;
class FileListController;
class FolderNavigator;
class PicturePanel;
class PicturePreloader;
class PictureViewer;
class PlaybackOptions;
class Prompter;
class QMainWindow;
class WindowActions;
struct SessionState;

// The full-screen picture viewer as the main window runs it: opened on the picture shown, its keys
// acting on the file list, the EditList and the slide show, handed each new picture, closed when a
// medium is played. While a picture is shown, in the viewer or the preview, the pictures before
// and after it in the file list are decoded ahead at the size the one or the other shows them.
class ViewerCommands : public QObject
{
    Q_OBJECT

public:
    // The banner's information: the file's own lines of the information box (its size), not what the
    // medium adds later.
    using Information = std::function<QStringList()>;

    struct Parts
    {
        // The player's preview, whose picture the viewer opens on.
        PicturePanel &pictures;
        EntryListView &fileList;
        FileListController &listing;
        FolderNavigator &navigator;
        PlaybackOptions &options;
        // The viewer's keys trigger the window's own EditList and delete commands.
        const WindowActions &actions;
    };

    ViewerCommands(QMainWindow &window, const Parts &parts, const SessionState &state, Prompter &prompter,
                   Information information, QObject *parent = nullptr);

    // Opens the viewer on the picture shown, until it is closed; a picture that could not be read
    // gives a message instead.
    void open();
    // Hands an open viewer a new picture.
    void showPicture(const QString &path);
    // Closes an open viewer; no picture is shown any more.
    void close();

private:
    void preload();

    QMainWindow &m_window;
    Parts m_parts;
    const SessionState &m_state;
    Prompter &m_prompter;
    Information m_information;
    PictureViewer *m_viewer = nullptr;
    PicturePreloader *m_preloader = nullptr;
};
