// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/NativePath.h"
#include "playback/MprisService.h"
#include "support/FakePlayer.h"
#include "support/PrivateBus.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusMetaType>
#include <QFile>
#include <QTest>
#include <cmath>
#include <future>
#include <limits>

// The service on a private bus of the test's own, asked by a second connection as a desktop
// applet would.
class TestMpris : public QObject
{
    Q_OBJECT

    PrivateBus m_bus;
    // The bus name the applet asks; each test's service takes a name of its own.
    QString m_name = QStringLiteral("org.mpris.MediaPlayer2.kestrove");

    // The applet's side runs on a thread of its own, while this one serves the calls.
    template <typename Call> auto fromApplet(Call call)
    {
        auto result = std::async(std::launch::async, call);
        while (result.wait_for(std::chrono::milliseconds(2)) != std::future_status::ready)
            QCoreApplication::processEvents();
        return result.get();
    }

    QDBusMessage callPlayer(const QString &method, const QVariantList &arguments = {})
    {
        return fromApplet([&] {
            QDBusMessage message = QDBusMessage::createMethodCall(
                m_name, MprisService::ObjectPath, QStringLiteral("org.mpris.MediaPlayer2.Player"), method);
            message.setArguments(arguments);
            return client().call(message);
        });
    }

    QVariant property(const QString &interface, const QString &name)
    {
        const QDBusMessage reply = fromApplet([&] {
            QDBusMessage message = QDBusMessage::createMethodCall(
                m_name, MprisService::ObjectPath, QStringLiteral("org.freedesktop.DBus.Properties"),
                QStringLiteral("Get"));
            message << interface << name;
            return client().call(message);
        });
        return reply.type() == QDBusMessage::ReplyMessage
                   ? qdbus_cast<QDBusVariant>(reply.arguments().value(0)).variant()
                   : QVariant();
    }
    QDBusMessage setPlayerProperty(const QString &name, const QVariant &value)
    {
        return fromApplet([&] {
            QDBusMessage message = QDBusMessage::createMethodCall(
                m_name, MprisService::ObjectPath, QStringLiteral("org.freedesktop.DBus.Properties"),
                QStringLiteral("Set"));
            message << QStringLiteral("org.mpris.MediaPlayer2.Player") << name
                    << QVariant::fromValue(QDBusVariant(value));
            return client().call(message);
        });
    }
    QDBusConnection client()
    {
        return QDBusConnection::connectToBus(m_bus.address(), QStringLiteral("client"));
    }

    // Offers the service under a name of its own and records the changes it announces.
    bool offerWatched(MprisService &service, const QString &name)
    {
        m_name = QStringLiteral("org.mpris.MediaPlayer2.kestrove.") + name;
        m_changes.clear();
        return service.registerOn(QDBusConnection::connectToBus(m_bus.address(), name),
                                  QStringLiteral("kestrove.") + name) &&
               client().connect(m_name, MprisService::ObjectPath,
                                QStringLiteral("org.freedesktop.DBus.Properties"),
                                QStringLiteral("PropertiesChanged"), this,
                                SLOT(propertiesChanged(QString, QVariantMap, QStringList)));
    }

    // Offers the service under a name of its own, which the next test may take again.
    bool offer(MprisService &service, const QString &name)
    {
        m_name = QStringLiteral("org.mpris.MediaPlayer2.kestrove.") + name;
        return service.registerOn(QDBusConnection::connectToBus(m_bus.address(), name),
                                  QStringLiteral("kestrove.") + name);
    }

    // The changes the desktop is told of, newest last.
    QList<QVariantMap> m_changes;

public Q_SLOTS:
    void propertiesChanged(const QString &, const QVariantMap &changed, const QStringList &)
    {
        m_changes.append(changed);
    }

private Q_SLOTS:
    void initTestCase()
    {
        if (!m_bus.start())
            QSKIP("no session bus of the test's own: dbus-daemon is missing or did not start");
    }

    void theDesktopControlsThePlayer()
    {
        FakePlayer player;
        int next = 0;
        int previous = 0;
        MprisService service(player, {[&] { ++next; }, [&] { ++previous; }, {}, {}, {}, {}, {}});
        QVERIFY(
            service.registerOn(QDBusConnection::connectToBus(m_bus.address(), QStringLiteral("service"))));
        player.open(QStringLiteral("/m/caf\u00e9 song.mp3"));
        service.setTrack(player.fileName(), 123456);

        const QString playerInterface = QStringLiteral("org.mpris.MediaPlayer2.Player");
        QCOMPARE(property(QStringLiteral("org.mpris.MediaPlayer2"), QStringLiteral("Identity")).toString(),
                 QStringLiteral("Kestrove"));
        // The desktop file installed, found by the desktop under this name.
        const QString entry =
            property(QStringLiteral("org.mpris.MediaPlayer2"), QStringLiteral("DesktopEntry")).toString();
        QCOMPARE(entry, QStringLiteral("org.kestrove.Kestrove"));
        QVERIFY(
            QFile::exists(QStringLiteral(KESTROVE_SOURCE_DIR "/data/") + entry + QStringLiteral(".desktop")));
        QCOMPARE(property(playerInterface, QStringLiteral("PlaybackStatus")).toString(),
                 QStringLiteral("Stopped"));
        QCOMPARE(callPlayer(QStringLiteral("PlayPause")).type(), QDBusMessage::ReplyMessage);
        QCOMPARE(player.mode(), int(MediaPlayer::Playing));
        QCOMPARE(property(playerInterface, QStringLiteral("PlaybackStatus")).toString(),
                 QStringLiteral("Playing"));
        player.advanceTo(10000);
        QCOMPARE(property(playerInterface, QStringLiteral("Position")).toLongLong(), 10000000LL);
        callPlayer(QStringLiteral("Seek"), {qlonglong(5000000)});
        QCOMPARE(player.position(), 15000);
        QCOMPARE(player.mode(), int(MediaPlayer::Playing));
        callPlayer(QStringLiteral("Next"));
        callPlayer(QStringLiteral("Previous"));
        callPlayer(QStringLiteral("Previous"));
        QCOMPARE(next, 1);
        QCOMPARE(previous, 2);
        callPlayer(QStringLiteral("Pause"));
        QCOMPARE(property(playerInterface, QStringLiteral("PlaybackStatus")).toString(),
                 QStringLiteral("Paused"));
        callPlayer(QStringLiteral("Stop"));
        QCOMPARE(player.mode(), int(MediaPlayer::Stopped));

        const QVariantMap metadata =
            qdbus_cast<QVariantMap>(property(playerInterface, QStringLiteral("Metadata")));
        QCOMPARE(metadata.value(QStringLiteral("mpris:length")).toLongLong(), 123456000LL);
        QCOMPARE(metadata.value(QStringLiteral("xesam:url")).toString(),
                 QStringLiteral("file:///m/caf%C3%A9%20song.mp3"));
        QCOMPARE(metadata.value(QStringLiteral("xesam:title")).toString(),
                 QStringLiteral("caf\u00e9 song.mp3"));
        const QDBusObjectPath track =
            qdbus_cast<QDBusObjectPath>(metadata.value(QStringLiteral("mpris:trackid")));
        callPlayer(QStringLiteral("SetPosition"), {QVariant::fromValue(track), qlonglong(60000000)});
        QCOMPARE(player.position(), 60000);
        // Another track's position is not this one's.
        callPlayer(QStringLiteral("SetPosition"),
                   {QVariant::fromValue(QDBusObjectPath("/other")), qlonglong(1000)});
        QCOMPARE(player.position(), 60000);
    }

    void theTagsAndTheCoverOfTheMediumAreTold()
    {
        FakePlayer player;
        MprisService service(player, {});
        QVERIFY(offerWatched(service, QStringLiteral("tags")));
        const QString playerInterface = QStringLiteral("org.mpris.MediaPlayer2.Player");
        const auto metadata = [&] {
            return qdbus_cast<QVariantMap>(property(playerInterface, QStringLiteral("Metadata")));
        };
        const QString song = QStringLiteral("/m/song.mp3");
        player.open(song);
        player.mediumLength = 225400;
        service.setTrack(song, 225400);
        MediaFacts facts;
        facts.title = QStringLiteral("Night Train");
        facts.artist = QStringLiteral("The Testers");
        facts.album = QStringLiteral("Loop Tracks");
        facts.coverFile = QStringLiteral("/covers/caf\u00e9.jpg");
        // What another file said is not this one's.
        Q_EMIT player.mediumDescribed(QStringLiteral("/m/other.mp3"), facts);
        QCOMPARE(metadata().value(QStringLiteral("xesam:title")).toString(), QStringLiteral("song.mp3"));
        Q_EMIT player.mediumDescribed(song, facts);
        const QVariantMap told = metadata();
        QCOMPARE(told.value(QStringLiteral("xesam:title")).toString(), QStringLiteral("Night Train"));
        QCOMPARE(told.value(QStringLiteral("xesam:artist")).toStringList(), QStringList{"The Testers"});
        QCOMPARE(told.value(QStringLiteral("xesam:album")).toString(), QStringLiteral("Loop Tracks"));
        QCOMPARE(told.value(QStringLiteral("mpris:length")).toLongLong(), 225400000LL);
        QCOMPARE(told.value(QStringLiteral("mpris:artUrl")).toString(),
                 QStringLiteral("file:///covers/caf%C3%A9.jpg"));
        QTRY_VERIFY(!m_changes.isEmpty() &&
                    qdbus_cast<QVariantMap>(m_changes.last().value(QStringLiteral("Metadata")))
                            .value(QStringLiteral("xesam:title")) == QStringLiteral("Night Train"));
        // A length the player corrects, as it may at the end, is told.
        player.mediumLength = 226000;
        player.stop();
        Q_EMIT player.modeChanged(MediaPlayer::Stopped);
        QTRY_VERIFY(qdbus_cast<QVariantMap>(m_changes.last().value(QStringLiteral("Metadata")))
                        .value(QStringLiteral("mpris:length"))
                        .toLongLong() == 226000000LL);
        // A medium without tags or a cover has none.
        service.setTrack(QStringLiteral("/m/plain.wav"), 2000);
        Q_EMIT player.mediumDescribed(QStringLiteral("/m/plain.wav"), MediaFacts());
        QCOMPARE(metadata().keys(),
                 QStringList({"mpris:length", "mpris:trackid", "xesam:title", "xesam:url"}));
        QCOMPARE(metadata().value(QStringLiteral("xesam:title")).toString(), QStringLiteral("plain.wav"));
    }

    void theVolumeFollowsThePlayer()
    {
        FakePlayer player;
        MprisService service(player, {});
        QVERIFY(offerWatched(service, QStringLiteral("volume")));
        const QString playerInterface = QStringLiteral("org.mpris.MediaPlayer2.Player");
        // Changed in the program, the volume is told.
        player.setVolume(250);
        QTRY_VERIFY(!m_changes.isEmpty() &&
                    m_changes.last().value(QStringLiteral("Volume")).toDouble() == 0.25);
        QCOMPARE(property(playerInterface, QStringLiteral("Volume")).toDouble(), 0.25);
        // Set by the desktop, it is the player's.
        const QDBusMessage reply = fromApplet([&] {
            QDBusMessage message = QDBusMessage::createMethodCall(
                m_name, MprisService::ObjectPath, QStringLiteral("org.freedesktop.DBus.Properties"),
                QStringLiteral("Set"));
            message << playerInterface << QStringLiteral("Volume") << QVariant::fromValue(QDBusVariant(0.8));
            return client().call(message);
        });
        QCOMPARE(reply.type(), QDBusMessage::ReplyMessage);
        QCOMPARE(player.volume(), 800);
        QTRY_VERIFY(m_changes.last().value(QStringLiteral("Volume")).toDouble() == 0.8);
    }

    void theRateStaysWithinTheOfferedRates_data()
    {
        QTest::addColumn<double>("rate");
        QTest::addColumn<int>("speed");
        QTest::addColumn<int>("mode");
        const int playing = MediaPlayer::Playing;
        QTest::newRow("in range") << 1.5 << 1500 << playing;
        QTest::newRow("the most") << 2.0 << 2000 << playing;
        QTest::newRow("above the most") << 3.0 << 2000 << playing;
        QTest::newRow("far above") << 100.0 << 2000 << playing;
        QTest::newRow("past an int in thousandths") << 1e9 << 2000 << playing;
        QTest::newRow("infinite") << std::numeric_limits<double>::infinity() << 2000 << playing;
        QTest::newRow("below the least") << 0.001 << 10 << playing;
        QTest::newRow("zero pauses") << 0.0 << 1000 << int(MediaPlayer::Paused);
        QTest::newRow("negative") << -1.0 << 1000 << playing;
        QTest::newRow("not a number") << std::nan("") << 1000 << playing;
    }
    void theRateStaysWithinTheOfferedRates()
    {
        QFETCH(double, rate);
        QFETCH(int, speed);
        QFETCH(int, mode);
        FakePlayer player;
        MprisService service(player, {});
        QVERIFY(offer(service, QStringLiteral("rate")));
        player.open(QStringLiteral("/m/song.mp3"));
        player.play();
        QCOMPARE(setPlayerProperty(QStringLiteral("Rate"), rate).type(), QDBusMessage::ReplyMessage);
        QCOMPARE(player.speed(), speed);
        QCOMPARE(player.mode(), mode);
        const QString playerInterface = QStringLiteral("org.mpris.MediaPlayer2.Player");
        QCOMPARE(property(playerInterface, QStringLiteral("Rate")).toDouble(), speed / 1000.0);
        QCOMPARE(property(playerInterface, QStringLiteral("MaximumRate")).toDouble(), 2.0);
        QCOMPARE(property(playerInterface, QStringLiteral("MinimumRate")).toDouble(), 0.01);
    }

    void onlyFilesOfThisMachineAreOpened_data()
    {
        QTest::addColumn<QString>("uri");
        // The path handed over; none when the URI is refused.
        QTest::addColumn<QByteArray>("opened");
        QTest::newRow("file") << "file:///m/song.mp3" << QByteArray("/m/song.mp3");
        QTest::newRow("percent-encoded UTF-8")
            << "file:///m/caf%C3%A9%20song.mp3" << QByteArray("/m/caf\xc3\xa9 song.mp3");
        QTest::newRow("not UTF-8") << "file:///m/caf%E9%FF.mp3" << QByteArray("/m/caf\xe9\xff.mp3");
        QTest::newRow("unencoded") << "file:///m/caf\u00e9.mp3" << QByteArray("/m/caf\xc3\xa9.mp3");
        QTest::newRow("this machine by name") << "file://localhost/m/a.mp3" << QByteArray("/m/a.mp3");
        QTest::newRow("another machine") << "file://server/m/a.mp3" << QByteArray();
        QTest::newRow("web") << "https://example.org/a.mp3" << QByteArray();
        QTest::newRow("a path, not a URI") << "/m/a.mp3" << QByteArray();
        QTest::newRow("no path") << "file:" << QByteArray();
    }
    void onlyFilesOfThisMachineAreOpened()
    {
        QFETCH(QString, uri);
        QFETCH(QByteArray, opened);
        FakePlayer player;
        QStringList handed;
        MprisService::Hooks hooks;
        hooks.open = [&handed](const QString &path) { handed.append(path); };
        MprisService service(player, hooks);
        QVERIFY(offer(service, QStringLiteral("open")));
        // Only what it opens is offered.
        QCOMPARE(property(QStringLiteral("org.mpris.MediaPlayer2"), QStringLiteral("SupportedUriSchemes"))
                     .toStringList(),
                 QStringList{"file"});
        const QDBusMessage reply = callPlayer(QStringLiteral("OpenUri"), {uri});
        if (opened.isEmpty()) {
            QCOMPARE(reply.type(), QDBusMessage::ErrorMessage);
            QCOMPARE(reply.errorName(), QStringLiteral("org.freedesktop.DBus.Error.NotSupported"));
            QCOMPARE(handed, QStringList());
        } else {
            QCOMPARE(reply.type(), QDBusMessage::ReplyMessage);
            QCOMPARE(handed.size(), 1);
            QCOMPARE(NativePath::toBytes(handed.first()), opened);
        }
    }

    void theLoopStatusIsTheAutomaticAdvance()
    {
        FakePlayer player;
        bool on = false;
        MprisService::Hooks hooks;
        hooks.advancing = [&on] { return on; };
        hooks.setAdvancing = [&on](bool value) { on = value; };
        MprisService service(player, hooks);
        QVERIFY(offer(service, QStringLiteral("loop")));
        const QString playerInterface = QStringLiteral("org.mpris.MediaPlayer2.Player");
        const auto setLoopStatus = [&](const QString &status) {
            const QDBusMessage reply = fromApplet([&] {
                QDBusMessage message = QDBusMessage::createMethodCall(
                    m_name, MprisService::ObjectPath, QStringLiteral("org.freedesktop.DBus.Properties"),
                    QStringLiteral("Set"));
                message << playerInterface << QStringLiteral("LoopStatus")
                        << QVariant::fromValue(QDBusVariant(status));
                return client().call(message);
            });
            QCOMPARE(reply.type(), QDBusMessage::ReplyMessage);
        };
        QCOMPARE(property(playerInterface, QStringLiteral("LoopStatus")).toString(), QStringLiteral("None"));
        setLoopStatus(QStringLiteral("Playlist"));
        QVERIFY(on);
        QCOMPARE(property(playerInterface, QStringLiteral("LoopStatus")).toString(),
                 QStringLiteral("Playlist"));
        // Repeating one track is not offered: asked for, nothing changes.
        setLoopStatus(QStringLiteral("Track"));
        QVERIFY(on);
        setLoopStatus(QStringLiteral("None"));
        QVERIFY(!on);
    }
};

QObject *createMprisTest()
{
    return new TestMpris;
}

#include "tst_mpris.moc"
