// SPDX-License-Identifier: GPL-3.0-or-later
#include "playback/MpvStartSettings.h"

namespace MpvStartSettings {

QList<std::pair<QByteArray, QByteArray>> of(bool drawsVideo, bool audio)
{
    return {{"config", "no"},
            {"terminal", "no"},
            {"input-default-bindings", "no"},
            {"input-vo-keyboard", "no"},
            {"osc", "no"},
            {"load-scripts", "no"},
            {"ytdl", "no"},
            {"idle", "yes"},
            {"keep-open", "yes"},
            // Where no view can draw, a video plays on unseen: libmpv's own output without a view
            // drawing for it would refuse the picture, and a film without sound would not play.
            {"vo", drawsVideo ? "libmpv" : "null"},
            // A song's own cover is shown as its video; a cover beside it is added once it has
            // opened.
            {"audio-display", "embedded-first"},
            {"cover-art-auto", "no"},
            {"hr-seek", "yes"},
            {"ao", audio ? "pulse,alsa,null" : "null"}};
}

} // namespace MpvStartSettings
