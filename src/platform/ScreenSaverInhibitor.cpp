// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/ScreenSaverInhibitor.h"

#include "platform/LogCategories.h"

#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QVariantMap>

namespace {

const QString ScreenSaverService = QStringLiteral("org.freedesktop.ScreenSaver");
const QString ScreenSaverPath = QStringLiteral("/org/freedesktop/ScreenSaver");
const QString PortalService = QStringLiteral("org.freedesktop.portal.Desktop");
const QString PortalPath = QStringLiteral("/org/freedesktop/portal/desktop");
// The portal's flag for keeping the session from going idle.
constexpr uint PortalIdle = 8;
// How long the last release may hold up the program's end.
constexpr int ReleaseWaitMs = 500;

} // namespace

ScreenSaverInhibitor::ScreenSaverInhibitor(const QString &reason, QObject *parent)
    : QObject(parent), m_reason(reason)
{
}

ScreenSaverInhibitor::ScreenSaverInhibitor(const QDBusConnection &bus, const QString &reason, QObject *parent)
    : QObject(parent), m_bus(bus), m_reason(reason)
{
}

QDBusConnection &ScreenSaverInhibitor::bus()
{
    if (!m_bus)
        m_bus = QDBusConnection::sessionBus();
    return *m_bus;
}

ScreenSaverInhibitor::~ScreenSaverInhibitor()
{
    // Sent and waited for briefly: a message only queued when the program ends may never leave.
    if (m_cookie)
        bus().call(QDBusMessage::createMethodCall(ScreenSaverService, ScreenSaverPath, ScreenSaverService,
                                                  QStringLiteral("UnInhibit"))
                       << *m_cookie,
                   QDBus::Block, ReleaseWaitMs);
    else if (!m_request.path().isEmpty())
        bus().call(QDBusMessage::createMethodCall(PortalService, m_request.path(),
                                                  QStringLiteral("org.freedesktop.portal.Request"),
                                                  QStringLiteral("Close")),
                   QDBus::Block, ReleaseWaitMs);
}

void ScreenSaverInhibitor::setHeld(bool held)
{
    m_wanted = held;
    if (held && !isHeld() && !m_asking)
        ask();
    else if (!held && !m_asking)
        release();
}

void ScreenSaverInhibitor::ask()
{
    if (m_service == Service::None || !bus().isConnected())
        return;
    QDBusMessage call;
    if (m_service == Service::ScreenSaver) {
        call = QDBusMessage::createMethodCall(ScreenSaverService, ScreenSaverPath, ScreenSaverService,
                                              QStringLiteral("Inhibit"));
        call << QStringLiteral("Kestrove") << m_reason;
    } else {
        call = QDBusMessage::createMethodCall(PortalService, PortalPath,
                                              QStringLiteral("org.freedesktop.portal.Inhibit"),
                                              QStringLiteral("Inhibit"));
        call << QString() << PortalIdle << QVariantMap{{QStringLiteral("reason"), m_reason}};
    }
    m_asking = true;
    auto *watcher = new QDBusPendingCallWatcher(bus().asyncCall(call), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this, &ScreenSaverInhibitor::answered);
}

void ScreenSaverInhibitor::answered(QDBusPendingCallWatcher *call)
{
    call->deleteLater();
    m_asking = false;
    if (call->isError()) {
        if (m_service == Service::ScreenSaver) {
            m_service = Service::Portal;
        } else {
            m_service = Service::None;
            qCInfo(logDesktop) << "the session offers no way to keep the screen from blanking:"
                               << call->error().message();
            Q_EMIT unavailable();
        }
    } else if (m_service == Service::ScreenSaver) {
        m_cookie = QDBusPendingReply<uint>(*call).value();
    } else {
        m_request = QDBusPendingReply<QDBusObjectPath>(*call).value();
    }
    if (m_wanted && !isHeld())
        ask();
    else if (!m_wanted)
        release();
}

void ScreenSaverInhibitor::release()
{
    if (m_cookie)
        bus().asyncCall(QDBusMessage::createMethodCall(ScreenSaverService, ScreenSaverPath,
                                                       ScreenSaverService, QStringLiteral("UnInhibit"))
                        << *std::exchange(m_cookie, std::nullopt));
    if (!m_request.path().isEmpty())
        bus().asyncCall(QDBusMessage::createMethodCall(PortalService, std::exchange(m_request, {}).path(),
                                                       QStringLiteral("org.freedesktop.portal.Request"),
                                                       QStringLiteral("Close")));
}
