// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "MpvIpcReader.h"

#include <QDeadlineTimer>
#include <QLocalSocket>
#include <QStringList>

// A client of a running mpv program (mpv --idle --input-ipc-server=SOCKET) over its JSON IPC
// socket. Every call waits on the socket itself, without an event loop, so that the time measured
// around a call is mpv's work and the socket's, nothing of this program's.
class MpvIpc
{
public:
    // Waits for mpv to make its socket, as it does once it has started.
    bool connectTo(const QString &socket, QDeadlineTimer deadline);
    // Sends the command, its words as they are, and waits until mpv has carried it out.
    bool run(const QStringList &command, QDeadlineTimer deadline);
    // Waits for the event, which may have come already since the last one waited for.
    bool waitFor(const QString &event, QDeadlineTimer deadline);
    // The events that came so far no longer count.
    void forgetEvents() { m_reader.forgetEvents(); }

private:
    bool readMore(QDeadlineTimer deadline);

    QLocalSocket m_socket;
    MpvIpcReader m_reader;
    qint64 m_lastRequest = 0;
};
