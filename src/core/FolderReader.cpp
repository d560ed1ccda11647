// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/FolderReader.h"

#include "core/FilePattern.h"
#include "core/FolderBatch.h"
#include "platform/NativePath.h"

#include <QElapsedTimer>
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
        Entry *const first = m_entries.data();
        Entry *const last = first + m_entries.size();
        const auto before = ordered(writeHeads(first, last));

        // Large folders are sorted, and their names decoded, in two halves at once.
        const size_t count = m_entries.size();
        const size_t half = count >= SplitFrom && QThread::idealThreadCount() > 1 ? count / 2 : 0;
        Entry *const middle = first + half;
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

    // The names added since the last hand-over.
    size_t fresh() const { return m_entries.size() - m_handed; }

    // Hands over the names added since the last hand-over, in order, with their places among the
    // names handed over before (which stay, in order, for the next hand-over to be placed among).
    void handOver(FolderBatch::Part &part)
    {
        Entry *const first = m_entries.data();
        Entry *const fresh = first + m_handed;
        Entry *const last = first + m_entries.size();
        if (fresh == last)
            return;
        std::sort(fresh, last, ordered(writeHeads(fresh, last)));
        part.names.reserve(qsizetype(last - fresh));
        decode(fresh, last, part.names);
        const auto keyLess = [this](const Entry &a, const Entry &b) { return less(a, b); };
        if (m_handed > 0 && keyLess(*fresh, *(fresh - 1))) {
            part.places.reserve(qsizetype(last - fresh));
            const Entry *old = first;
            for (const Entry *entry = fresh; entry != last; ++entry) {
                while (old != fresh && keyLess(*old, *entry))
                    ++old;
                part.places.append(int(old - first));
            }
            std::inplace_merge(first, fresh, last, keyLess);
        }
        m_handed = m_entries.size();
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

    // Writes the head of every entry in the range; returns how many leading key bytes they all
    // share.
    size_t writeHeads(Entry *first, Entry *last) const
    {
        if (first == last)
            return 0;
        const char *keys = m_keys.data();
        size_t shared = first->length;
        for (const Entry *entry = first; entry != last; ++entry) {
            const char *key = keys + entry->offset;
            const size_t common = std::min(shared, entry->length);
            shared = size_t(std::mismatch(key, key + common, keys + first->offset).first - key);
        }
        for (Entry *entry = first; entry != last; ++entry) {
            const auto *key = reinterpret_cast<const unsigned char *>(keys + entry->offset);
            const size_t end = std::min(entry->length, shared + 8);
            quint64 head = 0;
            for (size_t i = shared; i < shared + 8; ++i)
                head = (head << 8) | (i < end ? key[i] : 0);
            entry->head = head;
        }
        return shared;
    }

    // The names' order, for entries whose heads were written together and share `skipped` key
    // bytes.
    struct Order
    {
        const SortedNames *names;
        size_t skipped;
        bool operator()(const Entry &a, const Entry &b) const
        {
            return a.head != b.head ? a.head < b.head : names->less(a, b, skipped);
        }
    };
    Order ordered(size_t skipped) const { return {this, skipped}; }

    // The names' order, from the key's byte `skipped` on (the bytes before are the same).
    bool less(const Entry &a, const Entry &b, size_t skipped = 0) const
    {
        // Every key is at least as long as the bytes all keys share.
        const size_t common = std::min(a.length, b.length);
        const char *keys = m_keys.data();
        const int order = std::memcmp(keys + a.offset + skipped, keys + b.offset + skipped, common - skipped);
        if (order != 0)
            return order < 0;
        if (a.length != b.length)
            return a.length < b.length;
        // Names that differ only in the case of ASCII letters: upper case first, as in the names'
        // own code point order.
        return std::memcmp(m_bytes.data() + a.offset, m_bytes.data() + b.offset, common) < 0;
    }

    void decode(const Entry *first, const Entry *last, QStringList &names) const
    {
        const char *bytes = m_bytes.data();
        for (const Entry *entry = first; entry != last; ++entry)
            names.append(
                NativePath::fromBytes(QByteArrayView(bytes + entry->offset, qsizetype(entry->length))));
    }

    std::vector<Entry> m_entries;
    std::string m_keys;
    std::string m_bytes;
    // The entries before this one are handed over, in order.
    size_t m_handed = 0;
};

// An open directory and what it holds, read into folders and files. Every so many entries, and at
// the end, `between` is called; reading ends early once stop is set.
class DirectoryScan
{
public:
    explicit DirectoryScan(const QString &folder) : m_base(NativePath::toBytes(folder))
    {
        if (!m_base.endsWith('/'))
            m_base += '/';
        m_dir = ::opendir(m_base.constData());
    }
    ~DirectoryScan()
    {
        if (m_dir)
            ::closedir(m_dir);
    }
    DirectoryScan(const DirectoryScan &) = delete;
    DirectoryScan &operator=(const DirectoryScan &) = delete;

    bool opened() const { return m_dir != nullptr; }

    // Returns false when stopped.
    template <typename Between>
    bool read(const FilePattern &pattern, const std::atomic<bool> *stop, SortedNames &folders,
              SortedNames &files, Between between)
    {
        struct stat directory = {};
        if (::fstat(::dirfd(m_dir), &directory) == 0 && directory.st_size > 0)
            files.reserveFor(size_t(directory.st_size));
        int sinceCheck = 0;
        while (const dirent *entry = ::readdir(m_dir)) {
            if (++sinceCheck >= CheckEvery) {
                sinceCheck = 0;
                if (stop && stop->load(std::memory_order_relaxed))
                    return false;
                between();
            }
            const char *name = entry->d_name;
            if (name[0] == '.')
                continue;
            unsigned char type = entry->d_type;
            if (type == DT_LNK || type == DT_UNKNOWN) {
                struct stat info = {};
                if (::stat((m_base + name).constData(), &info) != 0)
                    continue;
                type = S_ISDIR(info.st_mode) ? DT_DIR : S_ISREG(info.st_mode) ? DT_REG : DT_UNKNOWN;
            }
            const size_t length = std::strlen(name);
            if (type == DT_DIR)
                folders.add(name, length);
            else if (type == DT_REG && pattern.matchesBytes(name, length))
                files.add(name, length);
        }
        return !(stop && stop->load(std::memory_order_relaxed));
    }

private:
    static constexpr int CheckEvery = 256;
    QByteArray m_base;
    DIR *m_dir = nullptr;
};

} // namespace

FolderReader::Contents FolderReader::read(const QString &folder, const FilePattern &pattern,
                                          const std::atomic<bool> *stop)
{
    Contents contents;
    DirectoryScan scan(folder);
    if (!scan.opened())
        return contents;
    contents.opened = true;
    SortedNames folders;
    SortedNames files;
    if (!scan.read(pattern, stop, folders, files, [] {}))
        return contents;
    contents.folders = folders.take();
    contents.files = files.take();
    return contents;
}

bool FolderReader::stream(const QString &folder, const FilePattern &pattern, const std::atomic<bool> *stop,
                          const std::function<void(FolderBatch)> &take)
{
    DirectoryScan scan(folder);
    if (!scan.opened()) {
        FolderBatch last;
        last.last = true;
        last.opened = false;
        take(std::move(last));
        return true;
    }
    SortedNames folders;
    SortedNames files;
    size_t handed = 0;
    QElapsedTimer sinceBatch;
    sinceBatch.start();
    const auto handOver = [&](bool last) {
        FolderBatch batch;
        batch.last = last;
        handed += folders.fresh() + files.fresh();
        folders.handOver(batch.folders);
        files.handOver(batch.files);
        sinceBatch.restart();
        take(std::move(batch));
    };
    // Batches grow as the list does, so that putting each in costs the window about as much as
    // the rows it already has; a slow file system still shows what it has given every so often.
    const bool read = scan.read(pattern, stop, folders, files, [&] {
        const size_t fresh = folders.fresh() + files.fresh();
        if (fresh >= std::max(FirstBatch, handed) || (fresh > 0 && sinceBatch.hasExpired(BatchEveryMs)))
            handOver(false);
    });
    if (read)
        handOver(true);
    return read;
}
