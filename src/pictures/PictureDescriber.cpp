// SPDX-License-Identifier: GPL-3.0-or-later
#include "pictures/PictureDescriber.h"

#include "pictures/FormatByName.h"
#include "pictures/PictureFactsModule.h"
#include "platform/FileDescriptor.h"
#include "platform/ModuleLoader.h"
#include "platform/NativePath.h"

#include <QCoreApplication>
#include <QFile>
#include <QImageReader>
#include <QLocale>
#include <QPointer>
#include <cmath>

namespace {

// The formats whose metadata the module reads.
bool carriesFacts(const QByteArray &format)
{
    // The reader names a format as the file's name did when that name was right: "jpg" or "jpeg".
    return format == "jpeg" || format == "jpg" || format == "png" || format == "webp" || format == "tiff" ||
           format == "tif";
}

QLocale numbers()
{
    QLocale locale;
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    return locale;
}

// At most one decimal, and none when it is zero: "2.8", "8", "18.5".
QString tenths(double value)
{
    return numbers().toString(std::round(value * 10) / 10, 'g', QLocale::FloatingPointShortest);
}

// Short exposures as the fraction photographers know them by ("1/250"), long ones in seconds.
QString exposureText(double seconds)
{
    if (seconds < 0.25)
        return QLatin1String("1/") + numbers().toString(qRound64(1 / seconds));
    return tenths(seconds);
}

// The camera's maker is left out where the model's name already starts with it.
QString cameraText(const QString &make, const QString &model)
{
    if (make.isEmpty() || model.startsWith(make, Qt::CaseInsensitive))
        return model;
    if (model.isEmpty())
        return make;
    return make + QLatin1Char(' ') + model;
}

} // namespace

PictureDescriber::PictureDescriber(QObject *parent) : QObject(parent)
{
    m_pool.setMaxThreadCount(1);
}

PictureDescriber::~PictureDescriber()
{
    m_pool.clear();
}

void PictureDescriber::describe(const QString &path)
{
    const int request = ++m_request;
    // A request still waiting is no longer wanted.
    m_pool.clear();
    QPointer<PictureDescriber> self(this);
    m_pool.start([self, request, path] {
        const QStringList read = lines(path);
        QMetaObject::invokeMethod(
            QCoreApplication::instance(),
            [self, request, path, read] {
                if (self && request == self->m_request)
                    Q_EMIT self->described(path, read);
            },
            Qt::QueuedConnection);
    });
}

QStringList PictureDescriber::lines(const QString &path)
{
    const QByteArray nativePath = NativePath::toBytes(path);
    FileDescriptor descriptor;
    QFile file;
    if (!descriptor.openForReading(nativePath).isEmpty() || !file.open(descriptor.get(), QIODevice::ReadOnly))
        return {};
    QImageReader reader;
    FormatByName::choose(reader, file, path);
    // Known before the header is read: a reader that failed to read it forgets the format.
    const QByteArray format = reader.format();
    // Dimensions as the picture is shown: upright, as its camera turned it.
    reader.setAutoTransform(true);
    QSize size = reader.size();
    if (reader.transformation() & QImageIOHandler::TransformationRotate90)
        size.transpose();
    QStringList lines;
    if (size.isValid())
        lines.append(tr("Dimensions : %1 x %2").arg(size.width()).arg(size.height()));
    // A file damaged after its metadata still tells what it carries.
    if (!carriesFacts(format))
        return lines;
    if (auto *module = ModuleLoader::load<PictureFactsModule>(QStringLiteral("exif")))
        lines += factLines(module->facts(nativePath));
    return lines;
}

QStringList PictureDescriber::factLines(const PictureFacts &facts)
{
    QStringList lines;
    if (const QString camera = cameraText(facts.make, facts.model); !camera.isEmpty())
        lines.append(tr("Camera : %1").arg(camera));
    if (facts.taken.isValid())
        lines.append(tr("Date taken : %1").arg(QLocale().toString(facts.taken, QLocale::ShortFormat)));
    if (facts.exposureSeconds)
        lines.append(tr("Exposure time : %1 s").arg(exposureText(*facts.exposureSeconds)));
    if (facts.fNumber)
        lines.append(tr("Aperture : f/%1").arg(tenths(*facts.fNumber)));
    if (facts.iso)
        lines.append(tr("ISO : %1").arg(numbers().toString(*facts.iso)));
    if (facts.focalLength)
        lines.append(tr("Focal length : %1 mm").arg(tenths(*facts.focalLength)));
    if (facts.gpsPosition)
        lines.append(tr("GPS position : Recorded"));
    if (!facts.software.isEmpty())
        lines.append(tr("Software : %1").arg(facts.software));
    return lines;
}
