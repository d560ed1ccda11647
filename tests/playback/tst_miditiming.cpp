// SPDX-License-Identifier: GPL-3.0-or-later
#include "playback/MidiTiming.h"

#include <QTest>
#include <QtEndian>

namespace {

QByteArray song(const QList<QByteArray> &tracks, quint16 division = 480, quint16 format = 1)
{
    QByteArray header("MThd\0\0\0\x06", 8);
    char fields[6];
    qToBigEndian<quint16>(format, fields);
    qToBigEndian<quint16>(quint16(tracks.size()), fields + 2);
    qToBigEndian<quint16>(division, fields + 4);
    header.append(fields, 6);
    for (const QByteArray &track : tracks) {
        char size[4];
        qToBigEndian<quint32>(quint32(track.size()), size);
        header += "MTrk" + QByteArray(size, 4) + track;
    }
    return header;
}

QByteArray bytes(std::initializer_list<int> values)
{
    QByteArray out;
    for (int value : values)
        out += char(value);
    return out;
}

const QByteArray End = bytes({0x00, 0xff, 0x2f, 0x00});

} // namespace

class TestMidiTiming : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void playingTimeFromTicksAndTempo_data()
    {
        QTest::addColumn<QByteArray>("data");
        QTest::addColumn<qint64>("milliseconds");
        // 480 ticks a quarter note at the default 120 beats a minute: 960 ticks a second.
        const QByteArray twoSeconds = bytes({0x00, 0x90, 60, 100, 0x8f, 0x00, 0x80, 60, 0}) + End;
        QTest::newRow("default tempo") << song({twoSeconds}) << qint64(2000);
        QTest::newRow("running status")
            << song({bytes({0x00, 0x90, 60, 100, 0x87, 0x40, 60, 0}) + End}) << qint64(1000);
        // Half the tempo from tick 480 on: half a second, then 1440 ticks at a second a quarter.
        QTest::newRow("tempo change in another track")
            << song({bytes({0x83, 0x60, 0xff, 0x51, 0x03, 0x0f, 0x42, 0x40}) + End, twoSeconds})
            << qint64(3500);
        QTest::newRow("longest track counts") << song({End, twoSeconds}) << qint64(2000);
        // 25 frames a second of 40 ticks: 228 ticks are 228 ms.
        QTest::newRow("frames and ticks")
            << song({bytes({0x81, 0x64, 0x90, 60, 100}) + End}, 0xe728) << qint64(228);
        QTest::newRow("system exclusive and meta text skipped")
            << song({bytes({0x00, 0xf0, 0x02, 0x7e, 0xf7, 0x00, 0xff, 0x01, 0x02, 'h', 'i', 0x8f, 0x00, 0x90,
                            60, 100}) +
                     End})
            << qint64(2000);
        QTest::newRow("track cut short counts to where it ends")
            << song({bytes({0x8f, 0x00, 0x90, 60, 100, 0x8f, 0x00, 0x90})}) << qint64(2000);
        QTest::newRow("no notes") << song({End}) << qint64(0);
    }
    void playingTimeFromTicksAndTempo()
    {
        QFETCH(QByteArray, data);
        QFETCH(qint64, milliseconds);
        QCOMPARE(MidiTiming::length(data).value_or(-1), milliseconds);
    }

    void notSongsHaveNoLength_data()
    {
        QTest::addColumn<QByteArray>("data");
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("text") << QByteArray("just some words, nothing more");
        QTest::newRow("header only") << song({}).left(14);
        QTest::newRow("header size past the end") << QByteArray("MThd\x7f\xff\xff\xff\0\0\0\x01\x01\xe0", 14);
        QTest::newRow("division zero") << song({End}, 0);
        QTest::newRow("frames without ticks") << song({End}, 0xe700);
        const QByteArray twoSeconds = song({bytes({0x00, 0x90, 60, 100, 0x8f, 0x00, 0x80, 60, 0}) + End});
        QTest::newRow("track size past the end") << QByteArray(twoSeconds).replace(18, 4, "\x7f\xff\xff\xff");
        QTest::newRow("track size of 4 GB") << QByteArray(twoSeconds).replace(18, 4, "\xff\xff\xff\xff");
        QTest::newRow("second track past the end")
            << QByteArray(song({End, End})).replace(30, 4, "\0\0\0\x05");
    }
    void notSongsHaveNoLength()
    {
        QFETCH(QByteArray, data);
        QVERIFY(!MidiTiming::length(data));
    }
};

QObject *createMidiTimingTest()
{
    return new TestMidiTiming;
}

#include "tst_miditiming.moc"
