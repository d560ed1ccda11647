// SPDX-License-Identifier: GPL-3.0-or-later
#include "playback/VideoFrames.h"

#include "platform/ModuleLoader.h"
#include "platform/NativePath.h"
#include "playback/MpvModule.h"

#include <clocale>

ThumbnailMaker::FrameSource VideoFrames::source()
{
    // libmpv refuses to start unless numbers are written the C way; workers cannot set it safely.
    std::setlocale(LC_NUMERIC, "C");
    return [](const QString &path, double fraction, QDeadlineTimer deadline) {
        MpvModule *module = ModuleLoader::load<MpvModule>(QStringLiteral("mpv"));
        return module ? module->frame(NativePath::toBytes(path), fraction, deadline) : QImage();
    };
}
