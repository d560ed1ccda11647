#pragma once

#include "ListEntry.h"

#include <QAbstractListModel>
#include <QColor>
#include <QHash>
#include <QList>

class SystemImageList;

// The entries of one file list: text, kind and the per-entry colours, value and icon index that
// the program's lists draw. Every list of the program keeps its entries here.
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
    // An icon index that is looked up from the entry's text when the entry is first drawn.
    static constexpr int IconFromText = -2;

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
    void setImageList(SystemImageList *icons) { m_icons = icons; }

    bool Sorted() const { return m_sorted; }
    void setSorted(bool on) { m_sorted = on; }

    QColor ItemForeColor(int index) const;
    void setItemForeColor(int index, const QColor &color);
    void setItemBackColor(int index, const QColor &color);
    void setItemValue(int index, int value);
    void setItemIcon(int index, int iconIndex);
    // Appends many entries of one kind, all with the same icon index, in one step.
    void AddItems(const QStringList &texts, ListEntry::Kind kind, int iconIndex);
    // Gives many entries one text colour, with a single change notification.
    void setItemForeColors(const QList<int> &indexes, const QColor &color);

private:
    struct Item
    {
        QString text;
        ListEntry::Kind kind = ListEntry::Kind::File;
        QColor fore;
        QColor back;
        int value = 0;
        // Resolved on first drawing when it is IconFromText.
        mutable int icon = -1;
    };

    bool validRow(int index) const { return index >= 0 && index < m_entries.size(); }
    void changed(int index, int role);
    void rememberFirst(const QString &text, int row) const;

    QList<Item> m_entries;
    bool m_sorted = false;
    SystemImageList *m_icons = nullptr;
    // Where each text first occurs, built by the first FindItem after the list was filled or
    // changed in the middle, and kept up to date by appends after that: FindItem stays a hash
    // lookup on long lists, and filling a list costs no hashing at all.
    mutable QHash<QString, int> m_firstRow;
    mutable bool m_firstRowValid = false;
};
