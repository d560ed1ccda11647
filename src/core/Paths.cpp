// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/Paths.h"

#include "platform/NativePath.h"

#include <QDir>
#include <QStandardPaths>
#include <sys/stat.h>
#include <unistd.h>

namespace Paths {

namespace {

bool isFolder(const QByteArray &bytes)
{
    struct stat info = {};
    return ::stat(bytes.constData(), &info) == 0 && S_ISDIR(info.st_mode);
}

} // namespace

bool folderExists(const QString &path)
{
    if (path.isEmpty())
        return false;
    const QByteArray bytes = NativePath::toBytes(path);
    return isFolder(bytes) && ::access(bytes.constData(), X_OK) == 0;
}

bool fileExists(const QString &path)
{
    if (path.isEmpty())
        return false;
    struct stat info = {};
    return ::stat(NativePath::toBytes(path).constData(), &info) == 0 && !S_ISDIR(info.st_mode);
}

qint64 fileSize(const QString &path)
{
    struct stat info = {};
    if (path.isEmpty() || ::stat(NativePath::toBytes(path).constData(), &info) != 0 || S_ISDIR(info.st_mode))
        return -1;
    return qint64(info.st_size);
}

Target targetOf(const QString &path)
{
    const qsizetype last = path.lastIndexOf(Separator);
    if (last < 0)
        return {};
    const QByteArray bytes = NativePath::toBytes(path);
    struct stat info = {};
    if (::stat(bytes.constData(), &info) != 0) {
        const QString folder = path.left(last + 1);
        return {Target::Kind::Nowhere, folderExists(folder) ? folder : QString(), {}};
    }
    if (S_ISDIR(info.st_mode)) {
        // A folder that cannot be entered cannot be listed, nor taken for its folder's entry.
        if (::access(bytes.constData(), X_OK) != 0)
            return {};
        return {Target::Kind::Folder, withSeparator(path), {}};
    }
    // What could be looked at is in a folder that can be entered.
    return {Target::Kind::File, path.left(last + 1), path.mid(last + 1)};
}

QString folderOf(const QString &path)
{
    if (path.endsWith(Separator))
        return path;
    if (isFolder(NativePath::toBytes(path)))
        return path + Separator;
    const qsizetype last = path.lastIndexOf(Separator);
    return last < 0 ? QString() : path.left(last + 1);
}

QString fileNameOf(const QString &path)
{
    const qsizetype last = path.lastIndexOf(Separator);
    return last < 0 ? path : path.mid(last + 1);
}

QString dataFolder()
{
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    QDir().mkpath(folder);
    return withSeparator(folder);
}

QString extensionOf(const QString &path, bool withDot)
{
    // The scan starts at the second-to-last character, so a trailing dot is no extension, and it
    // stops at a separator, so a dot in a folder name is not taken for the file's extension.
    for (qsizetype i = path.size() - 2; i >= 0; --i) {
        const QChar c = path.at(i);
        if (c == Separator)
            break;
        if (c == QLatin1Char('.'))
            return path.mid(withDot ? i : i + 1);
    }
    return QString();
}

QString fullPath(const QString &folder, int index, const QString &entryText)
{
    const QString base = withSeparator(folder);
    return index > 0 ? base + entryText : base;
}

QString parentFolder(const QString &path)
{
    QString text = path;
    if (text.endsWith(Separator))
        text.chop(1);
    const qsizetype last = text.lastIndexOf(Separator, -2);
    return last < 0 ? QString() : text.left(last + 1);
}

QString lastComponent(const QString &path)
{
    const qsizetype last = path.lastIndexOf(Separator, -2);
    return path.mid(last + 1);
}

QString withSeparator(const QString &folder)
{
    if (folder.isEmpty() || folder.endsWith(Separator))
        return folder;
    return folder + Separator;
}

QString withoutSeparator(const QString &folder)
{
    return folder.size() > 1 && folder.endsWith(Separator) ? folder.chopped(1) : folder;
}

QString expandHome(const QString &typed, const QString &home)
{
    if (typed == QLatin1String("~"))
        return home;
    if (typed.startsWith(QLatin1String("~/")))
        return withSeparator(home) + typed.mid(2);
    return typed;
}

QString absoluteClean(const QString &path, const QString &base)
{
    if (path.isEmpty())
        return path;
    const QString absolute = QDir::isAbsolutePath(path) ? path : withSeparator(base) + path;
    const QString clean = QDir::cleanPath(absolute);
    return path.endsWith(Separator) ? withSeparator(clean) : clean;
}

bool isMountRoot(const QString &folder)
{
    const QByteArray bytes = NativePath::toBytes(withSeparator(folder));
    struct stat self = {};
    struct stat parent = {};
    if (::stat(bytes.constData(), &self) != 0 || ::stat((bytes + "..").constData(), &parent) != 0)
        return false;
    return self.st_dev != parent.st_dev || self.st_ino == parent.st_ino;
}

} // namespace Paths
