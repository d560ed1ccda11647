// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/FileDescriptor.h"

#include <QByteArray>
#include <QElapsedTimer>
#include <QObject>

class QSocketNotifier;

// One accepted connection on a local stream socket, read without blocking until it has handed
// over a request: bytes ended by a zero byte. A connection that sends more than the largest
// request, closes early or stays idle too long is dropped.
class RequestConnection : public QObject
{
    Q_OBJECT

public:
    RequestConnection(int fd, qsizetype maxBytes, int timeoutMs, QObject *parent = nullptr);

    // Sends the answer and closes the connection; the peer may already have gone.
    void answer(const QByteArray &reply);
    // Closes the connection without an answer.
    void drop();
    bool isOpen() const { return m_fd.valid(); }
    // Whether the peer has sent anything yet: one that has is handing over a request.
    bool hasSentAnything() const { return !m_buffer.isEmpty(); }
    // How long ago the connection was accepted.
    qint64 ageMs() const { return m_accepted.elapsed(); }
    // Reads what the peer has sent so far without waiting for the event loop to say so.
    void readAvailable();

Q_SIGNALS:
    // The request, without its zero byte. Emitted once.
    void requestReceived(const QByteArray &request);
    // The connection was closed without a request, by either side.
    void dropped();

private:
    FileDescriptor m_fd;
    QSocketNotifier *m_notifier;
    QByteArray m_buffer;
    qsizetype m_maxBytes;
    QElapsedTimer m_accepted;
};
