// SPDX-License-Identifier: GPL-3.0-or-later
#include "playlist/PlaylistOrder.h"

#include "core/Rounding.h"

#include <QRandomGenerator>
#include <QThread>
#include <QtConcurrentRun>
#include <algorithm>
#include <bit>
#include <cstring>
#include <iterator>
#include <memory>
#include <vector>

namespace PlaylistOrder {

int moveUp(QStringList &entries, int index)
{
    if (index <= 0 || index >= entries.size())
        return index;
    entries.swapItemsAt(index, index - 1);
    return index - 1;
}

int moveDown(QStringList &entries, int index)
{
    if (index < 0 || index >= entries.size() - 1)
        return index;
    entries.swapItemsAt(index, index + 1);
    return index + 1;
}

namespace {

// Hands the units of the sort key of text to put, in order.
template <typename Put> void writeSortKey(QStringView text, Put put)
{
    const auto digit = [](char16_t c) { return c >= u'0' && c <= u'9'; };
    const char16_t *in = text.utf16();
    const qsizetype size = text.size();
    for (qsizetype i = 0; i < size;) {
        const char16_t c = in[i];
        if (!digit(c)) {
            // Plain letters fold without a table look-up.
            put(c < 0x80 ? (c >= u'A' && c <= u'Z' ? char16_t(c + 32) : c)
                         : QChar(c).toCaseFolded().unicode());
            ++i;
            continue;
        }
        // A number: a digit, its length without leading zeros, its digits. Numbers then compare
        // by value among themselves and as digits do against other characters.
        while (i + 1 < size && in[i] == u'0' && digit(in[i + 1]))
            ++i;
        qsizetype end = i;
        while (end < size && digit(in[end]))
            ++end;
        put(u'0');
        put(char16_t(qMin<qsizetype>(end - i, 0xffff)));
        for (; i < end; ++i)
            put(in[i]);
    }
}

} // namespace

QString sortKey(QStringView text)
{
    QString key;
    key.reserve(text.size());
    writeSortKey(text, [&key](char16_t unit) { key.append(QChar(unit)); });
    return key;
}

namespace {

// The keys of entries [first, last), made once and side by side in one buffer (comparing them is
// much cheaper than comparing the texts number by number, and far cheaper again than chasing one
// allocation per key), sorted. Each unit of a key is stored as UTF-8 stores a code point, in one
// to three bytes: the keys then compare as plain memory in the order of their units, and a path,
// mostly ASCII, makes a key of about its own length in bytes.
struct SortedRun
{
    struct Keyed
    {
        const char *key;
        qsizetype size;
        qsizetype index;
    };

    // Room for the longest keys, left unwritten until the keys are written.
    std::unique_ptr<char[]> keys;
    std::vector<Keyed> keyed;

    void sort(const QStringList &entries, qsizetype first, qsizetype last)
    {
        // A text's key has at most two units more than twice its characters, each unit at most
        // three bytes.
        qsizetype room = 0;
        for (qsizetype i = first; i < last; ++i)
            room += 3 * (2 * entries.at(i).size() + 2);
        keys = std::make_unique_for_overwrite<char[]>(size_t(room));
        keyed.reserve(size_t(last - first));
        char *out = keys.get();
        for (qsizetype i = first; i < last; ++i) {
            char *const key = out;
            writeSortKey(entries.at(i), [&out](char16_t unit) {
                if (unit < 0x80) {
                    *out++ = char(unit);
                } else if (unit < 0x800) {
                    *out++ = char(0xc0 | (unit >> 6));
                    *out++ = char(0x80 | (unit & 0x3f));
                } else {
                    *out++ = char(0xe0 | (unit >> 12));
                    *out++ = char(0x80 | ((unit >> 6) & 0x3f));
                    *out++ = char(0x80 | (unit & 0x3f));
                }
            });
            keyed.push_back({key, out - key, i});
        }
        std::sort(keyed.begin(), keyed.end(), before);
    }

    static bool before(const Keyed &a, const Keyed &b)
    {
        const int order = std::memcmp(a.key, b.key, size_t(std::min(a.size, b.size)));
        if (order != 0)
            return order < 0;
        return a.size != b.size ? a.size < b.size : a.index < b.index;
    }
};

} // namespace

QStringList sorted(QStringList entries)
{
    // Long lists are sorted in two halves at once, then merged.
    constexpr qsizetype SplitFrom = 20000;
    const qsizetype count = entries.size();
    const qsizetype half = count >= SplitFrom && QThread::idealThreadCount() > 1 ? count / 2 : 0;
    SortedRun front;
    SortedRun back;
    QFuture<void> frontSort;
    if (half > 0)
        frontSort = QtConcurrent::run([&] { front.sort(entries, 0, half); });
    back.sort(entries, half, count);
    frontSort.waitForFinished();
    std::vector<SortedRun::Keyed> merged;
    merged.reserve(size_t(count));
    std::merge(front.keyed.begin(), front.keyed.end(), back.keyed.begin(), back.keyed.end(),
               std::back_inserter(merged), SortedRun::before);
    QStringList result;
    result.reserve(count);
    for (const SortedRun::Keyed &entry : merged)
        result.append(std::move(entries[entry.index]));
    return result;
}

namespace {

// The entries not yet taken: one bit each, 64 to a word, and the words' counts in a Fenwick tree.
// Finding the k-th entry left costs a descent of the tree to its word, then a search within one
// word. The tree has one node per 64 entries, so it stays in the fastest cache; it is padded to
// a power of two so that the descent needs no bounds test.
class Remaining
{
public:
    explicit Remaining(qsizetype count) : m_words(size_t((count + 63) / 64), ~quint64(0))
    {
        if (count % 64 != 0)
            m_words.back() = (quint64(1) << (count % 64)) - 1;
        const auto words = qsizetype(m_words.size());
        while (m_highBit < words)
            m_highBit *= 2;
        m_tree.assign(size_t(m_highBit) + 1, 0);
        for (qsizetype i = 1; i <= m_highBit; ++i) {
            m_tree[size_t(i)] += i <= words ? std::popcount(m_words[size_t(i - 1)]) : 0;
            const qsizetype parent = i + (i & -i);
            if (parent <= m_highBit)
                m_tree[size_t(parent)] += m_tree[size_t(i)];
        }
    }

    // The index of the k-th entry left (from 0), which is then taken.
    qsizetype take(qsizetype k)
    {
        qsizetype word = 0;
        qint32 rest = qint32(k + 1);
        for (qsizetype step = m_highBit; step > 0; step /= 2) {
            const qint32 below = m_tree[size_t(word + step)];
            const bool further = below < rest;
            word += further ? step : 0;
            rest -= further ? below : 0;
        }
        quint64 bits = m_words[size_t(word)];
        for (qint32 skipped = 1; skipped < rest; ++skipped)
            bits &= bits - 1;
        const int bit = std::countr_zero(bits);
        m_words[size_t(word)] &= ~(quint64(1) << bit);
        for (qsizetype i = word + 1; i <= m_highBit; i += i & -i)
            m_tree[size_t(i)] -= 1;
        return word * 64 + bit;
    }

private:
    std::vector<quint64> m_words;
    std::vector<qint32> m_tree;
    qsizetype m_highBit = 1;
};

} // namespace

QStringList randomized(QStringList entries, const std::function<double()> &draw)
{
    QStringList result;
    result.reserve(entries.size());
    Remaining remaining(entries.size());
    for (qsizetype left = entries.size(); left > 0; --left) {
        const double r = qBound(0.0, draw(), 1.0);
        const qsizetype k = qBound<qsizetype>(0, Rounding::halfEven64(r * double(left - 1)), left - 1);
        result.append(std::move(entries[remaining.take(k)]));
    }
    return result;
}

double systemDraw()
{
    static QRandomGenerator generator = QRandomGenerator::securelySeeded();
    return generator.generateDouble();
}

} // namespace PlaylistOrder
