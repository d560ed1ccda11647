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
        return m_icons && item.icon >= 0 ? QVariant(m_icons->icon(item.icon)) : QVariant();
    case Qt::BackgroundRole:
        return item.back.isValid() ? QVariant(QBrush(item.back)) : QVariant();
    case KindRole:
        return int(item.kind);
    case ValueRole:
        return item.value;
    case IconIndexRole:
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
    if (texts.isEmpty())
        return;
    if (m_sorted) {
        // One sort and one merge instead of a search and a shift per entry.
        QList<Item> added;
        added.reserve(texts.size());
        for (const QString &text : texts)
            added.append(Item{text, kind, {}, {}, 0, -1});
        auto less = [](const Item &a, const Item &b) { return textLess(a.text, b.text); };
        std::stable_sort(added.begin(), added.end(), less);
        beginResetModel();
        QList<Item> merged;
        merged.reserve(m_entries.size() + added.size());
        std::merge(m_entries.cbegin(), m_entries.cend(), added.cbegin(), added.cend(),
                   std::back_inserter(merged), less);
        m_entries = std::move(merged);
        for (const QString &text : texts)
            ++m_counts[text];
        m_firstRowValid = false;
        endResetModel();
        return;
    }
    const int first = int(m_entries.size());
    beginInsertRows(QModelIndex(), first, first + int(texts.size()) - 1);
    m_entries.reserve(first + texts.size());
    m_counts.reserve(m_counts.size() + texts.size());
    for (int i = 0; i < texts.size(); ++i) {
        const QString &text = texts.at(i);
        m_entries.append(Item{text, kind, {}, {}, 0, -1});
        if (m_counts[text]++ == 0 && m_firstRowValid)
            m_firstRow.insert(text, first + i);
    }
    endInsertRows();
}

void ListModel::AddItems(const QStringList &texts, ListEntry::Kind kind, const QList<int> &iconIndexes)
{
    const bool sorted = m_sorted;
    m_sorted = false;
    const int first = int(m_entries.size());
    AddItems(texts, kind);
    m_sorted = sorted;
    for (int i = 0; i < texts.size() && i < iconIndexes.size(); ++i)
        m_entries[first + i].icon = iconIndexes.at(i);
    if (!texts.isEmpty())
        Q_EMIT dataChanged(index(first), index(first + int(texts.size()) - 1),
                           {IconIndexRole, Qt::DecorationRole});
}

void ListModel::InsertItem(const QString &text, int index, ListEntry::Kind kind)
{
    const int row = qBound(0, index, int(m_entries.size()));
    beginInsertRows(QModelIndex(), row, row);
    m_entries.insert(row, Item{text, kind, {}, {}, 0, -1});
    const bool appended = row == m_entries.size() - 1;
    if (m_counts[text]++ == 0 && appended && m_firstRowValid)
        m_firstRow.insert(text, row);
    else if (!appended)
        m_firstRowValid = false;
    endInsertRows();
}

void ListModel::RemoveItem(int index)
{
    if (!validRow(index))
        return;
    beginRemoveRows(QModelIndex(), index, index);
    const QString text = m_entries.takeAt(index).text;
    forget(text);
    m_firstRowValid = false;
    endRemoveRows();
}

void ListModel::Clear()
{
    beginResetModel();
    m_entries.clear();
    m_counts.clear();
    m_firstRow.clear();
    m_firstRowValid = true;
    endResetModel();
}

int ListModel::FindItem(const QString &text) const
{
    if (!m_counts.contains(text))
        return -1;
    if (!m_firstRowValid) {
        m_firstRow.clear();
        m_firstRow.reserve(m_counts.size());
        for (int row = int(m_entries.size()) - 1; row >= 0; --row)
            m_firstRow.insert(m_entries.at(row).text, row);
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

void ListModel::forget(const QString &text)
{
    auto it = m_counts.find(text);
    if (it != m_counts.end() && --it.value() <= 0)
        m_counts.erase(it);
}

void ListModel::changed(int index, int role)
{
    const QModelIndex at = this->index(index);
    Q_EMIT dataChanged(at, at, {role});
}
