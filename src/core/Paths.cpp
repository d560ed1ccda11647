// SPDX-License-Identifier: GPL-3.0-or-later
#include "Paths.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace Paths {

bool folderExists(const QString &path)
{
    if (path.isEmpty())
        return false;
    const QFileInfo info(path);
    return info.isDir() && info.isExecutable();
}

bool fileExists(const QString &path)
{
    if (path.isEmpty())
        return false;
    const QFileInfo info(path);
    return info.exists() && !info.isDir();
}

QString folderOf(const QString &path)
{
    if (path.endsWith(Separator))
        return path;
    if (QFileInfo(path).isDir())
        return path + Separator;
    const qsizetype last = path.lastIndexOf(Separator);
    return last < 0 ? QString() : path.left(last + 1);
}

QString fileNameOf(const QString &path)
{
    const qsizetype last = path.lastIndexOf(Separator);
    return (last < 0 ? path : path.mid(last + 1)).trimmed();
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

} // namespace Paths
