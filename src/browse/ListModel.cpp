#include "ListModel.h"

#include "SystemImageList.h"

#include <QBrush>
#include <algorithm>

namespace {

bool textLess(const QString &a, const QString &b)
{
    return a.compare(b, Qt::CaseInsensitive) < 0;
}

} // namespace

void ListModel::rememberFirst(const QString &text, int row) const
{
    if (!m_firstRow.contains(text))
        m_firstRow.insert(text, row);
}

ListModel::ListModel(QObject *parent) : QAbstractListModel(parent) {}

int ListModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_entries.size());
}

QVariant ListModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || !validRow(index.row()))
        return {};
    const Item &item = m_entries.at(index.row());
    switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole:
        return item.text;
    case Qt::ForegroundRole:
        return item.fore.isValid() ? QVariant(QBrush(item.fore)) : QVariant();
    case Qt::DecorationRole:
        if (!m_icons)
            return {};
        if (item.icon == IconFromText)
            item.icon = m_icons->ItemIndex(item.text);
        return item.icon >= 0 ? QVariant(m_icons->icon(item.icon)) : QVariant();
    case Qt::BackgroundRole:
        return item.back.isValid() ? QVariant(QBrush(item.back)) : QVariant();
    case KindRole:
        return int(item.kind);
    case ValueRole:
        return item.value;
    case IconIndexRole:
        if (m_icons && item.icon == IconFromText)
            item.icon = m_icons->ItemIndex(item.text);
        return item.icon;
    default:
        return {};
    }
}

QString ListModel::List(int index) const
{
    return validRow(index) ? m_entries.at(index).text : QString();
}

ListEntry::Kind ListModel::kind(int index) const
{
    return validRow(index) ? m_entries.at(index).kind : ListEntry::Kind::File;
}

int ListModel::AddItem(const QString &text, ListEntry::Kind kind)
{
    int row = int(m_entries.size());
    if (m_sorted) {
        const auto position =
            std::upper_bound(m_entries.cbegin(), m_entries.cend(), text,
                             [](const QString &t, const Item &item) { return textLess(t, item.text); });
        row = int(position - m_entries.cbegin());
    }
    InsertItem(text, row, kind);
    return row;
}

void ListModel::AddItems(const QStringList &texts, ListEntry::Kind kind)
{
    AddItems(texts, kind, -1);
}

void ListModel::AddItems(const QStringList &texts, ListEntry::Kind kind, int iconIndex)
{
    if (texts.isEmpty())
        return;
    if (m_sorted) {
        // One sort and one merge instead of a search and a shift per entry.
        QList<Item> added;
        added.reserve(texts.size());
        for (const QString &text : texts)
            added.append(Item{text, kind, {}, {}, 0, iconIndex});
        auto less = [](const Item &a, const Item &b) { return textLess(a.text, b.text); };
        std::stable_sort(added.begin(), added.end(), less);
        beginResetModel();
        QList<Item> merged;
        merged.reserve(m_entries.size() + added.size());
        std::merge(m_entries.cbegin(), m_entries.cend(), added.cbegin(), added.cend(),
                   std::back_inserter(merged), less);
        m_entries = std::move(merged);
        m_firstRowValid = false;
        endResetModel();
        return;
    }
    const int first = int(m_entries.size());
    beginInsertRows(QModelIndex(), first, first + int(texts.size()) - 1);
    m_entries.reserve(first + texts.size());
    for (const QString &text : texts)
        m_entries.append(Item{text, kind, {}, {}, 0, iconIndex});
    if (m_firstRowValid) {
        for (int i = 0; i < texts.size(); ++i)
            rememberFirst(texts.at(i), first + i);
    }
    endInsertRows();
}

void ListModel::InsertItem(const QString &text, int index, ListEntry::Kind kind)
{
    const int row = qBound(0, index, int(m_entries.size()));
    beginInsertRows(QModelIndex(), row, row);
    m_entries.insert(row, Item{text, kind, {}, {}, 0, -1});
    if (row == m_entries.size() - 1 && m_firstRowValid)
        rememberFirst(text, row);
    else
        m_firstRowValid = false;
    endInsertRows();
}

void ListModel::RemoveItem(int index)
{
    if (!validRow(index))
        return;
    beginRemoveRows(QModelIndex(), index, index);
    m_entries.removeAt(index);
    m_firstRowValid = false;
    endRemoveRows();
}

void ListModel::Clear()
{
    beginResetModel();
    m_entries.clear();
    m_firstRow.clear();
    // Filling the list again keeps no index; the first FindItem builds it.
    m_firstRowValid = false;
    endResetModel();
}

int ListModel::FindItem(const QString &text) const
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

QColor ListModel::ItemForeColor(int index) const
{
    if (!validRow(index))
        return {};
    const QColor &fore = m_entries.at(index).fore;
    return fore.isValid() ? fore : QColor(Qt::black);
}

void ListModel::setItemForeColor(int index, const QColor &color)
{
    if (validRow(index) && m_entries[index].fore != color) {
        m_entries[index].fore = color;
        changed(index, Qt::ForegroundRole);
    }
}

void ListModel::setItemBackColor(int index, const QColor &color)
{
    if (validRow(index) && m_entries[index].back != color) {
        m_entries[index].back = color;
        changed(index, Qt::BackgroundRole);
    }
}

void ListModel::setItemValue(int index, int value)
{
    if (validRow(index) && m_entries[index].value != value) {
        m_entries[index].value = value;
        changed(index, ValueRole);
    }
}

void ListModel::setItemIcon(int index, int iconIndex)
{
    if (validRow(index) && m_entries[index].icon != iconIndex) {
        m_entries[index].icon = iconIndex;
        changed(index, IconIndexRole);
    }
}

void ListModel::setItemForeColors(const QList<int> &indexes, const QColor &color)
{
    int first = int(m_entries.size());
    int last = -1;
    for (int index : indexes) {
        if (!validRow(index))
            continue;
        m_entries[index].fore = color;
        first = qMin(first, index);
        last = qMax(last, index);
    }
    if (last >= first)
        Q_EMIT dataChanged(this->index(first), this->index(last), {Qt::ForegroundRole});
}

void ListModel::changed(int index, int role)
{
    const QModelIndex at = this->index(index);
    Q_EMIT dataChanged(at, at, {role});
}
