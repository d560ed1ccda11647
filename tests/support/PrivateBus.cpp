// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/PrivateBus.h"

#include <QStandardPaths>

PrivateBus::~PrivateBus()
{
    m_daemon.kill();
    m_daemon.waitForFinished();
}

bool PrivateBus::start()
{
    const QString daemon = QStandardPaths::findExecutable(QStringLiteral("dbus-daemon"));
    if (daemon.isEmpty())
        return false;
    m_daemon.start(daemon, {QStringLiteral("--session"), QStringLiteral("--nofork"),
                            QStringLiteral("--print-address=1")});
    if (!m_daemon.waitForReadyRead(5000))
        return false;
    m_address = QString::fromLatin1(m_daemon.readLine().trimmed());
    return !m_address.isEmpty();
}
