// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QHash>
#include <QSet>
#include <QStringList>

// The EditList: an ordered list of full file paths, duplicates allowed. Membership is answered
// from a count per path, so marking a long file list against a long EditList stays linear.
class EditListStore
{
public:
    void append(const QString &path);
    // Makes room for this many entries in all, so that a long list read in does not grow and
    // rehash its counts again and again.
    void reserve(qsizetype count)
    {
        m_entries.reserve(count);
        m_counts.reserve(count);
    }
    void removeAt(int index);
    // Removes the first entry equal to each of the paths, in one pass over the list.
    void removeOneOfEach(QSet<QString> paths);
    void clear();

    bool contains(const QString &path) const { return m_counts.contains(path); }
    // How many times each path is on the list: a copy that another thread may read while this
    // list changes.
    QHash<QString, int> countsByPath() const { return m_counts; }
    // Index of the first entry equal to the path, -1 when none.
    int indexOf(const QString &path) const;
    int count() const { return int(m_entries.size()); }
    bool isEmpty() const { return m_entries.isEmpty(); }
    const QStringList &entries() const { return m_entries; }
    // Counts the changes made, so that a saver can tell whether there is anything new to write.
    quint64 revision() const { return m_revision; }

private:
    QStringList m_entries;
    QHash<QString, int> m_counts;
    quint64 m_revision = 0;
};
