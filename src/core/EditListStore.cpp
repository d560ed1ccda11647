// SPDX-License-Identifier: GPL-3.0-or-later
#include "EditListStore.h"

#include <QElapsedTimer>

namespace {

constexpr int YieldEveryMs = 15;

} // namespace

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

void EditListStore::removeOneOfEach(QSet<QString> paths, const std::function<void()> &yield)
{
    QElapsedTimer clock;
    clock.start();
    QStringList kept;
    kept.reserve(m_entries.size());
    for (qsizetype i = 0; i < m_entries.size(); ++i) {
        if (yield && (i & 1023) == 0 && clock.elapsed() >= YieldEveryMs) {
            yield();
            clock.restart();
        }
        QString &entry = m_entries[i];
        if (paths.remove(entry)) {
            auto it = m_counts.find(entry);
            if (it != m_counts.end() && --it.value() <= 0)
                m_counts.erase(it);
            continue;
        }
        kept.append(std::move(entry));
    }
    m_entries = std::move(kept);
}
