// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/EditListStore.h"

#include "core/EventSlice.h"

#include <QElapsedTimer>

void EditListStore::append(const QString &path)
{
    m_entries.append(path);
    ++m_counts[path];
}

void EditListStore::removeAt(int index)
{
    if (index < 0 || index >= m_entries.size())
        return;
    const QString path = m_entries.takeAt(index);
    auto it = m_counts.find(path);
    if (it != m_counts.end() && --it.value() <= 0)
        m_counts.erase(it);
}

int EditListStore::indexOf(const QString &path) const
{
    return contains(path) ? int(m_entries.indexOf(path)) : -1;
}

void EditListStore::clear()
{
    m_entries.clear();
    m_counts.clear();
}

bool EditListStore::removeOneOfEach(QSet<QString> paths, const std::function<void()> &yield)
{
    // The list is only replaced at the end: whatever runs while events are let through (a save at
    // logout) sees the whole list as it was. A list changed meanwhile is left as it is.
    QElapsedTimer clock;
    clock.start();
    const QStringList entries = m_entries;
    QStringList kept;
    kept.reserve(entries.size());
    // When most of the list leaves, the counts of what stays are made anew during the pass, where
    // events run now and then, instead of taking every leaving entry out of them in one go after it.
    const bool recount = paths.size() * 2 > entries.size();
    QHash<QString, int> keptCounts;
    QList<QString> leaving;
    for (qsizetype i = 0; i < entries.size(); ++i) {
        if (yield && (i & 1023) == 0 && clock.elapsed() >= EventSliceMs) {
            yield();
            clock.restart();
            if (m_entries.size() != entries.size())
                return false;
        }
        const QString &entry = entries.at(i);
        if (paths.remove(entry)) {
            if (!recount)
                leaving.append(entry);
        } else {
            kept.append(entry);
            if (recount)
                ++keptCounts[entry];
        }
    }
    if (recount) {
        m_counts = std::move(keptCounts);
    } else {
        for (const QString &entry : leaving) {
            auto it = m_counts.find(entry);
            if (it != m_counts.end() && --it.value() <= 0)
                m_counts.erase(it);
        }
    }
    m_entries = std::move(kept);
    return true;
}
