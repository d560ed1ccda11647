// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class EntryListView;
class FileListController;
class FolderNavigator;
class FolderTree;
class PaneLayout;
class PathBar;
class PlaybackOptions;
class PlayerPanel;
class PlaylistPanel;
class WindowActions;

// The panes and controllers of the main window, handed whole to the classes that restore and save
// them (StartupRestore, ShutdownSave), which touch nearly every pane. The window's command classes
// each take a Parts of their own with only what they use.
struct MainWindowParts
{
    PathBar *pathBar = nullptr;
    FolderTree *folderTree = nullptr;
    EntryListView *fileList = nullptr;
    FileListController *listing = nullptr;
    FolderNavigator *navigator = nullptr;
    PlaylistPanel *playlist = nullptr;
    PlayerPanel *player = nullptr;
    // The player's options, which the options panel shows.
    PlaybackOptions *playbackOptions = nullptr;
    PaneLayout *panes = nullptr;
    WindowActions *actions = nullptr;
};
