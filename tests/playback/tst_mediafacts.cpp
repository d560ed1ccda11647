// SPDX-License-Identifier: GPL-3.0-or-later
#include "playback/MediaFacts.h"

#include <QTest>

namespace {

QVariantMap audioTrack(const QVariantMap &more = {})
{
    QVariantMap track{{"type", "audio"},
                      {"selected", true},
                      {"codec", "mp3"},
                      {"demux-samplerate", qint64(44100)},
                      {"demux-channel-count", qint64(2)},
                      {"demux-bitrate", qint64(192000)}};
    track.insert(more);
    return track;
}

QVariantMap videoTrack(const QVariantMap &more = {})
{
    QVariantMap track{{"type", "video"},         {"selected", true},
                      {"albumart", false},       {"codec", "h264"},
                      {"demux-w", qint64(1280)}, {"demux-h", qint64(720)},
                      {"demux-fps", 25.0},       {"demux-bitrate", qint64(800000)}};
    track.insert(more);
    return track;
}

QVariantMap coverTrack(bool external)
{
    return {{"type", "video"},  {"selected", true},       {"albumart", true},       {"external", external},
            {"codec", "mjpeg"}, {"demux-w", qint64(500)}, {"demux-h", qint64(500)}, {"demux-fps", 1.0}};
}

// The facts of a stream worth comparing, in one line.
QString streamFacts(const MediaFacts &facts)
{
    return QStringLiteral("%1 %2|%3 Hz %4 ch %5 b/s|%6x%7 %8 fps|video %9 cover %10")
        .arg(facts.audioCodec, facts.videoCodec)
        .arg(facts.sampleRate)
        .arg(facts.channels)
        .arg(facts.bitRate)
        .arg(facts.width)
        .arg(facts.height)
        .arg(facts.frameRate)
        .arg(QLatin1String(facts.video ? "true" : "false"),
             QLatin1String(facts.embeddedCover ? "true" : "false"));
}

} // namespace

class TestMediaFacts : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void tagsAreReadWhateverTheCaseOfTheirKeys_data()
    {
        QTest::addColumn<QVariantMap>("metadata");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("ID3, as FFmpeg names it")
            << QVariantMap{{"title", "Night Train"}, {"artist", "The Testers"}, {"album", "Loop"},
                           {"date", "2019"},         {"track", "3/12"},         {"encoder", "Lavf"}}
            << QStringList{"Night Train", "The Testers", "Loop", "2019", "3/12"};
        QTest::newRow("Vorbis comments") << QVariantMap{{"TITLE", "Tune"},
                                                        {"ARTIST", "Crew"},
                                                        {"ALBUM", "Open"},
                                                        {"DATE", "2018-04-01"},
                                                        {"TRACKNUMBER", "7"}}
                                         << QStringList{"Tune", "Crew", "Open", "2018", "7"};
        QTest::newRow("mixed case, year, spaces")
            << QVariantMap{{"Title", "  Spaced  "}, {"YEAR", "1999"}, {"Track", " 5 "}}
            << QStringList{"Spaced", "", "", "1999", "5"};
        QTest::newRow("dates written other ways")
            << QVariantMap{{"date", "05/01/2017"}} << QStringList{"", "", "", "2017", ""};
        QTest::newRow("a compact date")
            << QVariantMap{{"date", "20170501"}} << QStringList{"", "", "", "2017", ""};
        QTest::newRow("a compact date")
            << QVariantMap{{"date", "20170501"}} << QStringList{"", "", "", "2017", ""};
        QTest::newRow("blank tags and a date without a year")
            << QVariantMap{{"title", "   "}, {"artist", ""}, {"date", "unknown"}}
            << QStringList{"", "", "", "", ""};
        QTest::newRow("an empty tag in one case, a value in another")
            << QVariantMap{{"TITLE", ""}, {"title", "Second"}} << QStringList{"Second", "", "", "", ""};
        QTest::newRow("no tags") << QVariantMap() << QStringList{"", "", "", "", ""};
    }
    void tagsAreReadWhateverTheCaseOfTheirKeys()
    {
        QFETCH(QVariantMap, metadata);
        QFETCH(QStringList, expected);
        const MediaFacts facts = MediaFacts::read({{"metadata", metadata}});
        QCOMPARE(QStringList({facts.title, facts.artist, facts.album, facts.year, facts.track}), expected);
    }

    void streamsAreDescribed_data()
    {
        QTest::addColumn<QVariantMap>("properties");
        QTest::addColumn<QString>("expected");
        QTest::newRow("a song") << QVariantMap{{"track-list", QVariantList{audioTrack()}}}
                                << "mp3 |44100 Hz 2 ch 192000 b/s|0x0 0 fps|video false cover false";
        QTest::newRow("a song with its own cover: its size is not a video's")
            << QVariantMap{{"track-list", QVariantList{audioTrack(), coverTrack(false)}},
                           {"video-params", QVariantMap{{"dw", 500}, {"dh", 500}}}}
            << "mp3 |44100 Hz 2 ch 192000 b/s|0x0 0 fps|video false cover true";
        QTest::newRow("a cover from beside the song is not its own")
            << QVariantMap{{"track-list", QVariantList{audioTrack(), coverTrack(true)}}}
            << "mp3 |44100 Hz 2 ch 192000 b/s|0x0 0 fps|video false cover false";
        QTest::newRow("a video: the streams' bit rates add up")
            << QVariantMap{{"track-list", QVariantList{videoTrack(), audioTrack({{"codec", "aac"}})}}}
            << "aac h264|44100 Hz 2 ch 992000 b/s|1280x720 25 fps|video true cover false";
        QTest::newRow("the played tracks count, not the first")
            << QVariantMap{{"track-list", QVariantList{audioTrack({{"selected", false}, {"codec", "ac3"}}),
                                                       audioTrack({{"codec", "opus"},
                                                                   {"demux-channel-count", qint64(6)}})}}}
            << "opus |44100 Hz 6 ch 192000 b/s|0x0 0 fps|video false cover false";
        QTest::newRow("without stream bit rates, the file's average")
            << QVariantMap{{"track-list",
                            QVariantList{videoTrack({{"demux-bitrate", QVariant()}}), audioTrack()}},
                           {"file-size", qint64(1000000)},
                           {"duration", 4.0}}
            << "mp3 h264|44100 Hz 2 ch 2000000 b/s|1280x720 25 fps|video true cover false";
        QTest::newRow("facts the tracks lack come from the decoders' parameters")
            << QVariantMap{{"track-list",
                            QVariantList{videoTrack({{"demux-w", QVariant()}, {"demux-fps", QVariant()}}),
                                         audioTrack({{"demux-samplerate", QVariant()},
                                                     {"demux-channel-count", QVariant()}})}},
                           {"audio-params", QVariantMap{{"samplerate", qint64(48000)}, {"channel-count", 1}}},
                           {"video-params", QVariantMap{{"dw", qint64(640)}, {"dh", qint64(360)}}}}
            << "mp3 h264|48000 Hz 1 ch 992000 b/s|640x360 0 fps|video true cover false";
        QTest::newRow("nonsense numbers are no facts")
            << QVariantMap{{"track-list",
                            QVariantList{audioTrack({{"demux-samplerate", -5}, {"demux-bitrate", "fast"}})}},
                           {"duration", 0.0}}
            << "mp3 |0 Hz 2 ch 0 b/s|0x0 0 fps|video false cover false";
        QTest::newRow("nothing known")
            << QVariantMap{{"track-list", QVariant()}, {"audio-params", QVariant()}}
            << " |0 Hz 0 ch 0 b/s|0x0 0 fps|video false cover false";
    }
    void streamsAreDescribed()
    {
        QFETCH(QVariantMap, properties);
        QFETCH(QString, expected);
        QCOMPARE(streamFacts(MediaFacts::read(properties)), expected);
    }

    void linesShowOnlyWhatIsKnown_data()
    {
        QTest::addColumn<QVariantMap>("properties");
        QTest::addColumn<QStringList>("lines");
        const QVariantMap tags{{"title", "Night Train"},
                               {"artist", "The Testers"},
                               {"album", "Loop"},
                               {"date", "2019-05-01"},
                               {"track", "3/12"}};
        QTest::newRow("a tagged song")
            << QVariantMap{{"metadata", tags},
                           {"duration", 225.4},
                           {"file-format", "mp3"},
                           {"track-list", QVariantList{audioTrack(), coverTrack(false)}}}
            << QStringList{"Title : Night Train", "Artist : The Testers",  "Album : Loop",
                           "Year : 2019",         "Track : 3/12",          "Duration : 00:03:45",
                           "Codec : mp3",         "Bit rate : 192 kbit/s", "Sample rate : 44100 Hz",
                           "Channels : Stereo"};
        QTest::newRow("a video")
            << QVariantMap{{"duration", 3725.0},
                           {"file-format", "mkv"},
                           {"track-list", QVariantList{videoTrack({{"demux-fps", 23.976023}}),
                                                       audioTrack({{"codec", "vorbis"},
                                                                   {"demux-channel-count", qint64(1)}})}}}
            << QStringList{"Duration : 01:02:05",       "Video codec : h264",     "Audio codec : vorbis",
                           "Bit rate : 992 kbit/s",     "Sample rate : 44100 Hz", "Channels : Mono",
                           "Picture size : 1280 x 720", "Frame rate : 23.976 fps"};
        QTest::newRow("many channels, a bit rate too small to tell")
            << QVariantMap{{"track-list", QVariantList{audioTrack(
                                              {{"demux-channel-count", qint64(6)}, {"demux-bitrate", 400}})}}}
            << QStringList{"Codec : mp3", "Sample rate : 44100 Hz", "Channels : 6"};
        QTest::newRow("nothing known") << QVariantMap() << QStringList();
        QTest::newRow("WAVE files show their header instead")
            << QVariantMap{{"metadata", tags},
                           {"file-format", "wav"},
                           {"track-list", QVariantList{audioTrack()}}}
            << QStringList();
        QTest::newRow("AVI files too")
            << QVariantMap{{"file-format", "avi"}, {"track-list", QVariantList{videoTrack()}}}
            << QStringList();
    }
    void linesShowOnlyWhatIsKnown()
    {
        QFETCH(QVariantMap, properties);
        QFETCH(QStringList, lines);
        QCOMPARE(MediaFacts::read(properties).lines(), lines);
    }
};

QObject *createMediaFactsTest()
{
    return new TestMediaFacts;
}

#include "tst_mediafacts.moc"
