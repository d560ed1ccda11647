// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "mainwindow/MainWindowParts.h"

#include <QString>

class Prompter;
class QMainWindow;
class Settings;
struct SessionState;

// What the main window stores: the playback options, the splitters, the window rectangle and
// state, the location, and the EditList and playlist files; all of it when the window closes, and
// what has changed while it is open.
class ShutdownSave
{
public:
    // Unattended (the session ends on a termination signal), nothing waits on a person: problems
    // go to the log.
    ShutdownSave(const QMainWindow &window, const MainWindowParts &parts, const SessionState &state,
                 Settings &settings, Prompter &prompter, const QString &dataFolder, bool unattended);

    // Writes everything, unless the session is a second copy's: that one writes nothing.
    void run();
    // The parts of run(), for saving while the program runs.
    void saveSettings();
    void saveEditList();
    void savePlaylist();

private:
    void storeSettings();
    void savePlaybackOptions();
    void saveSplitterShares();
    void saveWindow();
    void saveLocation();
    void reportUnsavedList(const QString &sentence, const QString &path, const QString &problem);

    const QMainWindow &m_window;
    MainWindowParts m_parts;
    const SessionState &m_state;
    Settings &m_settings;
    Prompter &m_prompter;
    QString m_dataFolder;
    bool m_unattended;
};
