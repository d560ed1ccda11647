// SPDX-License-Identifier: GPL-3.0-or-later
#include "editlist/PlayingFile.h"

std::optional<TakenFile> PlayingFile::takeIfHolding(const QString &path, const QString &otherPath) const
{
    if (!fileName)
        return std::nullopt;
    const QString held = fileName();
    if (held.isEmpty() || (held != path && held != otherPath))
        return std::nullopt;
    const TakenFile taken{held, isPlaying && isPlaying()};
    if (release)
        release();
    return taken;
}
