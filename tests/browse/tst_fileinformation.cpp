// SPDX-License-Identifier: GPL-3.0-or-later
#include "browse/FileInformation.h"
#include "browse/RiffHeaders.h"
#include "support/ScriptedPrompter.h"
#include "support/TemporaryFolder.h"
#include "support/TestFiles.h"

#include <QFile>
#include <QLocale>
#include <QTest>
#include <QtEndian>

namespace {

QByteArray le32(quint32 value)
{
    QByteArray bytes(4, '\0');
    qToLittleEndian(value, bytes.data());
    return bytes;
}

QByteArray le16(quint16 value)
{
    QByteArray bytes(2, '\0');
    qToLittleEndian(value, bytes.data());
    return bytes;
}

QByteArray chunk(const QByteArray &id, const QByteArray &data)
{
    QByteArray bytes = id + le32(quint32(data.size())) + data;
    if (data.size() % 2)
        bytes += '\0';
    return bytes;
}

QByteArray riff(const QByteArray &form, const QByteArray &body)
{
    return "RIFF" + le32(quint32(4 + body.size())) + form + body;
}

// An AVI file with a main header and one video stream at 30000/1001 frames a second.
QByteArray aviFile(quint32 flags, quint32 streams, const QByteArray &compression)
{
    QByteArray main = le32(33367) + le32(0) + le32(0) + le32(flags) + le32(250) + le32(0) + le32(streams) +
                      le32(0) + le32(320) + le32(240) + QByteArray(16, '\0');
    QByteArray streamHeader = "vids" + QByteArray("XVID") + le32(0) + le16(0) + le16(0) + le32(0) +
                              le32(1001) + le32(30000) + le32(0) + le32(250) + QByteArray(20, '\0');
    QByteArray bitmap =
        le32(40) + le32(320) + le32(240) + le16(1) + le16(24) + compression + QByteArray(20, '\0');
    const QByteArray streamList = chunk("LIST", "strl" + chunk("strh", streamHeader) + chunk("strf", bitmap));
    return riff("AVI ", chunk("LIST", "hdrl" + chunk("avih", main) + streamList) + chunk("LIST", "movi"));
}

QByteArray waveFile(quint16 channels, int formatSize)
{
    QByteArray format = le16(1) + le16(channels) + le32(44100) + le32(44100 * 2 * channels) +
                        le16(2 * channels) + le16(16) + QByteArray(6, '\0');
    format.truncate(formatSize);
    return riff("WAVE",
                chunk("LIST", "INFOjunk") + chunk("fmt ", format) + chunk("data", QByteArray(64, '\0')));
}

RiffHeaders::ReadAt readerOf(const QByteArray &bytes)
{
    return [bytes](qint64 offset, qint64 length) {
        return offset >= bytes.size() ? QByteArray() : bytes.mid(qsizetype(offset), qsizetype(length));
    };
}

} // namespace

class TestFileInformation : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QLocale::setDefault(QLocale::c()); }

    void sizeTexts_data()
    {
        QTest::addColumn<qint64>("bytes");
        QTest::addColumn<QString>("text");
        QTest::newRow("empty") << qint64(0) << "0.0 KB";
        QTest::newRow("500 bytes") << qint64(500) << "0.5 KB";
        QTest::newRow("exactly 1024 KB") << qint64(1048576) << "1024.0 KB";
        QTest::newRow("one byte more") << qint64(1048577) << "1.0 MB";
        QTest::newRow("exactly 1024 MB") << qint64(1073741824) << "1024.0 MB";
        QTest::newRow("gigabytes, no group separator") << qint64(5000) * 1073741824 << "5000.0 GB";
    }
    void sizeTexts()
    {
        QFETCH(qint64, bytes);
        QFETCH(QString, text);
        QCOMPARE(FileInformation::sizeText(bytes), text);
    }

    void filesAreDescribedByTheirHeaders_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<QString>("message");
        const QByteArray avi = aviFile(0x10110, 2, "XVID");
        const QString aviSize = FileInformation::sizeText(avi.size());
        const QStringList aviLines = {"Size : " + aviSize,    "Type : AVI",
                                      "Framerate : 30 FPS",   "Size : 320 x 240",
                                      "Compressed : True",    "Interleaved : True",
                                      "No of streams : 2",    "Length  : 250",
                                      "Can Read :  True",     "Can Write : True",
                                      "Has index : True",     "All keyframes : False",
                                      "Captured file : True", "Must use index : False"};
        QTest::newRow("avi") << "clip.avi" << avi << aviLines << "";
        QTest::newRow("avi named .MPEG") << "clip.MPEG" << avi << aviLines << "";
        const QByteArray motionJpeg = aviFile(0x10110, 2, "MJPG");
        QStringList motionJpegLines = aviLines;
        motionJpegLines[11] = QStringLiteral("All keyframes : True");
        QTest::newRow("motion jpeg avi: every frame a key frame")
            << "cam.avi" << motionJpeg << motionJpegLines << "";
        QStringList uncompressed = aviLines;
        const QByteArray plain = aviFile(0, 1, QByteArray(4, '\0'));
        uncompressed = {"Size : " + FileInformation::sizeText(plain.size()),
                        "Type : AVI",
                        "Framerate : 30 FPS",
                        "Size : 320 x 240",
                        "Compressed : False",
                        "Interleaved : False",
                        "No of streams : 1",
                        "Length  : 250",
                        "Can Read :  True",
                        "Can Write : True",
                        "Has index : False",
                        "All keyframes : True",
                        "Captured file : False",
                        "Must use index : False"};
        QTest::newRow("uncompressed avi") << "raw.avi" << plain << uncompressed << "";
        const QByteArray noHeader = riff("AVI ", chunk("LIST", "movi"));
        QTest::newRow("avi without a main header")
            << "bad.avi" << noHeader << QStringList{"Size : 0.0 KB",         "Type : ",
                                                    "Framerate : 0 FPS",     "Size : 0 x 0",
                                                    "Compressed : False",    "Interleaved : False",
                                                    "No of streams : 0",     "Length  : 0",
                                                    "Can Read :  False",     "Can Write : False",
                                                    "Has index : False",     "All keyframes : False",
                                                    "Captured file : False", "Must use index : False"}
            << "Unable to read AVI file info from:\n%1";
        QTest::newRow("mpeg is not riff")
            << "film.mpg" << QByteArray("\x00\x00\x01\xba rest", 9) << QStringList{"Size : 0.0 KB"} << "";
        const QByteArray stereo = waveFile(2, 16);
        const QString waveSize = FileInformation::sizeText(stereo.size());
        QTest::newRow("wave, basic format chunk")
            << "song.wav" << stereo
            << QStringList{"Size : " + waveSize, "Bit PS : 16", "Bits /s : 1411200", "Samples /s : 44100",
                           "Channels : Stereo"}
            << "";
        QTest::newRow("wave, mono, extended format chunk")
            << "voice.WAV" << waveFile(1, 22)
            << QStringList{"Size : " + FileInformation::sizeText(waveFile(1, 22).size()), "Bit PS : 16",
                           "Bits /s : 705600", "Samples /s : 44100", "Channels : Mono"}
            << "";
        QTest::newRow("riff-wrapped mp3")
            << "wrapped.mp3" << stereo
            << QStringList{"Size : " + waveSize, "Bit PS : 16", "Bits /s : 1411200", "Samples /s : 44100",
                           "Channels : Stereo"}
            << "";
        QTest::newRow("plain mp3") << "plain.mp3" << QByteArray("ID3\x03\x00 tags")
                                   << QStringList{"Size : 0.0 KB"} << "";
        QTest::newRow("wave without a format chunk")
            << "empty.wav" << riff("WAVE", chunk("data", "abcd")) << QStringList{"Size : 0.0 KB"}
            << "Can't find Format chunk!";
        QTest::newRow("wave with a short format chunk")
            << "short.wav" << waveFile(2, 10) << QStringList{"Size : 0.1 KB"} << "Can't read Format chunk!";
        QTest::newRow("picture") << "photo.jpg" << QByteArray("\xff\xd8\xff") << QStringList{"Size : 0.0 KB"}
                                 << "";
    }
    void filesAreDescribedByTheirHeaders()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, bytes);
        QFETCH(QStringList, lines);
        QFETCH(QString, message);
        TemporaryFolder dir;
        const QString path = dir.filePath(name);
        writeBytes(path, bytes);
        ScriptedPrompter prompter;
        QCOMPARE(FileInformation(prompter).describe(path).lines, lines);
        QCOMPARE(prompter.questions().size(), message.isEmpty() ? 0 : 1);
        const QString told = message.contains(QLatin1String("%1")) ? message.arg(path) : message;
        if (!message.isEmpty()) {
            QCOMPARE(prompter.questions().first().text, told);
            QCOMPARE(prompter.questions().first().icon, Prompter::Icon::Critical);
        }
        // During the automatic advance the problem is one more line, and nobody is asked.
        ScriptedPrompter unattended;
        QCOMPARE(FileInformation(unattended).describe(path, FileInformation::Problems::InLines).lines,
                 message.isEmpty() ? lines : lines + QStringList{told});
        QVERIFY(unattended.questions().isEmpty());
    }

    void aMissingFileIsSaidToBeMissing()
    {
        ScriptedPrompter prompter;
        QCOMPARE(FileInformation(prompter).describe(QStringLiteral("/no/such/song.wav")).lines,
                 QStringList{"Size : 0.0 KB"});
        QCOMPARE(prompter.questions().size(), 1);
        QCOMPARE(prompter.questions().first().text,
                 QStringLiteral("File does not exist:\n/no/such/song.wav"));
    }

    // Cut short anywhere or claiming impossible sizes, a header is never read past the file's end
    // and never makes the readers loop.
    void hostileHeadersAreSurvived_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        const QByteArray avi = aviFile(0x110, 2, "XVID");
        for (int cut : {0, 4, 11, 12, 20, 30, 60, 100, 150, 200})
            QTest::addRow("avi cut at %d", cut) << avi.left(cut);
        QByteArray huge = avi;
        qToLittleEndian<quint32>(0xffffffff, huge.data() + 4);
        QTest::newRow("riff size past the file") << huge;
        QByteArray hugeList = avi;
        qToLittleEndian<quint32>(0xfffffff0, hugeList.data() + 16);
        QTest::newRow("header list size past the file") << hugeList;
        QByteArray zeroChunks = riff("AVI ", QByteArray(4000, '\0'));
        QTest::newRow("chunks of size zero") << zeroChunks;
        const QByteArray wave = waveFile(2, 16);
        for (int cut : {12, 20, 30, 40})
            QTest::addRow("wave cut at %d", cut) << wave.left(cut);
    }
    void hostileHeadersAreSurvived()
    {
        QFETCH(QByteArray, bytes);
        const std::optional<RiffHeaders::AviInfo> avi = RiffHeaders::readAvi(readerOf(bytes), bytes.size());
        if (avi)
            QVERIFY(avi->canRead);
        RiffHeaders::WaveFormat format;
        RiffHeaders::readWave(readerOf(bytes), bytes.size(), format);
    }
};

QObject *createFileInformationTest()
{
    return new TestFileInformation;
}

#include "tst_fileinformation.moc"
