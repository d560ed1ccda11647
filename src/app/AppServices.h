#pragma once

#include <QString>

class Prompter;
class SettingsStore;
class SystemImageList;
class Trash;

// What the composition root hands to the main window: the services it must not build itself, so
// that tests can hand in their own.
struct AppServices
{
    SettingsStore *settings = nullptr;
    Prompter *prompter = nullptr;
    SystemImageList *icons = nullptr;
    Trash *trash = nullptr;
    // Where files.ini and default.m3u live; ends in "/".
    QString dataFolder;
};

struct StartOptions
{
    QString commandLine;
    bool anotherInstanceRunning = false;
};
