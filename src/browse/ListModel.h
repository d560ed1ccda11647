#pragma once

#include "ListEntry.h"

#include <QAbstractListModel>
#include <QColor>
#include <QHash>
#include <QList>

// The entries of one file list: text, kind and the per-entry colours, value and icon index that
// the program's lists draw. Every list of the program keeps its entries here.
class SystemImageList;

class ListModel : public QAbstractListModel
{
    Q_OBJECT

public:
    enum Role
    {
        KindRole = Qt::UserRole,
        ValueRole,
        IconIndexRole
    };

    explicit ListModel(QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;

    int ListCount() const { return int(m_entries.size()); }
    QString List(int index) const;
    ListEntry::Kind kind(int index) const;

    // With Sorted on, the entry goes where ascending text order puts it; otherwise it is appended.
    // Returns the entry's index.
    int AddItem(const QString &text, ListEntry::Kind kind = ListEntry::Kind::File);
    // Appends many entries at once (or merges them in order when Sorted is on).
    void AddItems(const QStringList &texts, ListEntry::Kind kind = ListEntry::Kind::File);
    void InsertItem(const QString &text, int index, ListEntry::Kind kind = ListEntry::Kind::File);
    void RemoveItem(int index);
    void Clear();
    // Index of the first entry whose text equals the given text exactly, -1 when none.
    int FindItem(const QString &text) const;

    // The shared icon list the entries' icon indexes refer to (ImageListHandle); none shows no icons.
    void setImageList(const SystemImageList *icons) { m_icons = icons; }

    bool Sorted() const { return m_sorted; }
    void setSorted(bool on) { m_sorted = on; }

    QColor ItemForeColor(int index) const;
    void setItemForeColor(int index, const QColor &color);
    void setItemBackColor(int index, const QColor &color);
    void setItemValue(int index, int value);
    void setItemIcon(int index, int iconIndex);
    // Appends many entries of one kind with their icon indexes in one step.
    void AddItems(const QStringList &texts, ListEntry::Kind kind, const QList<int> &iconIndexes);

private:
    struct Item
    {
        QString text;
        ListEntry::Kind kind = ListEntry::Kind::File;
        QColor fore;
        QColor back;
        int value = 0;
        int icon = -1;
    };

    bool validRow(int index) const { return index >= 0 && index < m_entries.size(); }
    void forget(const QString &text);
    void changed(int index, int role);

    QList<Item> m_entries;
    bool m_sorted = false;
    const SystemImageList *m_icons = nullptr;
    // How often each text occurs, and (rebuilt lazily after inserts and removals) where it first
    // occurs: FindItem stays a hash lookup on long lists.
    QHash<QString, int> m_counts;
    mutable QHash<QString, int> m_firstRow;
    mutable bool m_firstRowValid = true;
};
