// SPDX-License-Identifier: GPL-3.0-or-later
#include "pictures/PictureDescriber.h"
#include "platform/ModuleLoader.h"
#include "support/TemporaryFolder.h"
#include "support/TestFiles.h"

#include <QBuffer>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTest>
#include <QtEndian>

namespace {

const QStringList CameraFacts{"set Exif.Image.Make Canon",
                              "set Exif.Image.Model Canon EOS 5D",
                              "set Exif.Photo.DateTimeOriginal 2024:05:01 12:34:56",
                              "set Exif.Photo.ExposureTime 1/250",
                              "set Exif.Photo.FNumber 28/10",
                              "set Exif.Photo.ISOSpeedRatings 400",
                              "set Exif.Photo.FocalLength 50/1",
                              "set Exif.GPSInfo.GPSLatitude 48/1 8/1 0/1",
                              "set Exif.Image.Software Darktable 4.2"};

const QStringList CameraLines{
    "Dimensions : 64 x 48",    "Camera : Canon EOS 5D",   "Date taken : 1 May 2024 12:34:56",
    "Exposure time : 1/250 s", "Aperture : f/2.8",        "ISO : 400",
    "Focal length : 50 mm",    "GPS position : Recorded", "Software : Darktable 4.2"};

QImage picture()
{
    QImage image(64, 48, QImage::Format_RGB32);
    image.fill(Qt::darkCyan);
    return image;
}

QByteArray little16(quint16 value)
{
    QByteArray bytes(2, '\0');
    qToLittleEndian(value, bytes.data());
    return bytes;
}

QByteArray little32(quint32 value)
{
    QByteArray bytes(4, '\0');
    qToLittleEndian(value, bytes.data());
    return bytes;
}

// A directory entry whose value, or the offset of its value, is the four bytes given.
QByteArray entry(quint16 tag, quint16 type, quint32 count, const QByteArray &value)
{
    return little16(tag) + little16(type) + little32(count) + value;
}

const QByteArray MakeSony = entry(0x010f, 2, 4, "Sony");

// A little-endian TIFF header pointing at a directory right after it.
QByteArray tiff(int entries, const QByteArray &body)
{
    return QByteArray("II*\0", 4) + little32(8) + little16(quint16(entries)) + body;
}

// A JPEG whose EXIF segment holds these TIFF bytes.
QByteArray jpegWithExif(const QByteArray &exif)
{
    QByteArray jpeg;
    QBuffer buffer(&jpeg);
    buffer.open(QIODevice::WriteOnly);
    picture().save(&buffer, "JPEG");
    const QByteArray body = QByteArray("Exif\0\0", 6) + exif;
    QByteArray length(2, '\0');
    qToBigEndian(quint16(body.size() + 2), length.data());
    return jpeg.insert(2, QByteArray("\xff\xe1", 2) + length + body);
}

} // namespace

class TestPictureFacts : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void eachFormatGivesItsDimensionsAndFacts_data()
    {
        QTest::addColumn<QByteArray>("format");
        QTest::addColumn<QString>("suffix");
        QTest::addColumn<QStringList>("commands");
        QTest::addColumn<QStringList>("lines");
        QTest::newRow("JPEG") << QByteArray("JPEG") << QStringLiteral("jpeg") << CameraFacts << CameraLines;
        QTest::newRow("PNG") << QByteArray("PNG") << QStringLiteral("png") << CameraFacts << CameraLines;
        QTest::newRow("WebP") << QByteArray("WEBP") << QStringLiteral("webp") << CameraFacts << CameraLines;
        QTest::newRow("TIFF") << QByteArray("TIFF") << QStringLiteral("tiff") << CameraFacts << CameraLines;
        QTest::newRow("XMP alone") << QByteArray("PNG") << QStringLiteral("png")
                                   << QStringList{"set Xmp.tiff.Make Nikon", "set Xmp.tiff.Model D750",
                                                  "set Xmp.exif.DateTimeOriginal 2023-08-15T09:30:00",
                                                  "set Xmp.xmp.CreatorTool GIMP 2.10"}
                                   << QStringList{"Dimensions : 64 x 48", "Camera : Nikon D750",
                                                  "Date taken : 15 Aug 2023 09:30:00",
                                                  "Software : GIMP 2.10"};
        QTest::newRow("long exposure")
            << QByteArray("JPEG") << QStringLiteral("jpeg")
            << QStringList{"set Exif.Image.Make Fujifilm", "set Exif.Image.Model X-T3",
                           "set Exif.Photo.ExposureTime 5/2", "set Exif.Photo.FNumber 8/1",
                           "set Exif.Photo.FocalLength 185/10"}
            << QStringList{"Dimensions : 64 x 48", "Camera : Fujifilm X-T3", "Exposure time : 2.5 s",
                           "Aperture : f/8", "Focal length : 18.5 mm"};
        QTest::newRow("JPEG named .jpg")
            << QByteArray("JPEG") << QStringLiteral("jpg") << CameraFacts << CameraLines;
        QTest::newRow("PNG named .jpg")
            << QByteArray("PNG") << QStringLiteral("jpg") << CameraFacts << CameraLines;
        QTest::newRow("TIFF named .tif")
            << QByteArray("TIFF") << QStringLiteral("tif") << CameraFacts << CameraLines;
        QTest::newRow("turned by its camera")
            << QByteArray("JPEG") << QStringLiteral("jpeg") << QStringList{"set Exif.Image.Orientation 6"}
            << QStringList{"Dimensions : 48 x 64"};
    }
    void eachFormatGivesItsDimensionsAndFacts()
    {
        QFETCH(QByteArray, format);
        QFETCH(QString, suffix);
        QFETCH(QStringList, commands);
        QFETCH(QStringList, lines);
        const QString tool = QStandardPaths::findExecutable(QStringLiteral("exiv2"));
        if (tool.isEmpty())
            QSKIP("the exiv2 tool is missing: scripts/install-deps.sh installs it");
        TemporaryFolder folder;
        const QString path = folder.filePath(QStringLiteral("shot.") + suffix);
        QVERIFY(picture().save(path, format.constData()));
        QStringList arguments;
        for (const QString &command : commands)
            arguments << QStringLiteral("-M") + command;
        QProcess exiv2;
        exiv2.start(tool, arguments << path);
        QVERIFY(exiv2.waitForFinished());
        QVERIFY2(exiv2.exitCode() == 0, exiv2.readAllStandardError().constData());
        QCOMPARE(PictureDescriber::lines(path), lines);
    }

    void damagedMetadataGivesWhatCouldBeRead_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QStringList>("lines");
        const QStringList sony{"Dimensions : 64 x 48", "Camera : Sony"};
        const QByteArray sonyAlone = tiff(1, MakeSony + little32(0));
        QTest::newRow("a value beyond the block")
            << jpegWithExif(tiff(2, MakeSony + entry(0x0110, 2, 12, little32(0x7ffffff0)) + little32(0)))
            << sony;
        QTest::newRow("a directory beyond the block")
            << jpegWithExif(tiff(2, MakeSony + entry(0x8769, 4, 1, little32(0x00fffff0)) + little32(0)))
            << sony;
        QTest::newRow("a directory holding itself")
            << jpegWithExif(tiff(2, MakeSony + entry(0x8769, 4, 1, little32(8)) + little32(0))) << sony;
        QTest::newRow("a directory cut short") << jpegWithExif(tiff(3, MakeSony)) << sony;
        QTest::newRow("the first directory beyond the block")
            << jpegWithExif(QByteArray("II*\0", 4) + little32(0xfffffff0))
            << QStringList{"Dimensions : 64 x 48"};
        QTest::newRow("the header cut short")
            << jpegWithExif(QByteArray("II*")) << QStringList{"Dimensions : 64 x 48"};
        // Three bytes into the segment after the metadata.
        QTest::newRow("the file cut short after it")
            << jpegWithExif(sonyAlone).left(12 + sonyAlone.size() + 3) << QStringList{"Camera : Sony"};
    }
    void damagedMetadataGivesWhatCouldBeRead()
    {
        QFETCH(QByteArray, file);
        QFETCH(QStringList, lines);
        TemporaryFolder folder;
        const QString path = folder.filePath(QStringLiteral("damaged.jpg"));
        writeBytes(path, file);
        QCOMPARE(PictureDescriber::lines(path), lines);
    }

    void withoutTheModuleTheDimensionsAreGivenAlone()
    {
        TemporaryFolder folder;
        const QString path = folder.filePath(QStringLiteral("sony.jpg"));
        writeBytes(path, jpegWithExif(tiff(1, MakeSony + little32(0))));
        ModuleLoader::setFolder(folder.path());
        const auto usualModules = qScopeGuard([] { ModuleLoader::setFolder({}); });
        QTest::ignoreMessage(QtWarningMsg,
                             QRegularExpression(QStringLiteral("module exif cannot be loaded")));
        QCOMPARE(PictureDescriber::lines(path), QStringList{"Dimensions : 64 x 48"});
    }

    void onlyTheLatestPictureAskedForIsDescribed()
    {
        TemporaryFolder folder;
        const QString first = folder.filePath(QStringLiteral("first.png"));
        const QString second = folder.filePath(QStringLiteral("second.png"));
        QVERIFY(picture().save(first));
        QVERIFY(picture().scaled(32, 24).save(second));
        PictureDescriber describer;
        QSignalSpy described(&describer, &PictureDescriber::described);
        describer.describe(first);
        describer.describe(second);
        QVERIFY(described.wait());
        QCOMPARE(described.count(), 1);
        QCOMPARE(described.first().at(0).toString(), second);
        QCOMPARE(described.first().at(1).toStringList(), QStringList{"Dimensions : 32 x 24"});
    }
};

QObject *createPictureFactsTest()
{
    return new TestPictureFacts;
}

#include "tst_picturefacts.moc"
