// SPDX-License-Identifier: GPL-3.0-or-later
#include "pictures/CoverFinder.h"

#include "platform/FileDescriptor.h"
#include "platform/NativePath.h"

#include <QFile>
#include <QImageReader>
#include <array>
#include <dirent.h>
#include <sys/stat.h>

namespace CoverFinder {

namespace {

constexpr std::array<const char *, 6> Names = {"cover.jpg",  "cover.png", "folder.jpg",
                                               "folder.png", "front.jpg", "front.png"};

// The place of a name among the cover names; Names.size() for any other name.
std::size_t rankOf(const QByteArray &name)
{
    const QByteArray lower = name.toLower();
    std::size_t rank = 0;
    while (rank < Names.size() && lower != Names[rank])
        ++rank;
    return rank;
}

} // namespace

QString besides(const QString &mediaPath)
{
    const QByteArray path = NativePath::toBytes(mediaPath);
    const qsizetype slash = path.lastIndexOf('/');
    if (slash < 0)
        return {};
    const QByteArray folder = path.left(slash);
    DIR *dir = ::opendir(folder.isEmpty() ? "/" : folder.constData());
    if (!dir)
        return {};
    QByteArray best;
    std::size_t bestRank = Names.size();
    while (const dirent *entry = ::readdir(dir)) {
        const QByteArray name(entry->d_name);
        const std::size_t rank = rankOf(name);
        // Of two spellings of one name, the same one is taken every time.
        if (rank > bestRank || rank == Names.size() || (rank == bestRank && name > best))
            continue;
        struct stat info = {};
        if (::stat((folder + '/' + name).constData(), &info) != 0 || !S_ISREG(info.st_mode))
            continue;
        best = name;
        bestRank = rank;
    }
    ::closedir(dir);
    return best.isEmpty() ? QString() : NativePath::fromBytes(folder + '/' + best);
}

bool isPicture(const QString &path)
{
    FileDescriptor descriptor;
    QFile file;
    if (!descriptor.openForReading(NativePath::toBytes(path)).isEmpty() ||
        !file.open(descriptor.get(), QIODevice::ReadOnly))
        return false;
    QImageReader reader(&file);
    return reader.canRead() && reader.size().isValid();
}

} // namespace CoverFinder
