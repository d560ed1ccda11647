// SPDX-License-Identifier: GPL-3.0-or-later
#include "playback/AutoAdvance.h"

#include "playback/AdvanceList.h"

#include <QTimer>

AutoAdvance::AutoAdvance(AdvanceList &files, AdvanceList &playlist, const Hooks &hooks, QObject *parent)
    : QObject(parent), m_files(files), m_playlist(playlist), m_hooks(hooks), m_timer(new QTimer(this))
{
    m_timer->setInterval(MediaPollMs);
    connect(m_timer, &QTimer::timeout, this, &AutoAdvance::tick);
}

void AutoAdvance::setOn(bool on, bool stopped)
{
    if (!on) {
        m_timer->stop();
        return;
    }
    if (!stopped || m_files.current() >= 0) {
        m_timer->start();
        return;
    }
    if (m_files.count() > 0) {
        m_files.choose(0);
        m_timer->start();
    }
}

bool AutoAdvance::isOn() const
{
    return m_timer->isActive();
}

void AutoAdvance::mediumShown()
{
    m_timer->setInterval(MediaPollMs);
}

void AutoAdvance::pictureShown(int delayChoice)
{
    m_timer->setInterval((qMax(0, delayChoice) + 1) * 1000);
}

int AutoAdvance::interval() const
{
    return m_timer->interval();
}

void AutoAdvance::tick()
{
    if (!m_hooks.finished())
        return;
    if (m_hooks.usePlaylist() && m_playlist.count() == 0)
        m_hooks.stopUsingPlaylist();
    if (m_hooks.usePlaylist()) {
        const int current = m_playlist.current();
        const int next = current != -1 && current < m_playlist.count() - 1 ? current + 1 : 0;
        m_playlist.choose(next);
        return;
    }
    const int count = m_files.count();
    const int current = m_files.current();
    int next = -1;
    for (int row = current + 1; row < count && next < 0 && current < count - 1; ++row) {
        if (m_files.isFile(row))
            next = row;
    }
    if (current >= count - 1) {
        for (int row = 0; row < count && next < 0; ++row) {
            if (m_files.isFile(row))
                next = row;
        }
    }
    // The only file of the list has been shown: there is nothing further to go to.
    if (next < 0 || next == current) {
        m_hooks.turnOff();
        m_timer->stop();
        return;
    }
    m_files.choose(next);
}
