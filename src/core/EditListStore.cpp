// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/EditListStore.h"

void EditListStore::append(const QString &path)
{
    m_entries.append(path);
    ++m_counts[path];
    ++m_revision;
}

void EditListStore::removeAt(int index)
{
    if (index < 0 || index >= m_entries.size())
        return;
    const QString path = m_entries.takeAt(index);
    ++m_revision;
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
    ++m_revision;
}

void EditListStore::removeOneOfEach(QSet<QString> paths)
{
    QStringList kept;
    kept.reserve(m_entries.size());
    // When most of the list leaves, the counts of what stays are made anew during the pass instead
    // of taking every leaving entry out of them after it.
    const bool recount = paths.size() * 2 > m_entries.size();
    QHash<QString, int> keptCounts;
    QList<QString> leaving;
    for (const QString &entry : std::as_const(m_entries)) {
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
    ++m_revision;
}
