// SPDX-License-Identifier: GPL-3.0-or-later
#include "editlist/PlayingFile.h"

#include "platform/WindowThread.h"

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

PlayingFile PlayingFile::calledOnThreadOf(QObject *context) const
{
    PlayingFile called;
    if (fileName)
        called.fileName = [context, held = fileName] { return WindowThread::call(context, held, QString()); };
    if (isPlaying)
        called.isPlaying = [context, playing = isPlaying] {
            return WindowThread::call(context, playing, false);
        };
    if (release)
        called.release = [context, close = release] { WindowThread::call(context, close); };
    return called;
}
