// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/FolderListing.h"

#include "core/Paths.h"

#include <QStorageInfo>

namespace {

bool isBrowsableVolume(const QStorageInfo &volume)
{
    if (!volume.isValid() || !volume.isReady())
        return false;
    const QByteArray type = volume.fileSystemType();
    static const QList<QByteArray> pseudo = {
        "proc",       "sysfs",   "devtmpfs", "devpts", "cgroup", "cgroup2", "tmpfs",    "overlay", "squashfs",
        "securityfs", "debugfs", "tracefs",  "mqueue", "pstore", "bpf",     "configfs", "fusectl", "autofs"};
    return volume.rootPath() == QLatin1String("/") || !pseudo.contains(type);
}

} // namespace

namespace FolderListing {

QList<ListEntry> volumes()
{
    QList<ListEntry> entries;
    const QList<QStorageInfo> mounted = QStorageInfo::mountedVolumes();
    for (const QStorageInfo &volume : mounted) {
        if (!isBrowsableVolume(volume))
            continue;
        const QString root = Paths::withSeparator(volume.rootPath());
        entries.append({ListEntry::Kind::Volume, root, root});
    }
    return entries;
}

} // namespace FolderListing
