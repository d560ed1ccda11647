// SPDX-License-Identifier: GPL-3.0-or-later
#include "integration/MimeInfoCache.h"

#include "integration/AssociationStore.h"
#include "integration/KeyFileText.h"
#include "platform/RegularFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <utility>

namespace {

// Where a cache that was made for the entry is recorded: its path.
const QString CacheRecordKey = QStringLiteral("Kestrove\\Made MIME Cache");
constexpr qint64 MaxCacheBytes = 16 * 1024 * 1024;

// The list with the entry at its end. Taking it out again with withoutEntry() gives the list back
// as it was, a missing last ";" included.
QString withEntry(const QString &listed, const QString &entry)
{
    if (listed.split(QLatin1Char(';')).contains(entry))
        return listed;
    if (listed.isEmpty() || listed.endsWith(QLatin1Char(';')))
        return listed + entry + QLatin1Char(';');
    return listed + QLatin1Char(';') + entry;
}

QString withoutEntry(const QString &listed, const QString &entry)
{
    QStringList items = listed.split(QLatin1Char(';'));
    items.removeAll(entry);
    return items.join(QLatin1Char(';'));
}

bool replace(const QString &path, const QByteArray &bytes)
{
    if (!QDir().mkpath(QFileInfo(path).path()))
        return false;
    QSaveFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit();
}

} // namespace

MimeInfoCache::MimeInfoCache(Services services) : m_services(std::move(services)) {}

QString MimeInfoCache::path() const
{
    return QDir(m_services.folder).filePath(QStringLiteral("mimeinfo.cache"));
}

bool MimeInfoCache::add(const QStringList &mimeTypes)
{
    const QString file = path();
    const RegularFile::Contents cache = RegularFile::read(file, MaxCacheBytes);
    if (cache.status == RegularFile::Contents::Status::Refused)
        return false;
    KeyFileText text(cache.bytes);
    for (const QString &type : mimeTypes) {
        const std::optional<QString> listed = text.value(Group, type);
        if (!listed)
            text.add(Group, type, m_services.entry + QLatin1Char(';'));
        else if (const QString with = withEntry(*listed, m_services.entry); with != *listed)
            text.setValue(Group, type, with);
    }
    const QByteArray bytes = text.bytes();
    if (bytes == cache.bytes)
        return true;
    AssociationStore &store = m_services.store;
    // Recorded before it is made: a cache the record does not name is never removed.
    const bool making =
        cache.status == RegularFile::Contents::Status::Missing && !store.hasKey(CacheRecordKey);
    if (making && store.setValue(CacheRecordKey, QString(), AssociationStore::Text, file) != 0)
        return false;
    if (replace(file, bytes))
        return true;
    if (making)
        store.deleteKey(CacheRecordKey);
    return false;
}

bool MimeInfoCache::remove()
{
    const QString file = path();
    const RegularFile::Contents cache = RegularFile::read(file, MaxCacheBytes);
    if (cache.status == RegularFile::Contents::Status::Refused)
        return false;
    KeyFileText text(cache.bytes);
    for (const QString &type : text.keys(Group)) {
        const QString listed = text.value(Group, type).value_or(QString());
        const QString without = withoutEntry(listed, m_services.entry);
        if (without == listed)
            continue;
        if (without.isEmpty())
            text.remove(Group, type, listed);
        else
            text.setValue(Group, type, without);
    }
    AssociationStore &store = m_services.store;
    const bool made = store.hasKey(CacheRecordKey);
    // A cache made for the entry goes once nothing but its header is left in it.
    KeyFileText bare = text;
    bare.removeEmptySection(Group);
    bool done = false;
    if (made && bare.bytes().trimmed().isEmpty())
        done = !QFileInfo::exists(file) || QFile::remove(file);
    else
        done = text.bytes() == cache.bytes || replace(file, text.bytes());
    return done && (!made || store.deleteKey(CacheRecordKey) == 0);
}
