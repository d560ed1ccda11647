// SPDX-License-Identifier: GPL-3.0-or-later
#include "FolderTrash.h"

#include <QDir>
#include <QFileInfo>

int FolderTrash::moveToTrash(const QString &path)
{
    const QFileInfo info(path);
    if (m_refuse || !info.exists())
        return 1;
    QDir().mkpath(m_folder);
    const QString target =
        QDir(m_folder).filePath(QString::number(m_recycled.size()) + QLatin1Char('-') + info.fileName());
    if (!QDir().rename(path, target))
        return 2;
    m_recycled.append(path);
    return 0;
}
