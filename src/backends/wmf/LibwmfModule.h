// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "pictures/WmfModule.h"

#include <QObject>

// The metafile module.
class LibwmfModule : public QObject, public WmfModule
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID "org.kestrove.WmfModule/1")
    Q_INTERFACES(WmfModule)

public:
    std::unique_ptr<Metafile> open(const QByteArray &bytes) override;
};
