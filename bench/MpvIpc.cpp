// SPDX-License-Identifier: GPL-3.0-or-later
#include "MpvIpc.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QThread>

bool MpvIpc::connectTo(const QString &socket, QDeadlineTimer deadline)
{
    for (;;) {
        m_socket.connectToServer(socket);
        if (m_socket.waitForConnected(int(deadline.remainingTime())))
            return true;
        if (deadline.hasExpired())
            return false;
        QThread::msleep(10);
    }
}

bool MpvIpc::run(const QStringList &command, QDeadlineTimer deadline)
{
    const qint64 request = ++m_lastRequest;
    const QJsonObject message{{QLatin1String("command"), QJsonArray::fromStringList(command)},
                              {QLatin1String("request_id"), request}};
    m_socket.write(QJsonDocument(message).toJson(QJsonDocument::Compact) + '\n');
    if (!m_socket.waitForBytesWritten(int(deadline.remainingTime())))
        return false;
    for (;;) {
        if (const std::optional<bool> done = m_reader.takeAnswer(request))
            return *done;
        if (!readMore(deadline))
            return false;
    }
}

bool MpvIpc::waitFor(const QString &event, QDeadlineTimer deadline)
{
    while (!m_reader.takeEvent(event)) {
        if (!readMore(deadline))
            return false;
    }
    return true;
}

bool MpvIpc::readMore(QDeadlineTimer deadline)
{
    if (m_socket.bytesAvailable() == 0 && !m_socket.waitForReadyRead(int(deadline.remainingTime())))
        return false;
    m_reader.add(m_socket.readAll());
    return true;
}
