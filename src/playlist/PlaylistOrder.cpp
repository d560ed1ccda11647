// SPDX-License-Identifier: GPL-3.0-or-later
#include "PlaylistOrder.h"

#include "Rounding.h"

#include <QCollator>
#include <QLocale>
#include <QRandomGenerator>
#include <algorithm>
#include <numeric>

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

QStringList sorted(const QStringList &entries)
{
    // The C locale compares code points, case and all: the natural order needs a language.
    const QLocale locale = QLocale().language() == QLocale::C ? QLocale(QLocale::English) : QLocale();
    QCollator collator(locale);
    collator.setNumericMode(true);
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    // Keys made once: comparing keys is much cheaper than comparing texts.
    std::vector<QCollatorSortKey> keys;
    keys.reserve(size_t(entries.size()));
    for (const QString &entry : entries)
        keys.push_back(collator.sortKey(entry));
    std::vector<qsizetype> order(size_t(entries.size()));
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), [&keys](qsizetype a, qsizetype b) {
        return keys[size_t(a)].compare(keys[size_t(b)]) < 0;
    });
    QStringList result;
    result.reserve(entries.size());
    for (qsizetype index : order)
        result.append(entries.at(index));
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
