// SPDX-License-Identifier: GPL-3.0-or-later
#include "integration/DefaultApplicationPins.h"

#include "integration/AssociationStore.h"
#include "integration/DefaultApplicationModule.h"
#include "integration/KeyFileText.h"
#include "platform/ModuleLoader.h"
#include "platform/RegularFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>
#include <algorithm>
#include <utility>

namespace {

// Where the lines that were added are recorded, one a line.
const QString PinsRecordKey = QStringLiteral("Kestrove\\Pinned Default Applications");
constexpr qint64 MaxListBytes = 16 * 1024 * 1024;

// The list's text; empty when there is no list, nothing when it cannot be read.
std::optional<QByteArray> readList(const QString &path)
{
    RegularFile::Contents list = RegularFile::read(path, MaxListBytes);
    if (list.status == RegularFile::Contents::Status::Refused)
        return std::nullopt;
    return std::move(list.bytes);
}

// Replaces the list at once; a list left empty is removed.
bool writeList(const QString &path, const QByteArray &bytes)
{
    if (bytes.isEmpty())
        return !QFileInfo::exists(path) || QFile::remove(path);
    if (!QDir().mkpath(QFileInfo(path).path()))
        return false;
    QSaveFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit();
}

} // namespace

DefaultApplicationPins::DefaultApplicationPins(Services services) : m_services(std::move(services)) {}

bool DefaultApplicationPins::pin(const QStringList &mimeTypes)
{
    const QString target = m_services.lists.value(0);
    const std::optional<QByteArray> bytes = readList(target);
    if (target.isEmpty() || !bytes)
        return false;
    KeyFileText list(*bytes);
    QList<KeyFileText> others;
    for (qsizetype i = 1; i < m_services.lists.size(); ++i) {
        if (const std::optional<QByteArray> other = readList(m_services.lists.at(i)))
            others.append(KeyFileText(*other));
    }
    QStringList added;
    for (const QString &type : mimeTypes) {
        const auto chosen = [&type](const KeyFileText &text) { return text.contains(Group, type); };
        if (chosen(list) || std::any_of(others.cbegin(), others.cend(), chosen))
            continue;
        const std::optional<QString> applies = m_services.defaultApplication(type);
        if (!applies)
            return false;
        if (!applies->isEmpty() && *applies != m_services.ownEntry)
            added += list.add(Group, type, *applies);
    }
    if (added.isEmpty())
        return true;
    AssociationStore &store = m_services.store;
    const QString before = store.value(PinsRecordKey, QString());
    QStringList record = before.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    for (const QString &line : std::as_const(added)) {
        if (!record.contains(line))
            record.append(line);
    }
    if (store.setValue(PinsRecordKey, QString(), AssociationStore::Text, record.join(QLatin1Char('\n'))) != 0)
        return false;
    if (writeList(target, list.bytes()))
        return true;
    if (before.isEmpty())
        store.deleteKey(PinsRecordKey);
    else
        store.setValue(PinsRecordKey, QString(), AssociationStore::Text, before);
    return false;
}

bool DefaultApplicationPins::unpin()
{
    AssociationStore &store = m_services.store;
    if (!store.hasKey(PinsRecordKey))
        return true;
    const QString target = m_services.lists.value(0);
    const std::optional<QByteArray> bytes = readList(target);
    if (target.isEmpty() || !bytes)
        return false;
    KeyFileText list(*bytes);
    const QString header = QLatin1Char('[') + Group + QLatin1Char(']');
    bool groupAdded = false;
    bool changed = false;
    for (const QString &line :
         store.value(PinsRecordKey, QString()).split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
        const qsizetype equals = line.indexOf(QLatin1Char('='));
        if (line == header)
            groupAdded = true;
        else if (equals > 0)
            changed = list.remove(Group, line.left(equals), line.mid(equals + 1)) || changed;
    }
    // The group's header goes only when it was added with the pins and nothing else came under it.
    if (groupAdded)
        changed = list.removeEmptySection(Group) || changed;
    if (changed && !writeList(target, list.bytes()))
        return false;
    return store.deleteKey(PinsRecordKey) == 0;
}

QStringList DefaultApplicationPins::userLists()
{
    const QString config = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    QStringList lists{config + QStringLiteral("/mimeapps.list")};
    const QStringList desktops =
        qEnvironmentVariable("XDG_CURRENT_DESKTOP").split(QLatin1Char(':'), Qt::SkipEmptyParts);
    for (const QString &desktop : desktops)
        lists.append(QStringLiteral("%1/%2-mimeapps.list").arg(config, desktop.toLower()));
    lists.append(QStandardPaths::writableLocation(QStandardPaths::ApplicationsLocation) +
                 QStringLiteral("/mimeapps.list"));
    return lists;
}

std::optional<QString> DefaultApplicationPins::desktopDefault(const QString &mimeType)
{
    auto *module = ModuleLoader::load<DefaultApplicationModule>(QStringLiteral("gio"));
    if (!module)
        return std::nullopt;
    return module->defaultApplication(mimeType);
}
