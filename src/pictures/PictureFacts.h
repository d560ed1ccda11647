// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDateTime>
#include <QString>
#include <optional>

// What a picture file tells of how it was taken, from its EXIF or XMP metadata. A fact the file
// does not carry stays empty: an empty text, an invalid date, no number.
struct PictureFacts
{
    QString make;
    QString model;
    // As the camera's clock showed it: the files carry no time zone.
    QDateTime taken;
    std::optional<double> exposureSeconds;
    std::optional<double> fNumber;
    std::optional<int> iso;
    // Millimetres, of the lens itself rather than its 35 mm equivalent.
    std::optional<double> focalLength;
    // The place it was taken is recorded; the place itself is not read.
    bool gpsPosition = false;
    // The program that wrote the file last, or the camera's firmware.
    QString software;
};
