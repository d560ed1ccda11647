// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "playback/MediaPlayer.h"

#include <QString>

class AssociationStore;
class StartupReads;
class Prompter;
class Settings;
class FileIconProvider;
class Trash;

// What the composition root hands to the main window: the services it must not build itself, so
// that tests can hand in their own.
struct AppServices
{
    Settings *settings = nullptr;
    Prompter *prompter = nullptr;
    FileIconProvider *icons = nullptr;
    Trash *trash = nullptr;
    MediaPlayer *player = nullptr;
    // Where files.ini and default.m3u live; ends in "/".
    QString dataFolder;
    // Players for the separate windows.
    MediaPlayer::Factory makePlayer;
    // Where the "Browse with Kestrove..." verb is kept; none leaves the Preferences window's
    // association buttons disabled.
    AssociationStore *associations = nullptr;
};

// What the command line and the single-copy check decided.
struct StartOptions
{
    QString commandLine;
    bool anotherInstanceRunning = false;
    // The files the start needs, read while the window was built; none reads each when it is
    // needed.
    StartupReads *reads = nullptr;
};
