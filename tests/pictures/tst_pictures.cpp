// SPDX-License-Identifier: GPL-3.0-or-later
#include "pictures/PictureAnimation.h"
#include "pictures/PictureDecoder.h"
#include "pictures/PictureFit.h"
#include "pictures/PictureViewer.h"
#include "pictures/PictureZoom.h"
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

struct Calls
{
    QStringList made;
    bool onEditList = false;
};

PictureViewer::Hooks hooksRecording(Calls &calls)
{
    auto note = [&calls](const char *name) {
        return [&calls, name] { calls.made.append(QLatin1String(name)); };
    };
    PictureViewer::Hooks hooks;
    hooks.chosenName = [] { return QStringLiteral("  holiday.jpg "); };
    hooks.information = [] { return QStringLiteral("Size : 2.0 MB\r\n"); };
    hooks.chosenIsOnEditList = [&calls] { return calls.onEditList; };
    hooks.addToEditList = [&calls] {
        calls.made.append(QStringLiteral("add"));
        calls.onEditList = true;
    };
    hooks.removeFromEditList = [&calls] {
        calls.made.append(QStringLiteral("remove"));
        calls.onEditList = false;
    };
    hooks.toggleAutoAdvance = note("toggle advance");
    hooks.stopAutoAdvance = note("stop advance");
    hooks.nextFile = note("next");
    hooks.previousFile = note("previous");
    hooks.deleteFile = note("delete");
    hooks.firstFile = note("first");
    hooks.lastFile = note("last");
    return hooks;
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

    void theViewerFitsAndZooms_data()
    {
        QTest::addColumn<QSize>("natural");
        QTest::addColumn<bool>("fitLarge");
        QTest::addColumn<QString>("steps");
        QTest::addColumn<QRectF>("area");
        QTest::addColumn<int>("percent");
        const QSize photo(4000, 3000);
        QTest::newRow("a photo fitted whole") << photo << true << "" << QRectF(0, 0, 1280, 960) << 32;
        QTest::newRow("fitting off: own size, overflowing evenly")
            << photo << false << "" << QRectF(-1360, -1020, 4000, 3000) << 100;
        QTest::newRow("a small picture is not enlarged")
            << QSize(100, 50) << true << "" << QRectF(590, 455, 100, 50) << 100;
        QTest::newRow("a step larger about the middle")
            << photo << true << "+" << QRectF(-160, -120, 1600, 1200) << 40;
        QTest::newRow("a step larger about the top left corner")
            << photo << true << "+@0,0" << QRectF(0, 0, 1600, 1200) << 40;
        QTest::newRow("a step back gives the fitted picture")
            << photo << true << "+ -" << QRectF(0, 0, 1280, 960) << 32;
        QTest::newRow("0 fits again") << photo << true << "+ + 0" << QRectF(0, 0, 1280, 960) << 32;
        QTest::newRow("1 is the natural size")
            << photo << true << "+ 1" << QRectF(-1360, -1020, 4000, 3000) << 100;
        QTest::newRow("0 fits with fitting off") << photo << false << "0" << QRectF(0, 0, 1280, 960) << 32;
        QTest::newRow("no larger than sixteen times")
            << QSize(100, 50) << true << QStringLiteral("+@590,455 ").repeated(18)
            << QRectF(590, 455, 1600, 800) << 1600;
        QTest::newRow("a fitted picture is fitted to a new screen")
            << photo << true << "screen" << QRectF(0, 30, 640, 480) << 16;
        QTest::newRow("a zoomed one keeps its zoom, centred")
            << photo << true << "+@0,0 screen" << QRectF(-480, -330, 1600, 1200) << 40;
    }
    void theViewerFitsAndZooms()
    {
        QFETCH(QSize, natural);
        QFETCH(bool, fitLarge);
        QFETCH(QString, steps);
        QFETCH(QRectF, area);
        QFETCH(int, percent);
        PictureZoom zoom;
        zoom.setView(QSize(1280, 960));
        zoom.setPicture(natural, fitLarge);
        for (const QString &step : steps.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
            // "+@X,Y" zooms about a point; a step without one, about the middle.
            const QStringList at = step.section(QLatin1Char('@'), 1).split(QLatin1Char(','));
            const QPointF anchor = at.size() == 2 ? QPointF(at[0].toInt(), at[1].toInt()) : QPointF(640, 480);
            if (step == QLatin1String("screen"))
                zoom.setView(QSize(640, 540));
            else if (step.startsWith(QLatin1Char('+')))
                zoom.zoom(1, anchor);
            else if (step.startsWith(QLatin1Char('-')))
                zoom.zoom(-1, anchor);
            else if (step == QLatin1String("0"))
                zoom.fit();
            else if (step == QLatin1String("1"))
                zoom.showNaturalSize();
        }
        QCOMPARE(zoom.area(), area);
        QCOMPARE(zoom.percent(), percent);
    }

    void theViewerShowsALargePictureFittedAndZoomed()
    {
        Calls made;
        const QString path = m_dir.filePath(QStringLiteral("wide.jpg"));
        writeBytes(path, encoded(gradient(3000, 200), "JPG"));
        PictureViewer viewer(hooksRecording(made), true);
        viewer.show();
        viewer.showPicture(path);
        // Fitted whole, and decoded no larger than shown.
        const QRect fitted = PictureFit::fit(QSize(3000, 200), viewer.size());
        QTRY_COMPARE(viewer.pictureArea(), fitted);
        QCOMPARE(viewer.decodedSize(), fitted.size());
        const auto banner = [](int percent) {
            return QStringLiteral("holiday.jpg\nSize : 2.0 MB\nZoom : %1 %").arg(percent);
        };
        QCOMPARE(viewer.bannerText(), banner(qRound(fitted.width() / 30.0)));
        // The wheel zooms about the pointer: the point of the picture under it stays there.
        const QPointF pointer(fitted.left() + fitted.width() / 4.0, fitted.center().y());
        QWheelEvent wheel(pointer, viewer.mapToGlobal(pointer), QPoint(), QPoint(0, 120), Qt::NoButton,
                          Qt::ControlModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(&viewer, &wheel);
        const QRect zoomed = viewer.pictureArea();
        QVERIFY(qAbs(zoomed.width() - fitted.width() * 1.25) <= 1);
        QVERIFY(qAbs(pointer.x() - zoomed.left() - zoomed.width() / 4.0) <= 1);
        QCOMPARE(viewer.bannerText(), banner(qRound(zoomed.width() / 30.0)));
        // The natural size needs the picture decoded at its own size.
        QTest::keyClick(&viewer, Qt::Key_1);
        QCOMPARE(viewer.pictureArea().size(), QSize(3000, 200));
        QTRY_COMPARE(viewer.decodedSize(), QSize(3000, 200));
        QCOMPARE(viewer.bannerText(), QStringLiteral("holiday.jpg\nSize : 2.0 MB"));
        QTest::keyClick(&viewer, Qt::Key_0);
        QCOMPARE(viewer.pictureArea(), fitted);
    }

    void theViewerKeys_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<QStringList>("calls");
        QTest::addColumn<bool>("open");
        QTest::newRow("Esc") << int(Qt::Key_Escape) << 0 << QStringList{"stop advance"} << false;
        QTest::newRow("Enter") << int(Qt::Key_Return) << 0 << QStringList{"stop advance"} << false;
        QTest::newRow("Shift+Esc stays open")
            << int(Qt::Key_Escape) << int(Qt::ShiftModifier) << QStringList() << true;
        QTest::newRow("Space") << int(Qt::Key_Space) << 0 << QStringList{"add"} << true;
        QTest::newRow("Shift+Space") << int(Qt::Key_Space) << int(Qt::ShiftModifier) << QStringList{"remove"}
                                     << true;
        QTest::newRow("F2") << int(Qt::Key_F2) << 0 << QStringList{"toggle advance"} << true;
        QTest::newRow("Page Down") << int(Qt::Key_PageDown) << 0 << QStringList{"next"} << true;
        QTest::newRow("Page Up") << int(Qt::Key_PageUp) << 0 << QStringList{"previous"} << true;
        QTest::newRow("Delete") << int(Qt::Key_Delete) << 0 << QStringList{"delete"} << true;
        QTest::newRow("Home") << int(Qt::Key_Home) << 0 << QStringList{"first"} << true;
        QTest::newRow("End") << int(Qt::Key_End) << 0 << QStringList{"last"} << true;
    }
    void theViewerKeys()
    {
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QFETCH(QStringList, calls);
        QFETCH(bool, open);
        Calls made;
        PictureViewer viewer(hooksRecording(made), false);
        viewer.show();
        QTest::keyClick(&viewer, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
        QCOMPARE(made.made, calls);
        QCOMPARE(viewer.isVisible(), open);
    }

    void theViewerShowsTheBannerAndTheMark()
    {
        Calls made;
        const QString path = m_dir.filePath(QStringLiteral("big.png"));
        writeBytes(path, encoded(gradient(3000, 200), "PNG"));
        PictureViewer viewer(hooksRecording(made), false);
        viewer.resize(1000, 800);
        viewer.show();
        viewer.showPicture(path);
        // The banner: the name and the information on one line below it.
        QVERIFY(viewer.bannerShown());
        QCOMPARE(viewer.bannerText(), QStringLiteral("holiday.jpg\nSize : 2.0 MB"));
        QVERIFY(!viewer.markShown());
        QTest::keyClick(&viewer, Qt::Key_Space);
        QVERIFY(viewer.markShown());
        // Larger than the window, the picture overflows on both sides; dragging moves it.
        QTRY_COMPARE(viewer.pictureOrigin(), QPoint(viewer.width() / 2 - 1500, viewer.height() / 2 - 100));
        const QPoint start = viewer.pictureOrigin();
        const QPoint grip(viewer.width() / 2, viewer.height() / 2);
        QTest::mousePress(&viewer, Qt::LeftButton, {}, grip);
        QMouseEvent move(QEvent::MouseMove, QPointF(grip + QPoint(40, 10)), QPointF(grip + QPoint(40, 10)),
                         Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&viewer, &move);
        QTest::mouseRelease(&viewer, Qt::LeftButton, {}, grip + QPoint(40, 10));
        QCOMPARE(viewer.pictureOrigin(), start + QPoint(40, 10));
        // A right click anywhere closes it.
        QTest::mouseClick(&viewer, Qt::RightButton, {}, QPoint(2, 2));
        QVERIFY(!viewer.isVisible());
    }
};

QObject *createPicturesTest()
{
    return new TestPictures;
}

#include "tst_pictures.moc"
