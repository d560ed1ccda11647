// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QProcess>
#include <QString>

// A session bus of the test's own, so that what a test offers or asks on it meets nothing of the
// desktop the tests run in. It ends with this object.
class PrivateBus
{
public:
    PrivateBus() = default;
    ~PrivateBus();
    PrivateBus(const PrivateBus &) = delete;
    PrivateBus &operator=(const PrivateBus &) = delete;

    // Starts the bus; false when there is no dbus-daemon or it did not start.
    bool start();
    // The address to connect to it.
    QString address() const { return m_address; }

private:
    QProcess m_daemon;
    QString m_address;
};
