#include "OwnerDrawList.h"

#include "ListModel.h"

OwnerDrawList::OwnerDrawList(QWidget *parent) : QListView(parent), m_model(new ListModel(this))
{
    setModel(m_model);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setUniformItemSizes(true);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setIconSize(QSize(16, 16));
}

int OwnerDrawList::ListIndex() const
{
    // The view gives a list gaining the focus a current entry without selecting it; only a
    // selected current entry counts.
    const QModelIndex current = currentIndex();
    return current.isValid() && selectionModel()->isSelected(current) ? current.row() : -1;
}

void OwnerDrawList::setListIndex(int index)
{
    if (index < 0 || index >= m_model->ListCount()) {
        clearSelection();
        setCurrentIndex(QModelIndex());
        return;
    }
    const QModelIndex at = m_model->index(index);
    selectionModel()->setCurrentIndex(at, QItemSelectionModel::ClearAndSelect);
    scrollTo(at);
}

bool OwnerDrawList::Selected(int index) const
{
    return selectionModel()->isSelected(m_model->index(index));
}

void OwnerDrawList::setSelected(int index, bool selected)
{
    const QModelIndex at = m_model->index(index);
    if (at.isValid())
        selectionModel()->select(at, selected ? QItemSelectionModel::Select : QItemSelectionModel::Deselect);
}

void OwnerDrawList::SelectRange(bool selected, int first, int last)
{
    first = qMax(0, first);
    last = qMin(last, m_model->ListCount() - 1);
    if (first > last)
        return;
    const QItemSelection range(m_model->index(first), m_model->index(last));
    selectionModel()->select(range, selected ? QItemSelectionModel::Select : QItemSelectionModel::Deselect);
}

int OwnerDrawList::ItemFromPoint(const QPoint &point) const
{
    const QModelIndex at = indexAt(point);
    return at.isValid() ? at.row() : -1;
}
