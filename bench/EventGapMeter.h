// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

// Measures how long the event loop goes without handling events: a heartbeat every 5 ms, and how
// late it comes.
class EventGapMeter
{
public:
    EventGapMeter()
    {
        m_sinceBeat.start();
        m_heartbeat.setTimerType(Qt::PreciseTimer);
        QObject::connect(&m_heartbeat, &QTimer::timeout, [this] { beat(); });
        m_heartbeat.start(5);
    }

    // Forgets what was measured so far.
    void restart()
    {
        m_longest = 0;
        m_sinceBeat.restart();
    }
    // Counts the time since the last heartbeat too.
    void beat() { m_longest = qMax(m_longest, m_sinceBeat.restart()); }
    qint64 longest() const { return m_longest; }

private:
    QTimer m_heartbeat;
    QElapsedTimer m_sinceBeat;
    qint64 m_longest = 0;
};
