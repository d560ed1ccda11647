// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/FreedesktopTrash.h"

#include "platform/FileDescriptor.h"
#include "platform/LogCategories.h"
#include "platform/ModuleLoader.h"
#include "platform/NativePath.h"
#include "platform/TrashModule.h"

#include <QDir>
#include <QFile>
#include <QObject>
#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <optional>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// The longest file name the file systems under a trash take.
constexpr qsizetype NameMax = 255;
// What a name's trash entry adds to it: ".trashinfo", and ".XXXXXX" for the temporary file it is
// written through.
constexpr qsizetype EntryNameExtra = 17;

bool sameItem(const struct stat &a, const struct stat &b)
{
    return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

QByteArray parentOf(const QByteArray &path)
{
    const qsizetype slash = path.lastIndexOf('/');
    return slash > 0 ? path.left(slash) : QByteArray("/");
}

// The top folder of the volume holding a folder: the last one up whose parent is on another device.
QByteArray volumeTop(QByteArray folder)
{
    struct stat info = {};
    if (::stat(folder.constData(), &info) != 0)
        return {};
    while (folder != "/") {
        const QByteArray parent = parentOf(folder);
        struct stat above = {};
        if (::stat(parent.constData(), &above) != 0 || above.st_dev != info.st_dev)
            break;
        folder = parent;
    }
    return folder;
}

// The trash folders an item can go to: the user's own, and the two a volume may hold for the user.
QList<QByteArray> trashFolders(const QByteArray &item)
{
    QByteArray dataHome = qgetenv("XDG_DATA_HOME");
    if (dataHome.isEmpty())
        dataHome = QFile::encodeName(QDir::homePath()) + "/.local/share";
    QList<QByteArray> folders{dataHome + "/Trash"};
    const QByteArray top = volumeTop(parentOf(item));
    if (!top.isEmpty()) {
        const QByteArray base = top == "/" ? QByteArray() : top;
        const QByteArray uid = QByteArray::number(::geteuid());
        folders.append(base + "/.Trash/" + uid);
        folders.append(base + "/.Trash-" + uid);
    }
    return folders;
}

// The name the trash gives the number-th item of one name: "a.2.mp3" for the second "a.mp3".
QByteArray entryName(const QByteArray &name, int number)
{
    if (number == 1)
        return name;
    const QByteArray mark = '.' + QByteArray::number(number);
    const qsizetype dot = name.indexOf('.');
    return dot < 0 ? name + mark : name.left(dot) + mark + name.mid(dot);
}

// Where an item went in a trash folder: the entry names are tried in the trash's own order, up to
// the first that is free.
std::optional<QByteArray> entryOf(const QByteArray &trash, const QByteArray &name, const struct stat &item)
{
    for (int number = 1;; ++number) {
        const QByteArray candidate = entryName(name, number);
        struct stat info = {};
        if (::lstat((trash + "/info/" + candidate + ".trashinfo").constData(), &info) != 0)
            return std::nullopt;
        if (::lstat((trash + "/files/" + candidate).constData(), &info) == 0 && sameItem(info, item))
            return candidate;
    }
}

// Whether the entry says where the item came from and when it was trashed.
bool isWhole(const QByteArray &info)
{
    FileDescriptor descriptor;
    if (!descriptor.openForReading(info).isEmpty())
        return false;
    QFile file;
    if (!file.open(descriptor.get(), QIODevice::ReadOnly))
        return false;
    const QByteArray text = file.read(1 << 16);
    return text.startsWith("[Trash Info]\n") && text.contains("\nPath=") &&
           text.contains("\nDeletionDate=") && text.endsWith('\n');
}

// Gives the item its place again, never replacing what may have taken that place meanwhile.
bool putBack(const QByteArray &from, const QByteArray &to)
{
    if (::renameat2(AT_FDCWD, from.constData(), AT_FDCWD, to.constData(), RENAME_NOREPLACE) == 0)
        return true;
    struct stat taken = {};
    return errno == EINVAL && ::lstat(to.constData(), &taken) != 0 && errno == ENOENT &&
           ::rename(from.constData(), to.constData()) == 0;
}

// GIO reports success even where it could not write the entry that says where the item came from,
// leaving it empty: such an item could never be restored, so it goes back to its place. Empty
// when the entry is whole, or when the item cannot be found in a trash to check it.
QString checkEntry(const QByteArray &path, const struct stat &item)
{
    const QByteArray name = path.mid(path.lastIndexOf('/') + 1);
    for (const QByteArray &trash : trashFolders(path)) {
        const std::optional<QByteArray> entry = entryOf(trash, name, item);
        if (!entry)
            continue;
        const QByteArray info = trash + "/info/" + *entry + ".trashinfo";
        if (isWhole(info))
            return {};
        const QByteArray trashed = trash + "/files/" + *entry;
        if (!putBack(trashed, path))
            return QObject::tr("The trash could not record where the item came from, and the item could "
                               "not be put back from %1.")
                .arg(NativePath::forDisplay(NativePath::fromBytes(trashed)));
        ::unlink(info.constData());
        return entry->size() + EntryNameExtra > NameMax
                   ? QObject::tr("The name is too long for another item of that name in the trash, so "
                                 "the item was put back.")
                   : QObject::tr("The trash could not record where the item came from, so the item was "
                                 "put back.");
    }
    qCDebug(logFiles) << "no trash entry found to check for" << path;
    return {};
}

} // namespace

int FreedesktopTrash::moveToTrash(const QString &path)
{
    QString target = path;
    // A folder is trashed under its own name, not as an empty name after its separator.
    while (target.size() > 1 && target.endsWith(QLatin1Char('/')))
        target.chop(1);
    m_lastFailure.clear();
    if (target.isEmpty())
        return 1;
    const QByteArray bytes = NativePath::toBytes(target);
    if (bytes.size() - bytes.lastIndexOf('/') - 1 > LongestName) {
        m_lastFailure = QObject::tr("The name is too long for the trash.");
        qCWarning(logFiles).noquote() << m_lastFailure << target;
        return 2;
    }
    TrashModule *trash = ModuleLoader::load<TrashModule>(QStringLiteral("gio"));
    if (!trash) {
        m_lastFailure = QObject::tr("The trash cannot be reached.");
        return 2;
    }
    struct stat item = {};
    const bool known = ::lstat(bytes.constData(), &item) == 0;
    // The module has logged its own failures.
    m_lastFailure = trash->moveToTrash(bytes);
    if (!m_lastFailure.isEmpty())
        return 2;
    if (known)
        m_lastFailure = checkEntry(bytes, item);
    if (m_lastFailure.isEmpty())
        return 0;
    qCWarning(logFiles).noquote() << m_lastFailure << target;
    return 2;
}
