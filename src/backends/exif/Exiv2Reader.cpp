// SPDX-License-Identifier: GPL-3.0-or-later
#include "backends/exif/Exiv2Reader.h"

#include <QLoggingCategory>
#include <cmath>
#include <exiv2/exiv2.hpp>
#include <memory>
#include <mutex>

namespace Exiv2Reader {

namespace {

Q_LOGGING_CATEGORY(lcExif, "kestrove.pictures.exif")

void logProblem(int, const char *message)
{
    // Its complaints are about damaged files, which are still shown as far as they can be read.
    qCInfo(lcExif, "%s", QByteArray(message).trimmed().constData());
}

void lockXmp(void *data, bool locked)
{
    auto *mutex = static_cast<std::mutex *>(data);
    if (locked)
        mutex->lock();
    else
        mutex->unlock();
}

void setUpOnce()
{
    static std::once_flag done;
    std::call_once(done, [] {
        // The XMP toolkit is not safe to use from two threads at once unless given a lock.
        static std::mutex xmp;
        Exiv2::XmpParser::initialize(lockXmp, &xmp);
        Exiv2::LogMsg::setHandler(logProblem);
    });
}

QString text(const std::string &value)
{
    // ASCII values may carry their terminating zero, and padding after it.
    const std::string::size_type end = value.find('\0');
    return QString::fromUtf8(value.data(), qsizetype(end == std::string::npos ? value.size() : end))
        .trimmed();
}

QString exifText(const Exiv2::ExifData &exif, Exiv2::ExifData::const_iterator it)
{
    return it != exif.end() ? text(it->toString()) : QString();
}

QString xmpText(const Exiv2::XmpData &xmp, const char *key)
{
    const auto it = xmp.findKey(Exiv2::XmpKey(key));
    return it != xmp.end() ? text(it->toString()) : QString();
}

// A positive, finite fraction; none for a zero denominator or a value of another kind.
std::optional<double> positive(const Exiv2::ExifData &exif, Exiv2::ExifData::const_iterator it)
{
    if (it == exif.end() || it->count() < 1)
        return std::nullopt;
    const Exiv2::Rational fraction = it->toRational(0);
    if (fraction.first <= 0 || fraction.second <= 0)
        return std::nullopt;
    const double value = double(fraction.first) / fraction.second;
    return std::isfinite(value) ? std::optional(value) : std::nullopt;
}

QDateTime dateOf(const QString &written)
{
    // EXIF writes "2024:05:01 12:34:56"; XMP writes ISO 8601, with or without seconds or zone.
    QDateTime date = QDateTime::fromString(written, QStringLiteral("yyyy:MM:dd HH:mm:ss"));
    if (!date.isValid())
        date = QDateTime::fromString(written, Qt::ISODate);
    return date;
}

void readExif(const Exiv2::ExifData &exif, PictureFacts &facts)
{
    facts.make = exifText(exif, Exiv2::make(exif));
    facts.model = exifText(exif, Exiv2::model(exif));
    facts.taken = dateOf(exifText(exif, Exiv2::dateTimeOriginal(exif)));
    facts.exposureSeconds = positive(exif, Exiv2::exposureTime(exif));
    facts.fNumber = positive(exif, Exiv2::fNumber(exif));
    const auto iso = Exiv2::isoSpeed(exif);
    if (iso != exif.end() && iso->count() >= 1 && iso->toLong(0) > 0)
        facts.iso = int(qMin<long>(iso->toLong(0), 10'000'000));
    facts.focalLength = positive(exif, Exiv2::focalLength(exif));
    facts.gpsPosition = exif.findKey(Exiv2::ExifKey("Exif.GPSInfo.GPSLatitude")) != exif.end();
    facts.software = exifText(exif, exif.findKey(Exiv2::ExifKey("Exif.Image.Software")));
}

// What XMP gives that EXIF did not: editors often write XMP alone.
void readXmp(const Exiv2::XmpData &xmp, PictureFacts &facts)
{
    const auto fill = [](QString &fact, const QString &value) {
        if (fact.isEmpty())
            fact = value;
    };
    fill(facts.make, xmpText(xmp, "Xmp.tiff.Make"));
    fill(facts.model, xmpText(xmp, "Xmp.tiff.Model"));
    fill(facts.software, xmpText(xmp, "Xmp.xmp.CreatorTool"));
    for (const char *key : {"Xmp.exif.DateTimeOriginal", "Xmp.photoshop.DateCreated"}) {
        if (!facts.taken.isValid())
            facts.taken = dateOf(xmpText(xmp, key));
    }
    if (!facts.gpsPosition)
        facts.gpsPosition = xmp.findKey(Exiv2::XmpKey("Xmp.exif.GPSLatitude")) != xmp.end();
}

template <typename Open> PictureFacts read(const Open &open)
{
    setUpOnce();
    PictureFacts facts;
    try {
        const std::unique_ptr<Exiv2::Image> image(open().release());
        if (!image)
            return facts;
        try {
            image->readMetadata();
        } catch (const std::exception &error) {
            // What was read before the damage still counts.
            qCInfo(lcExif, "%s", error.what());
        }
        readExif(image->exifData(), facts);
        readXmp(image->xmpData(), facts);
    } catch (const std::exception &error) {
        qCInfo(lcExif, "%s", error.what());
    }
    return facts;
}

} // namespace

PictureFacts fromFile(const QByteArray &path)
{
    // Given anything but an absolute path, Exiv2 would fetch a path that looks like an address from
    // the network, or read "-" from the standard input.
    if (!path.startsWith('/'))
        return {};
    return read([&path] { return Exiv2::ImageFactory::open(path.toStdString(), false); });
}

PictureFacts fromBytes(const QByteArray &bytes)
{
    return read([&bytes] {
        return Exiv2::ImageFactory::open(reinterpret_cast<const Exiv2::byte *>(bytes.constData()),
                                         long(bytes.size()));
    });
}

} // namespace Exiv2Reader
