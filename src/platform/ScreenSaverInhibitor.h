// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDBusConnection>
#include <QDBusObjectPath>
#include <QObject>
#include <optional>

class QDBusPendingCallWatcher;

// Asks the desktop session not to blank the screen: through org.freedesktop.ScreenSaver where the
// session offers it, else through the desktop portal's Inhibit. A session with neither is told
// once in the log, and nothing else changes. The calls do not wait: a release asked for while the
// session still answers the hold is made once the answer is there.
class ScreenSaverInhibitor : public QObject
{
    Q_OBJECT

public:
    // On the session bus, connected to when the screen is first held: a session that plays no
    // video does not wait for the bus.
    explicit ScreenSaverInhibitor(const QString &reason, QObject *parent = nullptr);
    ScreenSaverInhibitor(const QDBusConnection &bus, const QString &reason, QObject *parent = nullptr);
    // Lets the screen blank again.
    ~ScreenSaverInhibitor() override;

    void setHeld(bool held);
    // The session keeps the screen awake for us now.
    bool isHeld() const { return m_cookie.has_value() || !m_request.path().isEmpty(); }

Q_SIGNALS:
    // The session offers no way to keep the screen awake; told once.
    void unavailable();

private:
    enum class Service
    {
        ScreenSaver,
        Portal,
        None
    };

    void ask();
    void answered(QDBusPendingCallWatcher *call);
    void release();
    QDBusConnection &bus();

    std::optional<QDBusConnection> m_bus;
    QString m_reason;
    Service m_service = Service::ScreenSaver;
    bool m_wanted = false;
    bool m_asking = false;
    // What the screensaver service gave for the hold.
    std::optional<uint> m_cookie;
    // The portal's request that holds it.
    QDBusObjectPath m_request;
};
