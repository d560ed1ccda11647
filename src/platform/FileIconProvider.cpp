// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/FileIconProvider.h"

#include <QFileIconProvider>
#include <algorithm>
#include <utility>

namespace {

const QLatin1String UnknownKey("<unknown>");
const QLatin1String FolderKey("inode/directory");
const QLatin1String VolumeKey("<volume>");

} // namespace

FileIconProvider::FileIconProvider()
{
    // Without a desktop session Qt knows no theme; the freedesktop default theme then serves.
    if (QIcon::themeName().isEmpty() || QIcon::themeName() == QLatin1String("hicolor"))
        QIcon::setThemeName(QStringLiteral("Adwaita"));
    QIcon::setFallbackThemeName(QStringLiteral("hicolor"));
    // Index 0 is the icon of anything the theme cannot name.
    indexFor(UnknownKey, {QStringLiteral("text-x-generic")}, QAbstractFileIconProvider::File);
}

int FileIconProvider::indexFor(const QString &key, const QStringList &themeNames,
                               QAbstractFileIconProvider::IconType fallback)
{
    if (const auto it = m_byKey.constFind(key); it != m_byKey.cend())
        return it.value();
    m_entries.append(Entry{themeNames, fallback, QIcon(), false});
    const int index = int(m_entries.size()) - 1;
    m_byKey.insert(key, index);
    return index;
}

int FileIconProvider::indexForMime(const QMimeType &type)
{
    if (!type.isValid() || type.isDefault())
        return 0;
    return indexFor(type.name(), {type.iconName(), type.genericIconName()}, QAbstractFileIconProvider::File);
}

int FileIconProvider::folderIndex()
{
    return indexFor(FolderKey, {QStringLiteral("folder")}, QAbstractFileIconProvider::Folder);
}

int FileIconProvider::volumeIndex()
{
    return indexFor(VolumeKey, {QStringLiteral("drive-harddisk")}, QAbstractFileIconProvider::Drive);
}

int FileIconProvider::iconIndex(const QString &key)
{
    if (key.endsWith(QLatin1Char('/')))
        return folderIndex();

    const qsizetype slash = key.lastIndexOf(QLatin1Char('/'));
    const qsizetype dot = key.lastIndexOf(QLatin1Char('.'));
    const QString extension = dot > slash ? key.mid(dot + 1).toLower() : QString();
    if (const auto it = m_byExtension.constFind(extension); it != m_byExtension.cend())
        return it.value();
    const QString name = extension.isEmpty() ? key.mid(slash + 1) : QStringLiteral("x.") + extension;
    const int index = indexForMime(m_mimes.mimeTypeForFile(name, QMimeDatabase::MatchExtension));
    if (!extension.isEmpty())
        m_byExtension.insert(extension, index);
    return index;
}

QIcon FileIconProvider::icon(int index) const
{
    if (index < 0 || index >= m_entries.size())
        return {};
    const Entry &entry = m_entries.at(index);
    if (!entry.loaded) {
        entry.icon = loadIcon(entry, m_specific);
        entry.loaded = true;
    }
    return entry.icon;
}

bool FileIconProvider::useSpecificIcons()
{
    if (std::exchange(m_specific, true))
        return false;
    bool changed = false;
    for (Entry &entry : m_entries) {
        if (!entry.loaded || entry.themeNames.size() < 2)
            continue;
        QIcon specific = QIcon::fromTheme(entry.themeNames.first());
        if (!specific.isNull()) {
            entry.icon = std::move(specific);
            changed = true;
        }
    }
    return changed;
}

QIcon FileIconProvider::loadIcon(const Entry &entry, bool specific)
{
    const qsizetype first = specific ? 0 : entry.themeNames.size() - 1;
    for (qsizetype i = std::max<qsizetype>(first, 0); i < entry.themeNames.size(); ++i) {
        QIcon icon = QIcon::fromTheme(entry.themeNames.at(i));
        if (!icon.isNull())
            return icon;
    }
    return QFileIconProvider().icon(entry.fallback);
}
