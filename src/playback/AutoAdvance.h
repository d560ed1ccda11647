// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <functional>

class AdvanceList;
class QTimer;

// "Auto play next": while on, a timer looks once a second whether the medium has reached its end
// (a picture shown counts as finished, and waits for the slide delay first) and then chooses the
// next file of the file list, or the next entry of the playlist while that is in use. At the end
// of the list it starts again at the top; a list without files, or whose one file has been shown,
// turns it off.
class AutoAdvance : public QObject
{
    Q_OBJECT

public:
    static constexpr int MediaPollMs = 1000;

    struct Hooks
    {
        // The shown medium has played to its end, or a picture is shown.
        std::function<bool()> finished;
        // Whether the advance moves through the playlist; it is told to stop when the playlist
        // is empty.
        std::function<bool()> usePlaylist;
        std::function<void()> stopUsingPlaylist;
        // Turns "Auto play next" off, as the user would.
        std::function<void()> turnOff;
    };

    AutoAdvance(AdvanceList &files, AdvanceList &playlist, const Hooks &hooks, QObject *parent = nullptr);

    // "Auto play next" switched on or off; stopped is whether the player last reported that it
    // stands still. Switched on while nothing plays, it starts the chosen file's wait, or chooses
    // the first entry.
    void setOn(bool on, bool stopped);
    bool isOn() const;

    // A medium is shown: it is polled once a second.
    void mediumShown();
    // A picture is shown: it stays for the slide delay, the entry of the delay list (0 is one
    // second, n is n + 1 seconds).
    void pictureShown(int delayChoice);
    int interval() const;

    // One look at the player, as the timer does it.
    void tick();

private:
    AdvanceList &m_files;
    AdvanceList &m_playlist;
    Hooks m_hooks;
    QTimer *m_timer = nullptr;
};
