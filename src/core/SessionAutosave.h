// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QTimer>
#include <functional>

class EditListStore;
class QAbstractItemModel;

// Keeps what a person made safe while the program runs. About once a second the settings that
// changed are written, and the EditList and playlist files when their entries changed, each file
// replaced whole. Qt ends the program without the closing save when the display goes away (the X
// server or the compositor ends); a crash or SIGKILL skips it too: then at most the last second is
// lost.
class SessionAutosave : public QObject
{
    Q_OBJECT

public:
    struct Steps
    {
        std::function<void()> saveSettings;
        std::function<void()> saveEditList;
        std::function<void()> savePlaylist;
        // Brings changes kept elsewhere (a working copy of the EditList) into what is saved.
        std::function<void()> collect = [] {};
    };

    static constexpr int IntervalMs = 1000;

    // What is there now counts as saved.
    SessionAutosave(Steps steps, const EditListStore &editList, const QAbstractItemModel &playlist,
                    QObject *parent = nullptr);

    // Writes what changed since the last save.
    void saveChanges();
    // No more saving: the closing save takes over.
    void stop() { m_timer.stop(); }

private:
    Steps m_steps;
    const EditListStore &m_editList;
    quint64 m_savedEditList;
    bool m_playlistChanged = false;
    QTimer m_timer;
};
