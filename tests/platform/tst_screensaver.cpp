// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/ScreenSaverInhibitor.h"
#include "support/PrivateBus.h"

#include <QDBusConnection>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTest>

// The session's screensaver as the desktop offers it, recording what it is asked.
class FakeScreenSaver : public QObject
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.ScreenSaver")

public:
    QList<uint> held;
    QList<uint> released;

public Q_SLOTS:
    uint Inhibit(const QString &, const QString &)
    {
        held.append(m_next);
        return m_next++;
    }
    void UnInhibit(uint cookie) { released.append(cookie); }

private:
    uint m_next = 7;
};

class TestScreenSaver : public QObject
{
    Q_OBJECT

    PrivateBus m_bus;
    int m_connections = 0;

    QDBusConnection connect()
    {
        return QDBusConnection::connectToBus(m_bus.address(), QString::number(++m_connections));
    }

private Q_SLOTS:
    void initTestCase()
    {
        if (!m_bus.start())
            QSKIP("no session bus of the test's own: dbus-daemon is missing or did not start");
    }

    void theScreenIsHeldAndLetGo_data()
    {
        QTest::addColumn<QList<bool>>("steps");
        QTest::addColumn<bool>("waitEachAnswer");
        QTest::addColumn<int>("holds");
        QTest::addColumn<int>("releases");
        QTest::newRow("held, let go") << QList<bool>{true, false} << true << 1 << 1;
        QTest::newRow("held twice is one hold") << QList<bool>{true, true} << true << 1 << 0;
        QTest::newRow("let go before the answer") << QList<bool>{true, false} << false << 1 << 1;
        QTest::newRow("play, pause, play") << QList<bool>{true, false, true} << true << 2 << 1;
    }
    void theScreenIsHeldAndLetGo()
    {
        QFETCH(QList<bool>, steps);
        QFETCH(bool, waitEachAnswer);
        QDBusConnection service = connect();
        FakeScreenSaver saver;
        QVERIFY(service.registerObject(QStringLiteral("/org/freedesktop/ScreenSaver"), &saver,
                                       QDBusConnection::ExportAllSlots));
        QVERIFY(service.registerService(QStringLiteral("org.freedesktop.ScreenSaver")));
        {
            ScreenSaverInhibitor inhibitor(connect(), QStringLiteral("Playing a video"));
            for (bool held : steps) {
                inhibitor.setHeld(held);
                if (waitEachAnswer)
                    QTRY_COMPARE(inhibitor.isHeld(), held);
            }
            QFETCH(int, holds);
            QFETCH(int, releases);
            QTRY_COMPARE(saver.held.size(), holds);
            QTRY_COMPARE(saver.released.size(), releases);
        }
        // The program's end lets go of what it still held.
        QTRY_COMPARE(saver.released.size(), saver.held.size());
        QCOMPARE(saver.released, saver.held);
        service.unregisterService(QStringLiteral("org.freedesktop.ScreenSaver"));
    }

    void aSessionWithoutAScreensaverGoesOn()
    {
        ScreenSaverInhibitor inhibitor(connect(), QStringLiteral("Playing a video"));
        QSignalSpy unavailable(&inhibitor, &ScreenSaverInhibitor::unavailable);
        QTest::ignoreMessage(QtInfoMsg, QRegularExpression(QStringLiteral("no way to keep the screen")));
        inhibitor.setHeld(true);
        QVERIFY(unavailable.wait());
        QVERIFY(!inhibitor.isHeld());
        inhibitor.setHeld(false);
    }
};

#include "support/RunTests.h"

int main(int argc, char **argv)
{
    return runTests(argc, argv, {[]() -> QObject * { return new TestScreenSaver; }});
}

#include "tst_screensaver.moc"
