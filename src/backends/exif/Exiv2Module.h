// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "pictures/PictureFactsModule.h"

#include <QObject>

// The picture facts module.
class Exiv2Module : public QObject, public PictureFactsModule
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID "org.kestrove.PictureFactsModule/1")
    Q_INTERFACES(PictureFactsModule)

public:
    PictureFacts facts(const QByteArray &path) override;
};
