// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "editlist/PlayingFile.h"

#include <QObject>
#include <QPointer>

class EditListWindow;
class FileCommands;
class FileIconProvider;
class FileListController;
class FolderNavigator;
class PlaybackCommands;
class Prompter;
class QMainWindow;
class Trash;
struct SessionState;

// The EditList window's life as the main window sees it: one window at a time, the main window
// minimised while it is open when the user wants that, and after it closes the listing marked
// again, the file the user picked shown and the files its jobs took away given back.
class EditListSession : public QObject
{
    Q_OBJECT

public:
    struct Parts
    {
        FileListController &listing;
        FolderNavigator &navigator;
    };

    struct Services
    {
        QMainWindow &window;
        Parts parts;
        SessionState &state;
        Prompter &prompter;
        FileIconProvider &icons;
        Trash &trash;
        PlaybackCommands &playback;
        FileCommands &commands;
    };

    explicit EditListSession(Services services, QObject *parent = nullptr);

    // Opens the window, or brings the open one forward.
    void open();
    EditListWindow *window() const;

Q_SIGNALS:
    // The window has closed and the main window has caught up with it.
    void windowClosed();

private:
    void closed(const QString &showAfterClose);

    Services m_services;
    QPointer<EditListWindow> m_window;
    Qt::WindowStates m_mainWindowState;
};
