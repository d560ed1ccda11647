// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/FolderReader.h"

#include "core/FilePattern.h"
#include "platform/NativePath.h"

#include <QThread>
#include <QtConcurrentRun>
#include <algorithm>
#include <cstring>
#include <dirent.h>
#include <string>
#include <sys/stat.h>
#include <vector>

namespace {

// Names as the file system gives them, with their sort keys: each key is the name's bytes with
// ASCII letters in lower case. Both are kept in buffers of their own at the same offsets. UTF-8
// byte order is code point order, so keys compare as plain memory, and names are decoded only
// once they are in order.
class SortedNames
{
public:
    // From this many names on, a second thread takes half of the work.
    static constexpr size_t SplitFrom = 20000;

    // Makes room for the names of a folder whose directory takes directoryBytes, so that the
    // buffers of a large folder are not copied over and over as they grow. A directory usually
    // takes 16 bytes or more an entry, and more than the length of its names; room that is made
    // and not used is never touched, and so takes no memory. Too little room only means growing.
    void reserveFor(size_t directoryBytes)
    {
        constexpr size_t MaxBytes = 64 * 1024 * 1024;
        const size_t bytes = std::min(directoryBytes, MaxBytes);
        m_entries.reserve(bytes / 16);
        m_bytes.reserve(bytes);
        m_keys.reserve(bytes);
    }

    void add(const char *name, size_t length)
    {
        const size_t offset = m_bytes.size();
        m_entries.push_back({offset, length, 0});
        m_bytes.append(name, length);
        m_keys.resize(offset + length);
        char *key = m_keys.data() + offset;
        for (size_t i = 0; i < length; ++i) {
            const char c = name[i];
            key[i] = c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c;
        }
    }

    QStringList take()
    {
        const char *keys = m_keys.data();
        const char *bytes = m_bytes.data();
        const size_t skipped = writeHeads();
        const auto before = [keys, bytes, skipped](const Entry &a, const Entry &b) {
            if (a.head != b.head)
                return a.head < b.head;
            // Every key is at least as long as the bytes all keys share.
            const size_t common = std::min(a.length, b.length);
            const int order =
                std::memcmp(keys + a.offset + skipped, keys + b.offset + skipped, common - skipped);
            if (order != 0)
                return order < 0;
            if (a.length != b.length)
                return a.length < b.length;
            // Names that differ only in the case of ASCII letters: upper case first, as in the
            // names' own code point order.
            return std::memcmp(bytes + a.offset, bytes + b.offset, common) < 0;
        };
        const auto decode = [bytes](const Entry *first, const Entry *last, QStringList &names) {
            for (const Entry *entry = first; entry != last; ++entry)
                names.append(
                    NativePath::fromBytes(QByteArrayView(bytes + entry->offset, qsizetype(entry->length))));
        };

        // Large folders are sorted, and their names decoded, in two halves at once.
        const size_t count = m_entries.size();
        const size_t half = count >= SplitFrom && QThread::idealThreadCount() > 1 ? count / 2 : 0;
        Entry *const first = m_entries.data();
        Entry *const middle = first + half;
        Entry *const last = first + count;
        QStringList sorted;
        sorted.reserve(qsizetype(count));
        if (half == 0) {
            std::sort(first, last, before);
            decode(first, last, sorted);
        } else {
            QFuture<void> frontSort = QtConcurrent::run([&] { std::sort(first, middle, before); });
            std::sort(middle, last, before);
            frontSort.waitForFinished();
            std::inplace_merge(first, middle, last, before);
            QStringList back;
            back.reserve(qsizetype(count - half));
            QFuture<void> backDecode = QtConcurrent::run([&] { decode(middle, last, back); });
            decode(first, middle, sorted);
            backDecode.waitForFinished();
            sorted.append(std::move(back));
        }
        m_entries.clear();
        m_keys.clear();
        m_bytes.clear();
        return sorted;
    }

private:
    struct Entry
    {
        size_t offset;
        size_t length;
        // The key's eight bytes after those all keys share, most significant first and padded
        // with zeros (no name holds a zero byte): most comparisons end here, without reading the
        // keys.
        quint64 head;
    };

    // Writes every entry's head; returns how many leading key bytes all entries share.
    size_t writeHeads()
    {
        if (m_entries.empty())
            return 0;
        const char *keys = m_keys.data();
        const Entry &first = m_entries.front();
        size_t shared = first.length;
        for (const Entry &entry : m_entries) {
            const char *key = keys + entry.offset;
            const size_t common = std::min(shared, entry.length);
            shared = size_t(std::mismatch(key, key + common, keys + first.offset).first - key);
        }
        for (Entry &entry : m_entries) {
            const auto *key = reinterpret_cast<const unsigned char *>(keys + entry.offset);
            const size_t end = std::min(entry.length, shared + 8);
            quint64 head = 0;
            for (size_t i = shared; i < shared + 8; ++i)
                head = (head << 8) | (i < end ? key[i] : 0);
            entry.head = head;
        }
        return shared;
    }
    std::vector<Entry> m_entries;
    std::string m_keys;
    std::string m_bytes;
};

} // namespace

FolderReader::Contents FolderReader::read(const QString &folder, const FilePattern &pattern,
                                          const std::atomic<bool> *stop)
{
    Contents contents;
    QByteArray base = NativePath::toBytes(folder);
    if (!base.endsWith('/'))
        base += '/';
    DIR *dir = ::opendir(base.constData());
    if (!dir)
        return contents;
    contents.opened = true;

    int sinceCheck = 0;
    SortedNames folders;
    SortedNames files;
    struct stat directory = {};
    if (::fstat(::dirfd(dir), &directory) == 0 && directory.st_size > 0)
        files.reserveFor(size_t(directory.st_size));
    while (const dirent *entry = ::readdir(dir)) {
        if (stop && ++sinceCheck >= 256) {
            sinceCheck = 0;
            if (stop->load(std::memory_order_relaxed))
                break;
        }
        const char *name = entry->d_name;
        if (name[0] == '.')
            continue;
        unsigned char type = entry->d_type;
        if (type == DT_LNK || type == DT_UNKNOWN) {
            struct stat info = {};
            if (::stat((base + name).constData(), &info) != 0)
                continue;
            type = S_ISDIR(info.st_mode) ? DT_DIR : S_ISREG(info.st_mode) ? DT_REG : DT_UNKNOWN;
        }
        const size_t length = std::strlen(name);
        if (type == DT_DIR)
            folders.add(name, length);
        else if (type == DT_REG && pattern.matchesBytes(name, length))
            files.add(name, length);
    }
    ::closedir(dir);
    if (stop && stop->load(std::memory_order_relaxed))
        return contents;
    contents.folders = folders.take();
    contents.files = files.take();
    return contents;
}
