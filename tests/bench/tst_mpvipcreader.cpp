// SPDX-License-Identifier: GPL-3.0-or-later
#include "MpvIpcReader.h"

#include <QTest>

namespace {

constexpr int NoAnswer = -1;

} // namespace

class TestMpvIpcReader : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void answersAreFoundByTheirRequest_data()
    {
        QTest::addColumn<QList<QByteArray>>("pieces");
        QTest::addColumn<qint64>("request");
        QTest::addColumn<int>("answer");
        QTest::newRow("done") << QList<QByteArray>{"{\"data\":null,\"request_id\":1,\"error\":\"success\"}\n"}
                              << 1LL << 1;
        QTest::newRow("failed") << QList<QByteArray>{"{\"request_id\":2,\"error\":\"invalid parameter\"}\n"}
                                << 2LL << 0;
        QTest::newRow("another request's")
            << QList<QByteArray>{"{\"request_id\":1,\"error\":\"success\"}\n"} << 2LL << NoAnswer;
        QTest::newRow("cut in the middle")
            << QList<QByteArray>{"{\"request_id\":3,\"err", "or\":\"success\"}\n"} << 3LL << 1;
        QTest::newRow("line not ended yet")
            << QList<QByteArray>{"{\"request_id\":3,\"error\":\"success\"}"} << 3LL << NoAnswer;
        QTest::newRow("after events, in one piece")
            << QList<QByteArray>{"{\"event\":\"start-file\"}\n{\"event\":\"file-loaded\"}\n"
                                 "{\"request_id\":4,\"error\":\"success\"}\n"}
            << 4LL << 1;
        QTest::newRow("not JSON") << QList<QByteArray>{"garbage\n{\"request_id\":5,\"error\":\"success\"}\n"}
                                  << 5LL << 1;
    }
    void answersAreFoundByTheirRequest()
    {
        QFETCH(QList<QByteArray>, pieces);
        QFETCH(qint64, request);
        QFETCH(int, answer);
        MpvIpcReader reader;
        for (const QByteArray &piece : pieces)
            reader.add(piece);
        const std::optional<bool> found = reader.takeAnswer(request);
        QCOMPARE(found ? int(*found) : NoAnswer, answer);
        QVERIFY(!reader.takeAnswer(request));
    }

    // An event counts once: waiting for it again needs it to come again, which is what keeps one
    // file's "playback-restart" from ending the wait for the next.
    void eventsAreTakenInOrder_data()
    {
        QTest::addColumn<QByteArray>("received");
        QTest::addColumn<QStringList>("asked");
        QTest::addColumn<QList<bool>>("found");
        const QByteArray restart = "{\"event\":\"playback-restart\"}\n";
        const QByteArray idle = "{\"event\":\"idle\"}\n";
        const QByteArray answer = "{\"request_id\":1,\"error\":\"success\"}\n";
        QTest::newRow("once") << restart << QStringList{"playback-restart", "playback-restart"}
                              << QList<bool>{true, false};
        QTest::newRow("twice") << restart + restart << QStringList{"playback-restart", "playback-restart"}
                               << QList<bool>{true, true};
        QTest::newRow("earlier ones used up")
            << restart + idle << QStringList{"idle", "playback-restart"} << QList<bool>{true, false};
        QTest::newRow("later ones kept")
            << idle + restart << QStringList{"idle", "playback-restart"} << QList<bool>{true, true};
        QTest::newRow("answers between")
            << answer + restart + answer << QStringList{"playback-restart"} << QList<bool>{true};
        QTest::newRow("none yet") << answer << QStringList{"idle"} << QList<bool>{false};
    }
    void eventsAreTakenInOrder()
    {
        QFETCH(QByteArray, received);
        QFETCH(QStringList, asked);
        QFETCH(QList<bool>, found);
        MpvIpcReader reader;
        reader.add(received);
        QList<bool> taken;
        for (const QString &event : asked)
            taken.append(reader.takeEvent(event));
        QCOMPARE(taken, found);
    }

    void forgottenEventsNoLongerCount()
    {
        MpvIpcReader reader;
        reader.add("{\"event\":\"playback-restart\"}\n{\"request_id\":1,\"error\":\"success\"}\n");
        reader.forgetEvents();
        QVERIFY(!reader.takeEvent(QStringLiteral("playback-restart")));
        QCOMPARE(reader.takeAnswer(1), std::optional<bool>(true));
    }
};

QObject *createMpvIpcReaderTest()
{
    return new TestMpvIpcReader;
}

#include "tst_mpvipcreader.moc"
