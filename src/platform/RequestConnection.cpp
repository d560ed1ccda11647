// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/RequestConnection.h"

#include <QSocketNotifier>
#include <QTimer>
#include <cerrno>
#include <sys/socket.h>
#include <unistd.h>

RequestConnection::RequestConnection(int fd, qsizetype maxBytes, int timeoutMs, QObject *parent)
    : QObject(parent), m_fd(fd), m_notifier(new QSocketNotifier(fd, QSocketNotifier::Read, this)),
      m_maxBytes(maxBytes)
{
    m_accepted.start();
    connect(m_notifier, &QSocketNotifier::activated, this, &RequestConnection::readAvailable);
    QTimer::singleShot(timeoutMs, this, &RequestConnection::drop);
}

void RequestConnection::answer(const QByteArray &reply)
{
    if (!m_fd.valid())
        return;
    // A reply this short fits a fresh socket's buffer: it is sent whole or the peer has gone.
    ::send(m_fd.get(), reply.constData(), size_t(reply.size()), MSG_NOSIGNAL | MSG_DONTWAIT);
    m_notifier->setEnabled(false);
    m_fd.reset();
}

void RequestConnection::drop()
{
    if (!m_fd.valid())
        return;
    m_notifier->setEnabled(false);
    m_fd.reset();
    Q_EMIT dropped();
}

void RequestConnection::readAvailable()
{
    if (!m_fd.valid() || !m_notifier->isEnabled())
        return;
    char chunk[4096];
    for (;;) {
        const ssize_t length = ::recv(m_fd.get(), chunk, sizeof chunk, MSG_DONTWAIT);
        if (length < 0 && errno == EINTR)
            continue;
        if (length < 0 && (errno == EAGAIN || errno == EWOULDBLOCK))
            return;
        if (length <= 0) {
            drop();
            return;
        }
        m_buffer.append(chunk, qsizetype(length));
        const qsizetype end = m_buffer.indexOf('\0');
        if (end >= 0 && end <= m_maxBytes) {
            m_notifier->setEnabled(false);
            Q_EMIT requestReceived(m_buffer.left(end));
            return;
        }
        if (m_buffer.size() > m_maxBytes) {
            drop();
            return;
        }
    }
}
