// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/FolderWalker.h"

#include "core/EventSlice.h"
#include "platform/NativePath.h"
#include "platform/Prompter.h"

#include <QCoreApplication>
#include <QList>
#include <cstring>
#include <dirent.h>
#include <sys/stat.h>

namespace {

// The ";"-separated items of a pattern, each without one leading "*". An item keeps any blank in
// front of it, so "*.mp3; *.wav" has the items ".mp3" and " *.wav".
QStringList patternItems(const QString &lowerPattern)
{
    QStringList items;
    QString item;
    for (qsizetype i = 0; i < lowerPattern.size(); ++i) {
        const QChar c = lowerPattern.at(i);
        const bool last = i == lowerPattern.size() - 1;
        if (c != QLatin1Char(';'))
            item += c;
        if (c == QLatin1Char(';') || last) {
            if (item.startsWith(QLatin1Char('*')))
                item.remove(0, 1);
            items.append(item);
            item.clear();
        }
    }
    return items;
}

bool asciiOnly(const QString &text)
{
    for (const QChar c : text) {
        if (c.unicode() >= 0x80)
            return false;
    }
    return true;
}

bool endsWithAsciiCaseless(const char *name, size_t length, const QByteArray &lowerSuffix)
{
    const size_t suffixLength = size_t(lowerSuffix.size());
    if (suffixLength > length)
        return false;
    const char *tail = name + (length - suffixLength);
    for (size_t i = 0; i < suffixLength; ++i) {
        char c = tail[i];
        if (c >= 'A' && c <= 'Z')
            c = char(c - 'A' + 'a');
        if (c != lowerSuffix.at(qsizetype(i)))
            return false;
    }
    return true;
}

} // namespace

// The pattern test, prepared once per walk. ASCII items are compared on the raw bytes of the names,
// so the walk decodes only the names it reports.
class FolderWalker::Matcher
{
public:
    explicit Matcher(const QString &pattern) : m_pattern(pattern.toLower())
    {
        m_all = m_pattern.isEmpty() || m_pattern.contains(QLatin1String("*.*"));
        const QStringList items = patternItems(m_pattern);
        for (const QString &item : items) {
            if (item.isEmpty())
                m_all = true;
            if (!asciiOnly(item))
                m_needsText = true;
            m_suffixes.append(item.toLatin1());
        }
    }

    bool matches(const char *name, size_t length) const
    {
        if (m_all)
            return true;
        if (m_needsText)
            return FolderWalker::matchesPattern(NativePath::fromBytes(QByteArray(name, qsizetype(length))),
                                                m_pattern);
        for (const QByteArray &suffix : m_suffixes) {
            if (endsWithAsciiCaseless(name, length, suffix))
                return true;
        }
        return false;
    }

private:
    QString m_pattern;
    bool m_all = false;
    bool m_needsText = false;
    QList<QByteArray> m_suffixes;
};

FolderWalker::FolderWalker(Prompter &prompter, QObject *parent) : QObject(parent), m_prompter(prompter) {}

bool FolderWalker::matchesPattern(const QString &fileName, const QString &pattern)
{
    const QString name = fileName.toLower();
    const QString lowerPattern = pattern.toLower();
    if (lowerPattern.isEmpty() || lowerPattern.contains(QLatin1String("*.*")))
        return true;
    const QStringList items = patternItems(lowerPattern);
    for (const QString &item : items) {
        if (name.endsWith(item))
            return true;
    }
    return false;
}

bool FolderWalker::walk(const QString &path, const QString &pattern)
{
    m_cancel = false;
    m_stop = false;
    resetFolderCount();
    if (!path.startsWith(QLatin1Char('/')))
        return false;
    QByteArray folder = NativePath::toBytes(path);
    if (!folder.endsWith('/'))
        folder += '/';

    DIR *probe = ::opendir(folder.constData());
    if (!probe) {
        m_prompter.message(path, tr("Path is invalid"), Prompter::Buttons::Ok, Prompter::Icon::Information);
        return false;
    }
    ::closedir(probe);

    m_busy = true;
    m_sinceEvents.start();
    const Matcher matcher(pattern);
    walk(folder, matcher);
    m_busy = false;
    Q_EMIT finished();
    return true;
}

void FolderWalker::letEventsRun()
{
    if (m_sinceEvents.elapsed() >= EventSliceMs) {
        QCoreApplication::processEvents();
        m_sinceEvents.restart();
    }
}

void FolderWalker::walk(const QByteArray &folder, const Matcher &matcher)
{
    letEventsRun();
    if (halted())
        return;
    DIR *dir = ::opendir(folder.constData());
    // A folder that cannot be read is passed over silently.
    if (!dir)
        return;
    ++m_folderCount;
    Q_EMIT folderEntered(NativePath::fromBytes(folder));

    QList<QByteArray> subfolders;
    while (const dirent *entry = ::readdir(dir)) {
        letEventsRun();
        if (halted())
            break;
        const char *name = entry->d_name;
        unsigned char type = entry->d_type;
        if (type == DT_UNKNOWN || type == DT_LNK) {
            // The listing does not say, or the entry is a link: ask what it stands for. A link to
            // a folder is neither walked nor reported, so links can never make the walk loop.
            struct stat info = {};
            if (::stat((folder + name).constData(), &info) != 0)
                continue;
            if (S_ISDIR(info.st_mode) && type == DT_LNK)
                continue;
            type = S_ISDIR(info.st_mode) ? DT_DIR : S_ISREG(info.st_mode) ? DT_REG : DT_UNKNOWN;
        }
        if (type == DT_DIR) {
            if (name[0] != '.')
                subfolders.append(QByteArray(name));
            continue;
        }
        // Pipes, sockets and devices are no media files, whatever their names.
        if (type != DT_REG)
            continue;
        const size_t length = std::strlen(name);
        if (matcher.matches(name, length))
            Q_EMIT fileFound(NativePath::fromBytes(folder + QByteArray(name, qsizetype(length))));
    }
    ::closedir(dir);

    for (const QByteArray &subfolder : subfolders) {
        if (halted())
            return;
        walk(folder + subfolder + '/', matcher);
    }
}
