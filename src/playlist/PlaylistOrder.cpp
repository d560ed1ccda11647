// SPDX-License-Identifier: GPL-3.0-or-later
#include "PlaylistOrder.h"

#include "Rounding.h"

#include <QRandomGenerator>
#include <algorithm>

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

QString sortKey(QStringView text)
{
    const auto digit = [](char16_t c) { return c >= u'0' && c <= u'9'; };
    // A number takes at most two characters more than its digits.
    QString key(text.size() * 2 + 2, Qt::Uninitialized);
    char16_t *out = reinterpret_cast<char16_t *>(key.data());
    char16_t *const begin = out;
    const char16_t *in = text.utf16();
    const qsizetype size = text.size();
    for (qsizetype i = 0; i < size;) {
        const char16_t c = in[i];
        if (!digit(c)) {
            // Plain letters fold without a table look-up.
            *out++ = c < 0x80 ? (c >= u'A' && c <= u'Z' ? char16_t(c + 32) : c)
                              : QChar(c).toCaseFolded().unicode();
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
        *out++ = u'0';
        *out++ = char16_t(qMin<qsizetype>(end - i, 0xffff));
        for (; i < end; ++i)
            *out++ = in[i];
    }
    key.resize(out - begin);
    return key;
}

QStringList sorted(const QStringList &entries)
{
    // Keys made once: comparing keys is much cheaper than comparing the texts number by number.
    std::vector<std::pair<QString, qsizetype>> keyed;
    keyed.reserve(size_t(entries.size()));
    for (qsizetype i = 0; i < entries.size(); ++i)
        keyed.emplace_back(sortKey(entries.at(i)), i);
    std::sort(keyed.begin(), keyed.end(), [](const auto &a, const auto &b) {
        const int order = QStringView(a.first).compare(QStringView(b.first));
        return order != 0 ? order < 0 : a.second < b.second;
    });
    QStringList result;
    result.reserve(entries.size());
    for (const auto &entry : keyed)
        result.append(entries.at(entry.second));
    return result;
}

namespace {

// The entries not yet taken, counted in a Fenwick tree: finding the k-th one left and taking it
// costs a logarithm, not a pass over the list.
class Remaining
{
public:
    explicit Remaining(qsizetype count) : m_tree(size_t(count) + 1, 0)
    {
        for (qsizetype i = 1; i <= count; ++i) {
            m_tree[size_t(i)] += 1;
            const qsizetype parent = i + (i & -i);
            if (parent <= count)
                m_tree[size_t(parent)] += m_tree[size_t(i)];
        }
        while (m_highBit * 2 <= count)
            m_highBit *= 2;
    }

    // The index of the k-th entry left (from 0), which is then taken.
    qsizetype take(qsizetype k)
    {
        qsizetype position = 0;
        qsizetype rest = k + 1;
        for (qsizetype step = m_highBit; step > 0; step /= 2) {
            const qsizetype next = position + step;
            if (next < qsizetype(m_tree.size()) && m_tree[size_t(next)] < rest) {
                position = next;
                rest -= m_tree[size_t(next)];
            }
        }
        for (qsizetype i = position + 1; i < qsizetype(m_tree.size()); i += i & -i)
            m_tree[size_t(i)] -= 1;
        return position;
    }

private:
    std::vector<qsizetype> m_tree;
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
        result.append(entries.at(remaining.take(k)));
    }
    return result;
}

double systemDraw()
{
    static QRandomGenerator generator = QRandomGenerator::securelySeeded();
    return generator.generateDouble();
}

} // namespace PlaylistOrder
