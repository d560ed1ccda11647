// SPDX-License-Identifier: GPL-3.0-or-later
#include "backends/wmf/LibwmfModule.h"

#include "backends/wmf/LibwmfMetafile.h"

#include <QLoggingCategory>

Q_LOGGING_CATEGORY(lcWmf, "kestrove.playback.wmf")

std::unique_ptr<Metafile> LibwmfModule::open(const QByteArray &bytes)
{
    auto metafile = std::make_unique<LibwmfMetafile>(bytes);
    if (!metafile->valid())
        return nullptr;
    return metafile;
}
