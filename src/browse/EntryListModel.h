// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/ListEntry.h"

#include <QAbstractListModel>
#include <QColor>
#include <QHash>
#include <QList>

class FileIconProvider;

// The entries of one list of files: text, kind, icon index and what the entry is to the user (on
// the EditList, the target of the open file menu). The delegate turns those facts into colours.
class EntryListModel : public QAbstractListModel
{
    Q_OBJECT

public:
    enum Role
    {
        KindRole = Qt::UserRole,
        IconIndexRole,
        OnEditListRole,
        MenuTargetRole,
        PlayingRole,
        JobStateRole
    };
    // An icon index that is looked up from the entry's text when the entry is first drawn.
    static constexpr int IconFromText = -2;

    explicit EntryListModel(QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;

    int count() const { return int(m_texts.size()); }
    // Empty for an index outside the list.
    const QString &text(int index) const;
    // All texts in order; shares the model's storage until either side changes.
    QStringList texts() const { return m_texts; }
    ListEntry::Kind kind(int index) const;

    // With isSorted on, the entry goes where ascending text order puts it; otherwise it is appended.
    // Returns the entry's index.
    int addItem(const QString &text, ListEntry::Kind kind = ListEntry::Kind::File);
    // Appends many entries at once (or merges them in order when isSorted is on).
    // The texts are taken over: pass a list that is no longer needed with std::move.
    void addItems(QStringList texts, ListEntry::Kind kind = ListEntry::Kind::File);
    void insertItem(const QString &text, int index, ListEntry::Kind kind = ListEntry::Kind::File);
    void removeItem(int index);
    void clear();
    // Index of the first entry whose text equals the given text exactly, -1 when none.
    int findItem(const QString &text) const;

    // The shared icon list the entries' icon indexes refer to (ImageListHandle); none shows no icons.
    void setIconProvider(FileIconProvider *icons) { m_icons = icons; }

    bool isSorted() const { return m_sorted; }
    void setSorted(bool on) { m_sorted = on; }

    bool isOnEditList(int index) const;
    void setOnEditList(int index, bool on);
    // Marks or unmarks many entries with a single change notification.
    void setOnEditList(const QList<int> &indexes, bool on);
    // The entry a file menu is open on; at most one entry is the target at a time.
    void setMenuTarget(int index);
    void clearMenuTarget();
    // The entry the player holds; at most one entry at a time, -1 for none.
    void setPlaying(int index);
    int playing() const { return m_playing; }
    void setItemIcon(int index, int iconIndex);
    // Replaces an entry's text (a moved file's new path); its icon is found again from the text.
    void setText(int index, const QString &text);
    // Removes the entries whose indexes are listed (in any order) in one step.
    void removeItems(QList<int> indexes);
    ListEntry::JobState jobState(int index) const;
    void setJobState(int index, ListEntry::JobState state);
    // Appends many entries of one kind, all with the same icon index, in one step.
    void addItems(QStringList texts, ListEntry::Kind kind, int iconIndex);
    // Puts entries of one kind in before the entry at row, all with the same icon index.
    void insertItems(int row, QStringList texts, ListEntry::Kind kind, int iconIndex);
    // Puts entries of one kind in among the count entries from row first on, which are in order:
    // places[i] of those go ahead of texts[i] (places ascending, texts in order); with no places,
    // all of them do. The entries there keep their current row, selection and marks.
    void mergeItems(int first, int count, QStringList texts, const QList<int> &places, ListEntry::Kind kind,
                    int iconIndex);
    // Takes away the entries at the rows listed in ascending order, a run of neighbours at a time,
    // so that the entries that stay keep their selection and the current entry.
    void removeRuns(const QList<int> &rows);

    // The kinds of all entries in order.
    QList<ListEntry::Kind> kinds() const;
    // Grows whenever entries come, go or change their text: what was worked out from the entries
    // of one revision applies only to that revision.
    quint64 revision() const { return m_revision; }
    // Between the notices before and after rows go: the current row has already moved off them,
    // but the entries have not changed yet.
    bool isRemovingRows() const { return m_removingRows; }

private:
    // What an entry is beside its text.
    struct Item
    {
        // Resolved on first drawing when it is IconFromText.
        mutable int icon = -1;
        ListEntry::Kind kind = ListEntry::Kind::File;
        ListEntry::JobState state = ListEntry::JobState::Normal;
        bool onEditList = false;
    };

    bool validRow(int index) const { return index >= 0 && index < m_texts.size(); }
    void changed(int index, int role);
    void rememberFirst(const QString &text, int row) const;

    // Texts and items side by side, one per row: the texts of a long list are handed in and out
    // whole, without touching one string each.
    QStringList m_texts;
    QList<Item> m_items;
    int m_menuTarget = -1;
    int m_playing = -1;
    bool m_sorted = false;
    FileIconProvider *m_icons = nullptr;
    // Where each text first occurs, built by the first findItem after the list was filled or
    // changed in the middle, and kept up to date by appends after that: findItem stays a hash
    // lookup on long lists, and filling a list costs no hashing at all.
    mutable QHash<QString, int> m_firstRow;
    mutable bool m_firstRowValid = false;
    quint64 m_revision = 0;
    bool m_removingRows = false;
};
