// SPDX-License-Identifier: GPL-3.0-or-later
#include "integration/Association.h"

#include "integration/AssociationStore.h"
#include "integration/BrowseDesktopEntry.h"
#include "integration/DefaultApplicationPins.h"
#include "integration/MimeInfoCache.h"
#include "platform/NativePath.h"

#include <QFile>
#include <QFileInfo>
#include <QMimeDatabase>
#include <climits>
#include <unistd.h>

namespace {

const QString FolderClass = QStringLiteral("Folder");
const QString QuotedFile = QStringLiteral("\"%1\"");

} // namespace

Association::Association(Services services, QStringList extensions)
    : m_services(std::move(services)), m_extensions(std::move(extensions))
{
}

QString Association::verbCommand() const
{
    return QLatin1Char('"') + NativePath::fromBytes(m_services.executable) + QStringLiteral("\" \"%1\"");
}

QString Association::verbKey(const QString &fileType) const
{
    return fileType + QStringLiteral("\\Shell\\") + VerbName;
}

int Association::associate(const QString &extension, const QString &fileType, const QString &command,
                           const QString &defaultIcon, const QString &verb, const QString &verbCommand,
                           const QString &contentType, const QString &action, const QString &application,
                           const QString &topic)
{
    AssociationStore &store = m_services.store;
    int failures = 0;
    const auto write = [&](const QString &key, const QString &name, const QString &value) {
        failures += store.setValue(key, name, AssociationStore::Text, value) != 0 ? 1 : 0;
    };
    if (!extension.isEmpty()) {
        write(extension, QString(), fileType);
        if (!contentType.isEmpty())
            write(extension, QStringLiteral("Content Type"), contentType);
        write(fileType + QStringLiteral("\\DefaultIcon"), QString(), defaultIcon);
    }
    if (!command.isEmpty())
        write(fileType + QStringLiteral("\\Shell\\Open\\Command"), QString(), command);
    const QString verbPath = fileType + QStringLiteral("\\Shell\\") + verb;
    if (!verb.isEmpty() && !verbCommand.isEmpty())
        write(verbPath + QStringLiteral("\\Command"), QString(), verbCommand);
    if (!action.isEmpty())
        write(verbPath + QStringLiteral("\\ddeexec"), QString(), action);
    if (!application.isEmpty())
        write(verbPath + QStringLiteral("\\ddeexec\\application"), QString(), application);
    if (!topic.isEmpty())
        write(verbPath + QStringLiteral("\\ddeexec\\topic"), QString(), topic);
    return failures;
}

QStringList Association::make(bool *offered)
{
    QStringList lines;
    QStringList mimeTypes;
    const auto associateWith = [this](const QString &fileType) {
        return associate(QString(), fileType, QString(), QString(), VerbName, verbCommand(), QString(),
                         QuotedFile, QStringLiteral("Kestrove"), QStringLiteral("System"));
    };
    for (const QString &extension : std::as_const(m_extensions)) {
        const QString fileType = m_services.classOf(extension);
        if (fileType.isEmpty())
            continue;
        const bool done = associateWith(fileType) == 0;
        lines.append(done ? extension : extension + QStringLiteral(" - ERROR!!"));
        if (done && !mimeTypes.contains(fileType))
            mimeTypes.append(fileType);
    }
    // The desktop entry is what file managers read. It follows the store: it is written only once
    // the store holds the folder's verb, the defaults it could take over are pinned and the
    // folder's cache lists it, and an entry that cannot be written makes the folder line an error
    // as well.
    mimeTypes.append(QStringLiteral("inode/directory"));
    const bool folderDone =
        associateWith(FolderClass) == 0 && BrowseDesktopEntry::text(m_services.executable, mimeTypes) &&
        pins().pin(mimeTypes) && cache().add(mimeTypes) &&
        BrowseDesktopEntry::write(m_services.applicationsFolder, m_services.executable, mimeTypes);
    lines.append(folderDone ? FolderClass : QStringLiteral("Folder - ERORR!!"));
    if (offered)
        *offered = folderDone;
    return lines;
}

int Association::removeVerb(const QString &fileType)
{
    // The verb's key goes with its sub-keys, deepest first: the store deletes one level at a time.
    AssociationStore &store = m_services.store;
    // A store that left its file unread does not know what the file holds: nothing is removed.
    if (store.isLeftUnread())
        return 1;
    const QString verb = verbKey(fileType);
    // Types that share a class (".mpg" and ".mpeg") share the verb: once gone it is removed.
    if (!store.hasKey(verb))
        return 0;
    for (const char *below : {"\\ddeexec\\application", "\\ddeexec\\topic", "\\ddeexec", "\\Command"}) {
        if (store.hasKey(verb + QLatin1String(below)))
            store.deleteKey(verb + QLatin1String(below));
    }
    return store.deleteKey(verb);
}

void Association::remove(QStringList &lines)
{
    const auto settle = [&lines](const QString &match, int result) {
        for (qsizetype row = 0; row < lines.size(); ++row) {
            if (!lines.at(row).toLower().contains(match))
                continue;
            if (result == 0)
                lines.removeAt(row);
            else
                lines[row] += QStringLiteral(" - ERROR, Unable to remove");
            return;
        }
    };
    for (const QString &extension : std::as_const(m_extensions)) {
        const QString fileType = m_services.classOf(extension);
        if (!fileType.isEmpty())
            settle(extension.toLower(), removeVerb(fileType));
    }
    // The desktop entry goes only with the folder's verb: a store that cannot be written keeps both.
    int folderResult = removeVerb(FolderClass);
    // The pins and the cache's lines go only after the entry: while it is there, they keep the
    // defaults. Each is taken back even when the other cannot be, and keeps its record until it is.
    if (folderResult == 0) {
        if (!BrowseDesktopEntry::remove(m_services.applicationsFolder)) {
            folderResult = 1;
        } else {
            const bool unpinned = pins().unpin();
            if (!cache().remove() || !unpinned)
                folderResult = 1;
        }
    }
    settle(QStringLiteral("folder"), folderResult);
}

DefaultApplicationPins Association::pins() const
{
    return DefaultApplicationPins({m_services.store, m_services.defaultApplicationLists,
                                   m_services.defaultApplication, BrowseDesktopEntry::FileName});
}

MimeInfoCache Association::cache() const
{
    return MimeInfoCache({m_services.store, m_services.applicationsFolder, BrowseDesktopEntry::FileName});
}

QString Association::statusLine(const QString &label, const QString &fileType) const
{
    const QString stored =
        m_services.store.value(verbKey(fileType) + QStringLiteral("\\command\\"), QString());
    const QString programName = QFileInfo(NativePath::fromBytes(m_services.executable)).fileName();
    if (stored.isEmpty() || programName.isEmpty() || !stored.contains(programName))
        return {};
    // File names tell letter cases apart: another case is another copy.
    if (stored != verbCommand())
        return label + QStringLiteral(" - Associated, but don't point to this copy !");
    return label + QStringLiteral(" - OK!");
}

QStringList Association::status() const
{
    QStringList lines;
    for (const QString &extension : std::as_const(m_extensions)) {
        const QString fileType = m_services.classOf(extension);
        if (fileType.isEmpty())
            continue;
        if (const QString line = statusLine(extension, fileType); !line.isEmpty())
            lines.append(line);
    }
    if (const QString line = statusLine(FolderClass, FolderClass); !line.isEmpty())
        lines.append(line);
    return lines;
}

QString Association::mimeClassOf(const QString &extension)
{
    const QMimeType type =
        QMimeDatabase().mimeTypeForFile(QStringLiteral("file") + extension, QMimeDatabase::MatchExtension);
    return type.isValid() && !type.isDefault() ? type.name() : QString();
}

QByteArray Association::runningExecutable()
{
    QByteArray path(PATH_MAX, '\0');
    const ssize_t length = ::readlink("/proc/self/exe", path.data(), size_t(path.size()));
    if (length <= 0 || length >= path.size())
        return QFile::encodeName(QCoreApplication::applicationFilePath());
    path.truncate(length);
    return path;
}
