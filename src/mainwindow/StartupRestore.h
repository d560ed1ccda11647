// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "mainwindow/AppServices.h"
#include "mainwindow/MainWindowParts.h"

class FilePattern;
class MediaTypes;
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

    // Runs every step.
    void run();

    // The folder the start opens and lists (ending in "/"), empty when it opens none: the one given
    // on the command line, else the one shown last.
    static QString startFolder(const QString &commandLine, const Settings &settings);
    // The pattern the file list is filtered with under these settings.
    static FilePattern listingPattern(const Settings &settings);

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
    void reportRefusedList(const QString &sentence, const QString &path, const QString &problem);
    // Whether the lists were read at start from the data folder this window uses.
    bool earlyReads() const;
    static QString startPath(const QString &commandLine, const Settings &settings);
    static void applyTypeSettings(MediaTypes &types, const Settings &settings);

    QMainWindow &m_window;
    MainWindowParts m_parts;
    SessionState &m_state;
    Settings &m_settings;
    Prompter &m_prompter;
    QString m_dataFolder;
    StartOptions m_options;
    bool m_maximise = false;
};
