// SPDX-License-Identifier: GPL-3.0-or-later
#include "playback/MidiRenderer.h"

#include "platform/NativePath.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <sys/stat.h>

namespace MidiRenderer {

bool isMidi(const QString &path)
{
    return path.endsWith(QLatin1String(".mid"), Qt::CaseInsensitive) ||
           path.endsWith(QLatin1String(".midi"), Qt::CaseInsensitive);
}

QString soundFont()
{
    for (const char *candidate :
         {"/usr/share/sounds/sf2/default-GM.sf2", "/usr/share/sounds/sf2/TimGM6mb.sf2",
          "/usr/share/sounds/sf2/FluidR3_GM.sf2"}) {
        if (QFile::exists(QLatin1String(candidate)))
            return QLatin1String(candidate);
    }
    return {};
}

QString renderingOf(const QString &midiPath)
{
    const QByteArray bytes = NativePath::toBytes(midiPath);
    struct stat info = {};
    ::stat(bytes.constData(), &info);
    const QByteArray key = bytes + '\0' + QByteArray::number(qint64(info.st_size)) + '\0' +
                           QByteArray::number(qint64(info.st_mtime));
    const QString folder = QDir(QStandardPaths::writableLocation(QStandardPaths::CacheLocation))
                               .filePath(QStringLiteral("midi"));
    return QDir(folder).filePath(
        QString::fromLatin1(QCryptographicHash::hash(key, QCryptographicHash::Sha1).toHex()) +
        QStringLiteral(".wav"));
}

} // namespace MidiRenderer
