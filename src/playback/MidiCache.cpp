// SPDX-License-Identifier: GPL-3.0-or-later
#include "playback/MidiCache.h"

#include "platform/LogCategories.h"
#include "platform/NativePath.h"

#include <QList>
#include <algorithm>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <unistd.h>

namespace MidiCache {

namespace {

struct Kept
{
    QByteArray path;
    qint64 bytes = 0;
    timespec used = {};
};

// The finished renderings in the folder; renderings under way (named "….wav.XXXXXX") are not
// counted: each is removed by its player.
QList<Kept> keptIn(const QByteArray &folder)
{
    QList<Kept> kept;
    DIR *dir = ::opendir(folder.constData());
    if (!dir)
        return kept;
    while (const dirent *entry = ::readdir(dir)) {
        const QByteArray name(entry->d_name);
        if (!name.endsWith(".wav"))
            continue;
        struct stat info = {};
        const QByteArray path = folder + '/' + name;
        if (::lstat(path.constData(), &info) == 0 && S_ISREG(info.st_mode))
            kept.append({path, qint64(info.st_blocks) * 512, info.st_mtim});
    }
    ::closedir(dir);
    std::sort(kept.begin(), kept.end(), [](const Kept &a, const Kept &b) {
        return a.used.tv_sec != b.used.tv_sec ? a.used.tv_sec < b.used.tv_sec
                                              : a.used.tv_nsec < b.used.tv_nsec;
    });
    return kept;
}

} // namespace

QString makeRoom(const QString &folder, qint64 bytes, qint64 cap)
{
    // Emptying the folder would not make room for it: the renderings kept stay.
    if (bytes > cap)
        return QStringLiteral("its sound would take more than the room for kept renderings");
    const QByteArray path = NativePath::toBytes(folder);
    QList<Kept> kept = keptIn(path);
    qint64 total = 0;
    for (const Kept &rendering : std::as_const(kept))
        total += rendering.bytes;
    for (const Kept &rendering : std::as_const(kept)) {
        if (total + bytes <= cap)
            break;
        if (::unlink(rendering.path.constData()) == 0) {
            total -= rendering.bytes;
            qCInfo(logPlayback) << "removed the MIDI rendering played longest ago:"
                                << NativePath::fromBytes(rendering.path);
        }
    }
    struct statvfs disk = {};
    if (::statvfs(path.constData(), &disk) != 0)
        return {};
    const qint64 free = qint64(disk.f_bavail) * qint64(disk.f_frsize);
    const qint64 size = qint64(disk.f_blocks) * qint64(disk.f_frsize);
    if (free - bytes < size / 10)
        return QStringLiteral("there is not enough free disk space for its sound");
    return {};
}

void markUsed(const QString &rendering)
{
    ::utimensat(AT_FDCWD, NativePath::toBytes(rendering).constData(), nullptr, 0);
}

} // namespace MidiCache
