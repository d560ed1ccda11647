// SPDX-License-Identifier: GPL-3.0-or-later
#include "mainwindow/ListAdvance.h"

#include "browse/EntryListModel.h"
#include "browse/EntryListView.h"

ListAdvance::ListAdvance(EntryListView &view, std::function<void(int)> choose)
    : m_view(view), m_choose(std::move(choose))
{
}

int ListAdvance::count() const
{
    return m_view.items()->count();
}

int ListAdvance::current() const
{
    return m_view.currentRow();
}

bool ListAdvance::isFile(int row) const
{
    return m_view.items()->kind(row) == ListEntry::Kind::File;
}

void ListAdvance::choose(int row)
{
    m_choose(row);
}
