// SPDX-License-Identifier: GPL-3.0-or-later
#include "pictures/PictureAnimation.h"
#include "pictures/PictureDecoder.h"
#include "pictures/PictureFit.h"
#include "pictures/ThumbnailMaker.h"
#include "pictures/WmfReader.h"
#include "platform/NativePath.h"
#include "playback/VideoFrames.h"
#include "support/TemporaryFolder.h"
#include "support/TestFiles.h"

#include <QBuffer>
#include <QImage>
#include <QSet>
#include <QSignalSpy>
#include <QTest>
#include <QtEndian>
#include <sys/stat.h>

namespace {

QByteArray encoded(const QImage &image, const char *format)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format);
    return bytes;
}

QImage gradient(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y, qRgb(x * 255 / width, y * 255 / height, 128));
    }
    return image;
}

QByteArray word(int value)
{
    QByteArray bytes(2, '\0');
    qToLittleEndian<qint16>(qint16(value), bytes.data());
    return bytes;
}

QByteArray doubleWord(quint32 value)
{
    QByteArray bytes(4, '\0');
    qToLittleEndian<quint32>(value, bytes.data());
    return bytes;
}

QByteArray bigEndian(quint32 value)
{
    QByteArray bytes(4, '\0');
    qToBigEndian<quint32>(value, bytes.data());
    return bytes;
}

QByteArray pngChunk(const char *type, const QByteArray &data)
{
    const QByteArray typed = QByteArray(type) + data;
    quint32 crc = 0xffffffff;
    for (char byte : typed) {
        crc ^= quint8(byte);
        for (int bit = 0; bit < 8; ++bit)
            crc = (crc >> 1) ^ ((crc & 1) ? 0xedb88320 : 0);
    }
    return bigEndian(quint32(data.size())) + typed + bigEndian(~crc);
}

// A palette PNG of 1, 2, 4 or 8 bits a pixel, red on the left half (the first colour) and blue on
// the right (the last); the colours between are green. Qt writes palettes at 1 and 8 bits only.
QByteArray halvesPng(int depth, const QSize &size)
{
    const int last = (1 << depth) - 1;
    QByteArray palette;
    for (int index = 0; index <= last; ++index)
        palette += index == 0      ? QByteArray("\xff\x00\x00", 3)
                   : index == last ? QByteArray("\x00\x00\xff", 3)
                                   : QByteArray("\x00\xff\x00", 3);
    QByteArray rows;
    for (int y = 0; y < size.height(); ++y) {
        QByteArray row((size.width() * depth + 7) / 8, '\0');
        for (int x = size.width() / 2; x < size.width(); ++x) {
            const int bit = x * depth;
            row[bit / 8] = char(quint8(row[bit / 8]) | (last << (8 - depth - bit % 8)));
        }
        rows += '\0' + row;
    }
    const QByteArray header = bigEndian(quint32(size.width())) + bigEndian(quint32(size.height())) +
                              char(depth) + QByteArray("\x03\x00\x00\x00", 4);
    return QByteArray("\x89PNG\r\n\x1a\n", 8) + pngChunk("IHDR", header) + pngChunk("PLTE", palette) +
           pngChunk("IDAT", qCompress(rows).mid(4)) + pngChunk("IEND", {});
}

// The same halves as a GIF, whose codes go uncompressed: a clear code before every second pixel
// keeps them three bits wide.
QByteArray halvesGif(const QSize &size)
{
    QByteArray gif = "GIF89a" + word(size.width()) + word(size.height());
    gif += QByteArray("\x80\x00\x00\xff\x00\x00\x00\x00\xff\x2c\x00\x00\x00\x00", 14);
    gif += word(size.width()) + word(size.height()) + QByteArray("\x00\x02", 2);
    QByteArray codes;
    quint32 bits = 0;
    int pending = 0;
    auto put = [&](quint32 code) {
        bits |= code << pending;
        for (pending += 3; pending >= 8; pending -= 8, bits >>= 8)
            codes += char(bits & 0xff);
    };
    for (int pixel = 0; pixel < size.width() * size.height(); ++pixel) {
        if (pixel % 2 == 0)
            put(4);
        put(pixel % size.width() >= size.width() / 2 ? 1 : 0);
    }
    put(5);
    codes += char(bits);
    for (qsizetype at = 0; at < codes.size(); at += 255)
        gif += char(qMin<qsizetype>(255, codes.size() - at)) + codes.mid(at, 255);
    return gif + '\0' + ';';
}

QImage halves(QImage::Format format, const QSize &size)
{
    QImage image(size, format);
    image.setColorTable({qRgb(255, 0, 0), qRgb(0, 0, 255)});
    image.fill(0);
    for (int y = 0; y < size.height(); ++y) {
        for (int x = size.width() / 2; x < size.width(); ++x)
            image.setPixel(x, y, 1);
    }
    return image;
}

// A placeable metafile an inch wide and half an inch high holding one red rectangle.
QByteArray metafile()
{
    auto record = [](int function, std::initializer_list<int> parameters) {
        QByteArray bytes = doubleWord(quint32(3 + parameters.size())) + word(function);
        for (int parameter : parameters)
            bytes += word(parameter);
        return bytes;
    };
    QByteArray records = record(0x020b, {0, 0}) + record(0x020c, {500, 1000});
    records += doubleWord(7) + word(0x02fc) + word(0) + doubleWord(0x0000ff) + word(0);
    records += record(0x012d, {0}) + record(0x041b, {400, 900, 100, 100}) + record(0, {});
    const QByteArray header = word(1) + word(9) + word(0x0300) + doubleWord(quint32(9 + records.size() / 2)) +
                              word(1) + doubleWord(7) + word(0);
    QByteArray placeable = doubleWord(0x9ac6cdd7) + word(0) + word(0) + word(0) + word(1000) + word(500) +
                           word(1000) + doubleWord(0);
    quint16 sum = 0;
    for (int i = 0; i < 20; i += 2)
        sum ^= qFromLittleEndian<quint16>(placeable.constData() + i);
    return placeable + word(sum) + header + records;
}

// A one-pixel GIF of two frames, red then blue, a tenth of a second each, looping.
// One pixel, red and blue in turns, a tenth of a second a frame.
QByteArray gifOfFrames(int frames)
{
    QByteArray gif("GIF89a\x01\x00\x01\x00\x80\x00\x00\xff\x00\x00\x00\x00\xff", 19);
    gif += QByteArray("\x21\xff\x0bNETSCAPE2.0\x03\x01\x00\x00\x00", 19);
    for (int frame = 0; frame < frames; ++frame) {
        gif += QByteArray("\x21\xf9\x04\x00\x0a\x00\x00\x00", 8);
        gif += QByteArray("\x2c\x00\x00\x00\x00\x01\x00\x01\x00\x00\x02\x02", 12) +
               (frame % 2 == 0 ? '\x44' : '\x4c') + QByteArray("\x01\x00", 2);
    }
    return gif + ';';
}

} // namespace

class TestPictures : public QObject
{
    Q_OBJECT

    TemporaryFolder m_dir;

private Q_SLOTS:
    void picturesFitTheirPanel_data()
    {
        QTest::addColumn<QSize>("picture");
        QTest::addColumn<QSize>("panel");
        QTest::addColumn<QRect>("area");
        QTest::newRow("wide: the width decides, p = 50")
            << QSize(4000, 1000) << QSize(2000, 1500) << QRect(0, 500, 2000, 500);
        QTest::newRow("tall: the height decides, p = 37.5 to 38")
            << QSize(1000, 4000) << QSize(2000, 1500) << QRect(810, 0, 380, 1500);
        QTest::newRow("small: never enlarged, centred")
            << QSize(100, 50) << QSize(400, 300) << QRect(150, 125, 100, 50);
        QTest::newRow("both too large, in whole percentages")
            << QSize(3000, 3000) << QSize(600, 400) << QRect(99, 0, 402, 400);
        QTest::newRow("no panel") << QSize(100, 100) << QSize(0, 0) << QRect(0, 0, 0, 0);
    }
    void picturesFitTheirPanel()
    {
        QFETCH(QSize, picture);
        QFETCH(QSize, panel);
        QFETCH(QRect, area);
        QCOMPARE(PictureFit::fit(picture, panel), area);
    }

    void picturesAreDecodedAtTheSizeShown_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QSize>("panel");
        QTest::addColumn<QSize>("natural");
        QTest::addColumn<QSize>("shown");
        const QImage photo = gradient(1600, 1200);
        QTest::newRow("jpeg scaled while decoded") << "photo.jpg" << encoded(photo, "JPG") << QSize(400, 400)
                                                   << QSize(1600, 1200) << QSize(400, 300);
        QTest::newRow("png") << "photo.png" << encoded(photo, "PNG") << QSize(400, 400) << QSize(1600, 1200)
                             << QSize(400, 300);
        QTest::newRow("bitmap at its own size") << "small.bmp" << encoded(gradient(64, 32), "BMP")
                                                << QSize(400, 400) << QSize(64, 32) << QSize(64, 32);
        // The name's format is tried first; the contents decide.
        QTest::newRow("png named .jpg")
            << "png.jpg" << encoded(photo, "PNG") << QSize(400, 400) << QSize(1600, 1200) << QSize(400, 300);
        QTest::newRow("jpeg named .gif")
            << "jpeg.GIF" << encoded(photo, "JPG") << QSize(400, 400) << QSize(1600, 1200) << QSize(400, 300);
        QTest::newRow("jpeg without a suffix")
            << "jpeg" << encoded(photo, "JPG") << QSize(400, 400) << QSize(1600, 1200) << QSize(400, 300);
        QTest::newRow("bitmap named for no format") << "small.dat" << encoded(gradient(64, 32), "BMP")
                                                    << QSize(400, 400) << QSize(64, 32) << QSize(64, 32);
        QTest::newRow("full size for the viewer")
            << "photo.jpg" << encoded(photo, "JPG") << QSize() << QSize(1600, 1200) << QSize(1600, 1200);
        QTest::newRow("metafile at 96 dots an inch")
            << "shape.wmf" << metafile() << QSize() << QSize(96, 48) << QSize(96, 48);
        QTest::newRow("metafile fitted")
            << "shape.wmf" << metafile() << QSize(48, 48) << QSize(96, 48) << QSize(48, 24);
    }
    void picturesAreDecodedAtTheSizeShown()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, bytes);
        QFETCH(QSize, panel);
        QFETCH(QSize, natural);
        QFETCH(QSize, shown);
        const QString path = m_dir.filePath(name);
        writeBytes(path, bytes);
        const PictureDecoder::Result result = PictureDecoder::decode(path, panel);
        QCOMPARE(result.problem, QString());
        QCOMPARE(result.naturalSize, natural);
        QCOMPARE(result.image.size(), shown);
    }

    void palettePicturesKeepTheirColours_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QSize>("panel");
        const QSize size(400, 300);
        const QList<std::pair<const char *, QSize>> panels = {
            {"a tenth", QSize(40, 40)}, {"a half", QSize(200, 200)}, {"own size", QSize(800, 800)}};
        for (const auto &[how, panel] : panels) {
            for (int depth : {1, 2, 4, 8})
                QTest::addRow("%d-bit png, %s", depth, how)
                    << "halves.png" << halvesPng(depth, size) << panel;
            QTest::addRow("gif, %s", how) << "halves.gif" << halvesGif(size) << panel;
            QTest::addRow("1-bit bitmap, %s", how)
                << "halves.bmp" << encoded(halves(QImage::Format_Mono, size), "BMP") << panel;
            QTest::addRow("8-bit bitmap, %s", how)
                << "halves.bmp" << encoded(halves(QImage::Format_Indexed8, size), "BMP") << panel;
        }
    }
    void palettePicturesKeepTheirColours()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, bytes);
        QFETCH(QSize, panel);
        const QString path = m_dir.filePath(name);
        writeBytes(path, bytes);
        const QImage image = PictureDecoder::decode(path, panel).image;
        QCOMPARE(image.size(), PictureFit::fit(QSize(400, 300), panel).size());
        const int middle = image.height() / 2;
        QCOMPARE(QColor(image.pixel(2, middle)), QColor(Qt::red));
        QCOMPARE(QColor(image.pixel(image.width() - 3, middle)), QColor(Qt::blue));
    }

    void mediaHaveThumbnailsOfTheSizeAsked_data()
    {
        QTest::addColumn<QStringList>("names");
        QTest::addColumn<QList<QByteArray>>("contents");
        QTest::addColumn<QSize>("size");
        const QByteArray photo = encoded(gradient(1600, 1200), "JPG");
        QTest::newRow("a photograph")
            << QStringList{"photo.jpg"} << QList<QByteArray>{photo} << QSize(128, 96);
        QTest::newRow("a small picture is not enlarged")
            << QStringList{"small.png"} << QList<QByteArray>{encoded(gradient(64, 32), "PNG")}
            << QSize(64, 32);
        QTest::newRow("a metafile") << QStringList{"shape.wmf"} << QList<QByteArray>{metafile()}
                                    << QSize(96, 48);
        const QByteArray drawing = "<svg xmlns='http://www.w3.org/2000/svg' width='400' height='200'>"
                                   "<rect width='400' height='200' fill='red'/></svg>";
        QTest::newRow("a drawing") << QStringList{"drawing.svg"} << QList<QByteArray>{drawing}
                                   << QSize(128, 64);
        QTest::newRow("a scan") << QStringList{"scan.tif"}
                                << QList<QByteArray>{encoded(gradient(400, 300), "TIFF")} << QSize(128, 96);
        QTest::newRow("a song shows the cover beside it")
            << QStringList{"song.mp3", "cover.jpg"} << QList<QByteArray>{"ID3", photo} << QSize(128, 96);
        QTest::newRow("a song without a cover")
            << QStringList{"song.mp3"} << QList<QByteArray>{"ID3"} << QSize(0, 0);
        QTest::newRow("a video that never decodes")
            << QStringList{"film.mp4"} << QList<QByteArray>{QByteArray(4096, 'x')} << QSize(0, 0);
        QTest::newRow("a picture cut short")
            << QStringList{"cut.png"} << QList<QByteArray>{encoded(gradient(64, 32), "PNG").left(20)}
            << QSize(0, 0);
        QTest::newRow("a picture claiming 100000 x 100000")
            << QStringList{"huge.ppm"} << QList<QByteArray>{"P6\n100000 100000\n255\n"} << QSize(0, 0);
        QTest::newRow("not a medium") << QStringList{"notes.txt"} << QList<QByteArray>{"text"} << QSize(0, 0);
    }
    void mediaHaveThumbnailsOfTheSizeAsked()
    {
        QFETCH(QStringList, names);
        QFETCH(QList<QByteArray>, contents);
        QFETCH(QSize, size);
        TemporaryFolder dir;
        for (qsizetype i = 0; i < names.size(); ++i)
            writeBytes(dir.filePath(names.at(i)), contents.at(i));
        const ThumbnailMaker maker(VideoFrames::source());
        const QString path = dir.filePath(names.first());
        QCOMPARE(ThumbnailMaker::handles(path), !names.first().endsWith(QLatin1String(".txt")));
        const QImage made = maker.make(path, 128, QDeadlineTimer(8000));
        QCOMPARE(made.size(), size);
    }

    void aVideoHasAFrameForThumbnail()
    {
        const ThumbnailMaker::FrameSource frames = VideoFrames::source();
        const QImage frame =
            frames("av://lavfi:color=c=red:size=64x48:duration=2", 0.1, QDeadlineTimer(8000));
        QCOMPARE(frame.size(), QSize(64, 48));
        QVERIFY(QColor(frame.pixel(32, 24)).red() > 200);
    }

    void animatedPicturesPlay_data()
    {
        QTest::addColumn<int>("frames");
        QTest::newRow("two frames") << 2;
        // Frames are read as they are shown, not all at once.
        QTest::newRow("ten thousand frames") << 10000;
    }
    void animatedPicturesPlay()
    {
        QFETCH(int, frames);
        const QString path = m_dir.filePath(QStringLiteral("frames.gif"));
        writeBytes(path, gifOfFrames(frames));
        const PictureDecoder::Result result = PictureDecoder::decode(path, QSize(100, 100));
        QVERIFY(result.animated);
        QCOMPARE(result.image.size(), QSize(1, 1));
        PictureAnimation animation(path, QSize(10, 10));
        QSet<QRgb> seen;
        QTRY_VERIFY_WITH_TIMEOUT(
            (seen.insert(animation.currentFrame().pixel(5, 5) & 0xffffff), seen.size() == 2), 3000);
        QCOMPARE(seen, QSet<QRgb>({0xff0000, 0x0000ff}));
        QCOMPARE(animation.currentFrame().size(), QSize(10, 10));
    }

    void theMetafileIsDrawn()
    {
        const QImage image = WmfReader::read(metafile());
        QCOMPARE(image.size(), QSize(96, 48));
        // Red inside the rectangle, not outside it.
        QCOMPARE(QColor(image.pixel(48, 24)), QColor(Qt::red));
        QVERIFY(QColor(image.pixel(2, 2)) != QColor(Qt::red));
    }

    void badPicturesAreRefused_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("bytes");
        const QByteArray jpeg = encoded(gradient(300, 200), "JPG");
        const QByteArray gif = encoded(gradient(300, 200), "GIF");
        QTest::newRow("zero bytes") << "empty.jpg" << QByteArray();
        QTest::newRow("text named .jpg") << "words.jpg" << QByteArray("not a picture at all\n");
        QTest::newRow("jpeg cut after its header") << "cut.jpg" << jpeg.left(200);
        QTest::newRow("gif cut after its header") << "cut.gif" << gif.left(20);
        QTest::newRow("bitmap cut") << "cut.bmp" << encoded(gradient(64, 32), "BMP").left(30);
        QTest::newRow("icon cut") << "cut.ico" << QByteArray("\0\0\1\0\1\0\x20\x20\0\0", 10);
        QTest::newRow("cursor cut") << "cut.cur" << QByteArray("\0\0\2\0\1\0\x20\x20\0\0", 10);
        QTest::newRow("metafile cut") << "cut.wmf" << metafile().left(30);
        QTest::newRow("metafile of noise")
            << "noise.wmf" << QByteArray("\xd7\xcd\xc6\x9a", 4) + QByteArray(200, '\x7f');
        // A bitmap header claiming 100000 x 100000 pixels: refused before anything is allocated.
        QByteArray huge = encoded(gradient(4, 4), "BMP");
        qToLittleEndian<qint32>(100000, huge.data() + 18);
        qToLittleEndian<qint32>(100000, huge.data() + 22);
        QTest::newRow("100000 x 100000 claimed") << "huge.bmp" << huge;
    }
    void badPicturesAreRefused()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, bytes);
        const QString path = m_dir.filePath(name);
        writeBytes(path, bytes);
        for (const QSize &panel : {QSize(400, 400), QSize()}) {
            const PictureDecoder::Result result = PictureDecoder::decode(path, panel);
            QVERIFY(result.image.isNull());
            QVERIFY(!result.problem.isEmpty());
        }
    }

    void rowsMissingFromAFileShowOneNeutralColour_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QSize>("panel");
        // Whether what could be read is shown; otherwise it may be refused whole.
        QTest::addColumn<bool>("partial");
        const QImage picture = gradient(64, 64);
        // Bitmaps are stored from the bottom row up: the rows cut off are the top ones.
        const QByteArray bitmap = encoded(picture, "BMP");
        QTest::newRow("bitmap cut in half") << "half.bmp" << bitmap.left(54 + 64 * 32 * 3) << QSize() << true;
        QTest::newRow("bitmap cut in half, fitted")
            << "half.bmp" << bitmap.left(54 + 64 * 32 * 3) << QSize(32, 32) << true;
        QImage indexed = picture.convertToFormat(QImage::Format_Indexed8);
        const QByteArray palette = encoded(indexed, "BMP");
        QTest::newRow("bitmap of 256 colours cut")
            << "palette.bmp" << palette.left(palette.size() - 64 * 32) << QSize() << true;
        const QByteArray png = encoded(picture, "PNG");
        QTest::newRow("png cut") << "cut.png" << png.left(png.size() / 2) << QSize() << false;
    }
    void rowsMissingFromAFileShowOneNeutralColour()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, bytes);
        QFETCH(QSize, panel);
        QFETCH(bool, partial);
        const QString path = m_dir.filePath(name);
        writeBytes(path, bytes);
        // Memory freed by a picture decoded just before is what a new one would be given.
        for (int i = 0; i < 4; ++i) {
            QImage earlier = gradient(64, 64).convertToFormat(QImage::Format_RGB32);
            earlier.fill(Qt::red);
        }
        const PictureDecoder::Result result = PictureDecoder::decode(path, panel);
        if (!partial && result.image.isNull())
            return;
        QVERIFY(!result.image.isNull());
        const QImage top = result.image.convertToFormat(QImage::Format_RGB32);
        QCOMPARE(QColor(top.pixel(top.width() / 2, 0)), QColor(PictureDecoder::MissingRowColour));
        QCOMPARE(QColor(top.pixel(0, 1)), QColor(PictureDecoder::MissingRowColour));
    }

    void aFifoNamedLikeAPictureIsRefusedWithoutWaiting()
    {
        const QString path = m_dir.filePath(QStringLiteral("pipe.jpg"));
        QCOMPARE(::mkfifo(NativePath::toBytes(path).constData(), 0600), 0);
        const PictureDecoder::Result result = PictureDecoder::decode(path, QSize(400, 400));
        QVERIFY(result.image.isNull());
        QCOMPARE(result.problem, QStringLiteral("it is not a regular file"));
    }
};

QObject *createPicturesTest()
{
    return new TestPictures;
}

#include "tst_pictures.moc"
