// SPDX-License-Identifier: GPL-3.0-or-later
#include "browse/EntryListModel.h"

#include "platform/FileIconProvider.h"
#include "platform/NativePath.h"

#include <algorithm>
#include <utility>

namespace {

bool textLess(const QString &a, const QString &b)
{
    return a.compare(b, Qt::CaseInsensitive) < 0;
}

} // namespace

void EntryListModel::rememberFirst(const QString &text, int row) const
{
    if (!m_firstRow.contains(text))
        m_firstRow.insert(text, row);
}

EntryListModel::EntryListModel(QObject *parent) : QAbstractListModel(parent)
{
    // Connected before any view's: these run first.
    const auto grow = [this] { ++m_revision; };
    connect(this, &QAbstractItemModel::rowsInserted, this, grow);
    connect(this, &QAbstractItemModel::rowsAboutToBeRemoved, this, [this] { m_removingRows = true; });
    connect(this, &QAbstractItemModel::rowsRemoved, this, [this] {
        m_removingRows = false;
        ++m_revision;
    });
    connect(this, &QAbstractItemModel::modelReset, this, grow);
    connect(this, &QAbstractItemModel::layoutChanged, this, grow);
}

int EntryListModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_texts.size());
}

QVariant EntryListModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || !validRow(index.row()))
        return {};
    const QString &text = m_texts.at(index.row());
    const Item &item = m_items.at(index.row());
    switch (role) {
    case Qt::DisplayRole:
        return NativePath::forDisplay(text);
    case Qt::EditRole:
        return text;
    case Qt::DecorationRole:
        if (!m_icons)
            return {};
        if (item.icon == IconFromText)
            item.icon = m_icons->iconIndex(text);
        return item.icon >= 0 ? QVariant(m_icons->icon(item.icon)) : QVariant();
    case KindRole:
        return int(item.kind);
    case OnEditListRole:
        return item.onEditList;
    case MenuTargetRole:
        return index.row() == m_menuTarget;
    case PlayingRole:
        return index.row() == m_playing;
    case JobStateRole:
        return int(item.state);
    case IconIndexRole:
        if (m_icons && item.icon == IconFromText)
            item.icon = m_icons->iconIndex(text);
        return item.icon;
    default:
        return {};
    }
}

const QString &EntryListModel::text(int index) const
{
    static const QString none;
    return validRow(index) ? m_texts.at(index) : none;
}

ListEntry::Kind EntryListModel::kind(int index) const
{
    return validRow(index) ? m_items.at(index).kind : ListEntry::Kind::File;
}

int EntryListModel::addItem(const QString &text, ListEntry::Kind kind)
{
    int row = int(m_texts.size());
    if (m_sorted)
        row = int(std::upper_bound(m_texts.cbegin(), m_texts.cend(), text, textLess) - m_texts.cbegin());
    insertItem(text, row, kind);
    return row;
}

void EntryListModel::addItems(QStringList texts, ListEntry::Kind kind)
{
    addItems(std::move(texts), kind, -1);
}

void EntryListModel::addItems(QStringList texts, ListEntry::Kind kind, int iconIndex)
{
    if (texts.isEmpty())
        return;
    const Item added{iconIndex, kind};
    if (m_sorted) {
        // One sort and one merge instead of a search and a shift per entry.
        std::stable_sort(texts.begin(), texts.end(), textLess);
        beginResetModel();
        QStringList mergedTexts;
        QList<Item> mergedItems;
        mergedTexts.reserve(m_texts.size() + texts.size());
        mergedItems.reserve(m_texts.size() + texts.size());
        qsizetype old = 0;
        qsizetype add = 0;
        while (old < m_texts.size() || add < texts.size()) {
            // Of equal texts the one already listed comes first.
            if (add == texts.size() || (old < m_texts.size() && !textLess(texts.at(add), m_texts.at(old)))) {
                mergedTexts.append(std::move(m_texts[old]));
                mergedItems.append(m_items.at(old++));
            } else {
                mergedTexts.append(std::move(texts[add++]));
                mergedItems.append(added);
            }
        }
        m_texts = std::move(mergedTexts);
        m_items = std::move(mergedItems);
        m_firstRowValid = false;
        endResetModel();
        return;
    }
    const int first = int(m_texts.size());
    beginInsertRows(QModelIndex(), first, first + int(texts.size()) - 1);
    if (m_texts.isEmpty())
        m_texts = std::move(texts);
    else
        m_texts.append(std::move(texts));
    m_items.resize(m_texts.size(), added);
    if (m_firstRowValid) {
        for (int row = first; row < m_texts.size(); ++row)
            rememberFirst(m_texts.at(row), row);
    }
    endInsertRows();
}

void EntryListModel::insertItem(const QString &text, int index, ListEntry::Kind kind)
{
    const int row = qBound(0, index, int(m_texts.size()));
    beginInsertRows(QModelIndex(), row, row);
    m_texts.insert(row, text);
    m_items.insert(row, Item{-1, kind});
    if (row == m_texts.size() - 1 && m_firstRowValid)
        rememberFirst(text, row);
    else
        m_firstRowValid = false;
    endInsertRows();
}

void EntryListModel::removeItem(int index)
{
    if (!validRow(index))
        return;
    beginRemoveRows(QModelIndex(), index, index);
    m_texts.removeAt(index);
    m_items.removeAt(index);
    m_menuTarget = -1;
    if (m_playing == index)
        m_playing = -1;
    else if (m_playing > index)
        --m_playing;
    m_firstRowValid = false;
    endRemoveRows();
}

void EntryListModel::removeItems(QList<int> indexes)
{
    std::sort(indexes.begin(), indexes.end());
    indexes.erase(std::unique(indexes.begin(), indexes.end()), indexes.end());
    indexes.removeIf([this](int index) { return !validRow(index); });
    if (indexes.isEmpty())
        return;
    if (indexes.size() == 1) {
        removeItem(indexes.first());
        return;
    }
    beginResetModel();
    const int playing = m_playing;
    qsizetype next = 0;
    int kept = 0;
    m_playing = -1;
    for (int row = 0; row < m_texts.size(); ++row) {
        if (next < indexes.size() && indexes.at(next) == row) {
            ++next;
            continue;
        }
        if (row == playing)
            m_playing = kept;
        if (kept != row) {
            m_texts[kept] = std::move(m_texts[row]);
            m_items[kept] = m_items.at(row);
        }
        ++kept;
    }
    m_texts.resize(kept);
    m_items.resize(kept);
    m_menuTarget = -1;
    m_firstRowValid = false;
    endResetModel();
}

void EntryListModel::insertItems(int row, QStringList texts, ListEntry::Kind kind, int iconIndex)
{
    if (texts.isEmpty())
        return;
    row = qBound(0, row, int(m_texts.size()));
    const qsizetype count = texts.size();
    beginInsertRows(QModelIndex(), row, row + int(count) - 1);
    m_texts.insert(row, count, QString());
    std::move(texts.begin(), texts.end(), m_texts.begin() + row);
    m_items.insert(row, count, Item{iconIndex, kind});
    if (m_menuTarget >= row)
        m_menuTarget += int(count);
    if (m_playing >= row)
        m_playing += int(count);
    m_firstRowValid = false;
    endInsertRows();
}

void EntryListModel::mergeItems(int first, int count, QStringList texts, const QList<int> &places,
                                ListEntry::Kind kind, int iconIndex)
{
    const int end = first + count;
    const int added = int(texts.size());
    Q_ASSERT(places.isEmpty() || places.size() == added);
    insertItems(end, std::move(texts), kind, iconIndex);
    if (places.isEmpty() || added == 0)
        return;
    // Put in after the run first, then moved to their places in one change of layout: a view hears
    // of two changes however scattered the places are.
    Q_EMIT layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
    QStringList mergedTexts;
    QList<Item> mergedItems;
    mergedTexts.reserve(count + added);
    mergedItems.reserve(count + added);
    int old = 0;
    const auto takeOld = [&](int upTo) {
        for (; old < upTo; ++old) {
            mergedTexts.append(std::move(m_texts[first + old]));
            mergedItems.append(m_items.at(first + old));
        }
    };
    for (int i = 0; i < added; ++i) {
        takeOld(places.at(i));
        mergedTexts.append(std::move(m_texts[end + i]));
        mergedItems.append(m_items.at(end + i));
    }
    takeOld(count);
    std::move(mergedTexts.begin(), mergedTexts.end(), m_texts.begin() + first);
    std::copy(mergedItems.cbegin(), mergedItems.cend(), m_items.begin() + first);

    const auto moved = [&](int row) {
        if (row < first || row >= end + added)
            return row;
        if (row >= end)
            return first + places.at(row - end) + (row - end);
        return row + int(std::upper_bound(places.cbegin(), places.cend(), row - first) - places.cbegin());
    };
    const QModelIndexList from = persistentIndexList();
    QModelIndexList to;
    to.reserve(from.size());
    for (const QModelIndex &index : from)
        to.append(this->index(moved(index.row())));
    changePersistentIndexList(from, to);
    m_menuTarget = moved(m_menuTarget);
    m_playing = moved(m_playing);
    m_firstRowValid = false;
    Q_EMIT layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}

void EntryListModel::removeRuns(const QList<int> &rows)
{
    qsizetype end = rows.size();
    while (end > 0) {
        // The last run of neighbouring rows not yet taken away.
        qsizetype start = end - 1;
        while (start > 0 && rows.at(start - 1) == rows.at(start) - 1)
            --start;
        const int first = rows.at(start);
        const int last = rows.at(end - 1);
        end = start;
        if (!validRow(first) || !validRow(last))
            continue;
        beginRemoveRows(QModelIndex(), first, last);
        m_texts.remove(first, last - first + 1);
        m_items.remove(first, last - first + 1);
        for (int *row : {&m_menuTarget, &m_playing}) {
            if (*row > last)
                *row -= last - first + 1;
            else if (*row >= first)
                *row = -1;
        }
        m_firstRowValid = false;
        endRemoveRows();
    }
}

QList<ListEntry::Kind> EntryListModel::kinds() const
{
    QList<ListEntry::Kind> kinds;
    kinds.reserve(m_items.size());
    for (const Item &item : m_items)
        kinds.append(item.kind);
    return kinds;
}

void EntryListModel::clear()
{
    beginResetModel();
    m_texts.clear();
    m_items.clear();
    m_menuTarget = -1;
    m_playing = -1;
    m_firstRow.clear();
    // Filling the list again keeps no index; the first findItem builds it.
    m_firstRowValid = false;
    endResetModel();
}

int EntryListModel::findItem(const QString &text) const
{
    if (!m_firstRowValid) {
        m_firstRow.clear();
        m_firstRow.reserve(m_texts.size());
        for (int row = 0; row < m_texts.size(); ++row)
            rememberFirst(m_texts.at(row), row);
        m_firstRowValid = true;
    }
    return m_firstRow.value(text, -1);
}

bool EntryListModel::isOnEditList(int index) const
{
    return validRow(index) && m_items.at(index).onEditList;
}

void EntryListModel::setOnEditList(int index, bool on)
{
    if (validRow(index) && m_items.at(index).onEditList != on) {
        m_items[index].onEditList = on;
        changed(index, OnEditListRole);
    }
}

void EntryListModel::setMenuTarget(int index)
{
    clearMenuTarget();
    if (validRow(index)) {
        m_menuTarget = index;
        changed(index, MenuTargetRole);
    }
}

void EntryListModel::clearMenuTarget()
{
    const int previous = std::exchange(m_menuTarget, -1);
    if (validRow(previous))
        changed(previous, MenuTargetRole);
}

void EntryListModel::setPlaying(int index)
{
    const int previous = std::exchange(m_playing, validRow(index) ? index : -1);
    if (previous == m_playing)
        return;
    if (validRow(previous))
        changed(previous, PlayingRole);
    if (validRow(m_playing))
        changed(m_playing, PlayingRole);
}

void EntryListModel::setText(int index, const QString &text)
{
    if (!validRow(index) || m_texts.at(index) == text)
        return;
    m_texts[index] = text;
    m_items[index].icon = IconFromText;
    m_firstRowValid = false;
    ++m_revision;
    const QModelIndex at = this->index(index);
    Q_EMIT dataChanged(at, at, {Qt::DisplayRole, Qt::EditRole, Qt::DecorationRole, IconIndexRole});
}

ListEntry::JobState EntryListModel::jobState(int index) const
{
    return validRow(index) ? m_items.at(index).state : ListEntry::JobState::Normal;
}

void EntryListModel::setJobState(int index, ListEntry::JobState state)
{
    if (validRow(index) && m_items.at(index).state != state) {
        m_items[index].state = state;
        changed(index, JobStateRole);
    }
}

void EntryListModel::setItemIcon(int index, int iconIndex)
{
    if (validRow(index) && m_items.at(index).icon != iconIndex) {
        m_items[index].icon = iconIndex;
        changed(index, IconIndexRole);
    }
}

void EntryListModel::setOnEditList(const QList<int> &indexes, bool on)
{
    int first = int(m_texts.size());
    int last = -1;
    for (int index : indexes) {
        if (!validRow(index))
            continue;
        m_items[index].onEditList = on;
        first = qMin(first, index);
        last = qMax(last, index);
    }
    if (last >= first)
        Q_EMIT dataChanged(this->index(first), this->index(last), {OnEditListRole});
}

void EntryListModel::changed(int index, int role)
{
    const QModelIndex at = this->index(index);
    Q_EMIT dataChanged(at, at, {role});
}
