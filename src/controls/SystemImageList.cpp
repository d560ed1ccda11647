#include "SystemImageList.h"

#include <QFileIconProvider>
#include <QFileInfo>

namespace {

const QLatin1String FolderKey("inode/directory");
const QLatin1String VolumeKey("<volume>");

} // namespace

SystemImageList::SystemImageList()
{
    // Without a desktop session Qt knows no theme; the freedesktop default theme then serves.
    if (QIcon::themeName().isEmpty() || QIcon::themeName() == QLatin1String("hicolor"))
        QIcon::setThemeName(QStringLiteral("Adwaita"));
    QIcon::setFallbackThemeName(QStringLiteral("hicolor"));
    // Index 0 is the icon of anything the theme cannot name.
    indexForThemeIcon(QStringLiteral("<unknown>"), {QStringLiteral("text-x-generic")},
                      QFileIconProvider().icon(QAbstractFileIconProvider::File));
}

int SystemImageList::indexForThemeIcon(const QString &key, const QStringList &names, const QIcon &fallback)
{
    if (const auto it = m_byKey.constFind(key); it != m_byKey.cend())
        return it.value();
    QIcon icon;
    for (const QString &name : names) {
        icon = QIcon::fromTheme(name);
        if (!icon.isNull())
            break;
    }
    if (icon.isNull())
        icon = fallback;
    // Types drawn with the same icon share one index.
    for (qsizetype i = 0; i < m_icons.size(); ++i) {
        if (m_icons.at(i).cacheKey() == icon.cacheKey()) {
            m_byKey.insert(key, int(i));
            return int(i);
        }
    }
    m_icons.append(icon);
    const int index = int(m_icons.size()) - 1;
    m_byKey.insert(key, index);
    return index;
}

int SystemImageList::indexForMime(const QMimeType &type)
{
    if (!type.isValid() || type.isDefault())
        return 0;
    return indexForThemeIcon(type.name(), {type.iconName(), type.genericIconName()}, m_icons.value(0));
}

int SystemImageList::folderIndex()
{
    return indexForThemeIcon(FolderKey, {QStringLiteral("folder")},
                             QFileIconProvider().icon(QAbstractFileIconProvider::Folder));
}

int SystemImageList::volumeIndex()
{
    return indexForThemeIcon(VolumeKey, {QStringLiteral("drive-harddisk")},
                             QFileIconProvider().icon(QAbstractFileIconProvider::Drive));
}

int SystemImageList::ItemIndex(const QString &key, bool forceLoadFromDisk)
{
    bool isNumber = false;
    const int number = key.toInt(&isNumber);
    if (isNumber)
        return number;
    if (key.endsWith(QLatin1Char('/')))
        return folderIndex();
    if (forceLoadFromDisk && QFileInfo(key).isFile())
        return indexForMime(m_mimes.mimeTypeForFile(key, QMimeDatabase::MatchDefault));

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

QIcon SystemImageList::icon(int index) const
{
    return m_icons.value(index);
}
