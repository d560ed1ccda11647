// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "pictures/PictureFacts.h"

#include <QByteArray>
#include <QtPlugin>

// What the picture facts module offers: the metadata of JPEG, PNG, WebP and TIFF files, read by
// Exiv2.
class PictureFactsModule
{
public:
    virtual ~PictureFactsModule() = default;

    // The facts of the picture file at that absolute path, given as the bytes the file system
    // keeps. Of a damaged file, what could be read before the damage; of a file that cannot be
    // read, none.
    virtual PictureFacts facts(const QByteArray &path) = 0;
};

Q_DECLARE_INTERFACE(PictureFactsModule, "org.kestrove.PictureFactsModule/1")
