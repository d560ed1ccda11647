// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "pictures/Metafile.h"

#include <QByteArray>
#include <QtPlugin>
#include <memory>

// What the metafile module offers: metafiles read and drawn by libwmf.
class WmfModule
{
public:
    virtual ~WmfModule() = default;

    // The metafile in these bytes; nothing when it cannot be read or has no size.
    virtual std::unique_ptr<Metafile> open(const QByteArray &bytes) = 0;
};

Q_DECLARE_INTERFACE(WmfModule, "org.kestrove.WmfModule/1")
