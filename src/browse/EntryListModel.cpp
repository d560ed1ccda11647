// SPDX-License-Identifier: GPL-3.0-or-later
#include "EntryListModel.h"

#include "FileIconProvider.h"
#include "NativePath.h"

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

EntryListModel::EntryListModel(QObject *parent) : QAbstractListModel(parent) {}

int EntryListModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_entries.size());
}

QVariant EntryListModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || !validRow(index.row()))
        return {};
    const Item &item = m_entries.at(index.row());
    switch (role) {
    case Qt::DisplayRole:
        return NativePath::forDisplay(item.text);
    case Qt::EditRole:
        return item.text;
    case Qt::DecorationRole:
        if (!m_icons)
            return {};
        if (item.icon == IconFromText)
            item.icon = m_icons->iconIndex(item.text);
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
            item.icon = m_icons->iconIndex(item.text);
        return item.icon;
    default:
        return {};
    }
}

const QString &EntryListModel::text(int index) const
{
    static const QString none;
    return validRow(index) ? m_entries.at(index).text : none;
}

ListEntry::Kind EntryListModel::kind(int index) const
{
    return validRow(index) ? m_entries.at(index).kind : ListEntry::Kind::File;
}

int EntryListModel::addItem(const QString &text, ListEntry::Kind kind)
{
    int row = int(m_entries.size());
    if (m_sorted) {
        const auto position =
            std::upper_bound(m_entries.cbegin(), m_entries.cend(), text,
                             [](const QString &t, const Item &item) { return textLess(t, item.text); });
        row = int(position - m_entries.cbegin());
    }
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
    if (m_sorted) {
        // One sort and one merge instead of a search and a shift per entry.
        QList<Item> added;
        added.reserve(texts.size());
        for (QString &text : texts)
            added.append(Item{std::move(text), kind, false, iconIndex});
        auto less = [](const Item &a, const Item &b) { return textLess(a.text, b.text); };
        std::stable_sort(added.begin(), added.end(), less);
        beginResetModel();
        QList<Item> merged;
        merged.reserve(m_entries.size() + added.size());
        std::merge(std::make_move_iterator(m_entries.begin()), std::make_move_iterator(m_entries.end()),
                   std::make_move_iterator(added.begin()), std::make_move_iterator(added.end()),
                   std::back_inserter(merged), less);
        m_entries = std::move(merged);
        m_firstRowValid = false;
        endResetModel();
        return;
    }
    const int first = int(m_entries.size());
    beginInsertRows(QModelIndex(), first, first + int(texts.size()) - 1);
    m_entries.reserve(first + texts.size());
    for (QString &text : texts)
        m_entries.append(Item{std::move(text), kind, false, iconIndex});
    if (m_firstRowValid) {
        for (int row = first; row < m_entries.size(); ++row)
            rememberFirst(m_entries.at(row).text, row);
    }
    endInsertRows();
}

void EntryListModel::insertItem(const QString &text, int index, ListEntry::Kind kind)
{
    const int row = qBound(0, index, int(m_entries.size()));
    beginInsertRows(QModelIndex(), row, row);
    m_entries.insert(row, Item{text, kind, false, -1});
    if (row == m_entries.size() - 1 && m_firstRowValid)
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
    m_entries.removeAt(index);
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
    for (int row = 0; row < m_entries.size(); ++row) {
        if (next < indexes.size() && indexes.at(next) == row) {
            ++next;
            continue;
        }
        if (row == playing)
            m_playing = kept;
        if (kept != row)
            m_entries[kept] = std::move(m_entries[row]);
        ++kept;
    }
    m_entries.resize(kept);
    m_menuTarget = -1;
    m_firstRowValid = false;
    endResetModel();
}

void EntryListModel::clear()
{
    beginResetModel();
    m_entries.clear();
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
        m_firstRow.reserve(m_entries.size());
        for (int row = 0; row < m_entries.size(); ++row)
            rememberFirst(m_entries.at(row).text, row);
        m_firstRowValid = true;
    }
    return m_firstRow.value(text, -1);
}

bool EntryListModel::isOnEditList(int index) const
{
    return validRow(index) && m_entries.at(index).onEditList;
}

void EntryListModel::setOnEditList(int index, bool on)
{
    if (validRow(index) && m_entries[index].onEditList != on) {
        m_entries[index].onEditList = on;
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
    if (!validRow(index) || m_entries.at(index).text == text)
        return;
    m_entries[index].text = text;
    m_entries[index].icon = IconFromText;
    m_firstRowValid = false;
    const QModelIndex at = this->index(index);
    Q_EMIT dataChanged(at, at, {Qt::DisplayRole, Qt::EditRole, Qt::DecorationRole, IconIndexRole});
}

ListEntry::JobState EntryListModel::jobState(int index) const
{
    return validRow(index) ? m_entries.at(index).state : ListEntry::JobState::Normal;
}

void EntryListModel::setJobState(int index, ListEntry::JobState state)
{
    if (validRow(index) && m_entries.at(index).state != state) {
        m_entries[index].state = state;
        changed(index, JobStateRole);
    }
}

void EntryListModel::setItemIcon(int index, int iconIndex)
{
    if (validRow(index) && m_entries[index].icon != iconIndex) {
        m_entries[index].icon = iconIndex;
        changed(index, IconIndexRole);
    }
}

void EntryListModel::setOnEditList(const QList<int> &indexes, bool on)
{
    int first = int(m_entries.size());
    int last = -1;
    for (int index : indexes) {
        if (!validRow(index))
            continue;
        m_entries[index].onEditList = on;
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
