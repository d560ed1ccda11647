// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "AppServices.h"
#include "MainWindowParts.h"

class Prompter;
class QMainWindow;
class Settings;
struct SessionState;

// The start-up sequence of the main window: the stored settings and lists applied in order, the
// window shown, the start location opened and the last playlist loaded.
class StartupRestore
{
public:
    StartupRestore(QMainWindow &window, const MainWindowParts &parts, SessionState &state, Settings &settings,
                   Prompter &prompter, const QString &dataFolder, const StartOptions &options);

    // Runs every step; closeSecondCopy is started when another copy was already running.
    void run(const std::function<void()> &closeSecondCopy);

private:
    void restrictTabStops();
    void readDropFlags();
    void applyFilePattern();
    void loadEditList();
    void restoreSplitterShares();
    void restoreAutoPlay();
    void restoreWindowRectangle();
    void restoreLiveResize();
    void restorePlaybackPosition();
    void restoreSpeed();
    void showWindow();
    void openStartLocation();
    void restoreAutoAdvance();
    void recordFirstRun();
    void loadLastPlaylist();
    void reportRefusedList(const QString &list, const QString &path, const QString &problem);

    QMainWindow &m_window;
    MainWindowParts m_parts;
    SessionState &m_state;
    Settings &m_settings;
    Prompter &m_prompter;
    QString m_dataFolder;
    StartOptions m_options;
    bool m_maximise = false;
};
