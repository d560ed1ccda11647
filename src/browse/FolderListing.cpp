#include "FolderListing.h"

#include "FilePattern.h"
#include "PathProcedures.h"

#include <QCollator>
#include <QDir>
#include <QStorageInfo>
#include <algorithm>

namespace {

void sortByName(QStringList &names)
{
    QCollator collator;
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    collator.setNumericMode(true);
    std::sort(names.begin(), names.end(), collator);
}

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
        const QString root = PathProcedures::WithSeparator(volume.rootPath());
        entries.append({ListEntry::Kind::Volume, root, root});
    }
    return entries;
}

QList<ListEntry> read(const QString &folder, const FilePattern &pattern)
{
    if (folder.isEmpty())
        return volumes();

    const QString base = PathProcedures::WithSeparator(folder);
    QList<ListEntry> entries;
    entries.append({ListEntry::Kind::Parent, QStringLiteral(".."), PathProcedures::GetPrevPath(base)});

    const QDir dir(base);
    QStringList folders = dir.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::NoSort);
    sortByName(folders);
    for (const QString &name : folders)
        entries.append({ListEntry::Kind::Folder, name, base + name + PathProcedures::Separator});

    QStringList files = dir.entryList(QDir::Files, QDir::NoSort);
    files.removeIf([&pattern](const QString &name) { return !pattern.matches(name); });
    sortByName(files);
    for (const QString &name : files)
        entries.append({ListEntry::Kind::File, name, base + name});
    return entries;
}

} // namespace FolderListing
