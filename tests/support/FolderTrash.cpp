// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/FolderTrash.h"

#include "platform/NativePath.h"

#include <QDir>
#include <cstdio>
#include <sys/stat.h>

int FolderTrash::moveToTrash(const QString &path)
{
    const QByteArray source = NativePath::toBytes(path);
    struct stat info = {};
    m_lastFailure = m_refuse ? QStringLiteral("The trash is full.") : QString();
    if (m_refuse || ::lstat(source.constData(), &info) != 0)
        return 1;
    QDir().mkpath(m_folder);
    const QByteArray target = NativePath::toBytes(m_folder) + '/' + QByteArray::number(m_recycled.size());
    if (std::rename(source.constData(), target.constData()) != 0)
        return 2;
    m_recycled.append(path);
    return 0;
}
