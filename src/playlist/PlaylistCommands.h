// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/TextLineFile.h"

#include <QObject>
#include <functional>

class FileIconProvider;
class PlaylistPanel;
class Prompter;
class QWidget;

// The playlist commands that talk to the user: LOAD, SAVE AS and OPTIONS, and the mark on the
// entry the player holds.
class PlaylistCommands : public QObject
{
    Q_OBJECT

public:
    struct Parts
    {
        PlaylistPanel &panel;
        Prompter &prompter;
        FileIconProvider &icons;
        QWidget *window = nullptr;
        // The file the player holds, empty for none.
        std::function<QString()> playingFile;
        // The entries changed: their EditList marks are due again.
        std::function<void()> entriesChanged;
    };

    explicit PlaylistCommands(const Parts &parts, QObject *parent = nullptr);

    // Replaces the playlist with a playlist file the user picks, and selects the entry the player
    // holds.
    void load();
    // Replaces the playlist with a playlist file. The file is read off the window's thread: the
    // playlist changes when the read ends, or stays as it is, with a message, when the file is
    // missing or cannot be read.
    void open(const QString &path);
    // Saves the playlist under a name the user picks; ".m3u" is added to a name without extension.
    // The file is written off the window's thread; a failure is told when the write ends.
    void saveAs();
    // Puts the playlist in order in the playlist window.
    void showOptions();
    // Selects and marks the entry the player holds, alone.
    void highlightPlaying();
    // Marks the entry the player holds, leaving the selection as it is.
    void markPlaying();

private:
    enum class AfterRead
    {
        MarkPlaying,
        SelectPlaying
    };

    void read(const QString &path, AfterRead after);
    void show(const QString &path, TextLineFile::Contents contents, AfterRead after);

    Parts m_parts;
    // The latest read asked for; an earlier one that ends later is dropped.
    int m_lastRead = 0;
};
