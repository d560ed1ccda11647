// SPDX-License-Identifier: GPL-3.0-or-later
#include "browse/EntryListView.h"

#include "browse/EntryDelegate.h"
#include "browse/EntryListModel.h"
#include "browse/ListThumbnails.h"
#include "platform/FileIconProvider.h"

#include <QContextMenuEvent>
#include <QMouseEvent>
#include <utility>

EntryListView::EntryListView(QWidget *parent) : QListView(parent), m_model(new EntryListModel(this))
{
    setModel(m_model);
    setItemDelegate(new EntryDelegate(this));
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setUniformItemSizes(true);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setIconSize(QSize(FileIconProvider::DrawnSide, FileIconProvider::DrawnSide));
}

void EntryListView::setRowsFitWidth(bool on)
{
    m_rowsFitWidth = on;
    setTextElideMode(on ? Qt::ElideMiddle : Qt::ElideRight);
    setHorizontalScrollBarPolicy(on ? Qt::ScrollBarAlwaysOff : Qt::ScrollBarAsNeeded);
    setResizeMode(on ? QListView::Adjust : QListView::Fixed);
    giveRowsTheirWidth();
}

void EntryListView::showThumbnails(ListThumbnails *thumbnails)
{
    if (auto *delegate = qobject_cast<EntryDelegate *>(itemDelegate()))
        delegate->setThumbnails(thumbnails);
    const int side = thumbnails ? thumbnails->side() : FileIconProvider::DrawnSide;
    setIconSize(QSize(side, side));
    // The rows change height under the scroll position: the current row is kept in sight.
    if (currentIndex().isValid())
        scrollTo(currentIndex());
}

void EntryListView::giveRowsTheirWidth()
{
    if (auto *delegate = qobject_cast<EntryDelegate *>(itemDelegate())) {
        delegate->setRowWidth(m_rowsFitWidth ? viewport()->width() : 0);
        delegate->setTextsArePaths(m_rowsFitWidth);
    }
}

void EntryListView::resizeEvent(QResizeEvent *event)
{
    if (m_rowsFitWidth)
        giveRowsTheirWidth();
    QListView::resizeEvent(event);
}

int EntryListView::currentRow() const
{
    // The view gives a list gaining the focus a current entry without selecting it; only a
    // selected current entry counts.
    const QModelIndex current = currentIndex();
    return current.isValid() && selectionModel()->isSelected(current) ? current.row() : -1;
}

void EntryListView::setCurrentRow(int index)
{
    if (index < 0 || index >= m_model->count()) {
        clearSelection();
        setCurrentIndex(QModelIndex());
        return;
    }
    const QModelIndex at = m_model->index(index);
    selectionModel()->setCurrentIndex(at, QItemSelectionModel::ClearAndSelect);
    scrollTo(at);
}

bool EntryListView::isRowSelected(int index) const
{
    return selectionModel()->isSelected(m_model->index(index));
}

void EntryListView::setRowSelected(int index, bool selected)
{
    const QModelIndex at = m_model->index(index);
    if (at.isValid())
        selectionModel()->select(at, selected ? QItemSelectionModel::Select : QItemSelectionModel::Deselect);
}

void EntryListView::selectRange(bool selected, int first, int last)
{
    first = qMax(0, first);
    last = qMin(last, m_model->count() - 1);
    if (first > last)
        return;
    const QItemSelection range(m_model->index(first), m_model->index(last));
    selectionModel()->select(range, selected ? QItemSelectionModel::Select : QItemSelectionModel::Deselect);
}

int EntryListView::rowAt(const QPoint &point) const
{
    const QModelIndex at = indexAt(point);
    return at.isValid() ? at.row() : -1;
}

void EntryListView::mousePressEvent(QMouseEvent *event)
{
    if (m_contextMenu && event->button() == Qt::RightButton) {
        m_rightPressed = true;
        event->accept();
        return;
    }
    // The view would make the entry current before selecting it, and a current entry that is not
    // selected does not count: a click selects and makes current in one step, as the keys do.
    int again = -1;
    if (event->button() == Qt::LeftButton && selectionMode() == QAbstractItemView::SingleSelection) {
        const QModelIndex index = indexAt(event->position().toPoint());
        if (index.isValid()) {
            if (index == currentIndex())
                again = index.row();
            selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect);
        }
    }
    QListView::mousePressEvent(event);
    if (again >= 0)
        Q_EMIT chosenAgain(again);
}

void EntryListView::mouseReleaseEvent(QMouseEvent *event)
{
    if (m_contextMenu && event->button() == Qt::RightButton) {
        event->accept();
        if (std::exchange(m_rightPressed, false))
            Q_EMIT contextMenuAt(event->position().toPoint());
        return;
    }
    QListView::mouseReleaseEvent(event);
}

void EntryListView::contextMenuEvent(QContextMenuEvent *event)
{
    const QRect current = visualRect(currentIndex());
    if (m_contextMenu && event->reason() == QContextMenuEvent::Keyboard && current.isValid()) {
        event->accept();
        Q_EMIT contextMenuAt(current.center());
        return;
    }
    QListView::contextMenuEvent(event);
}
