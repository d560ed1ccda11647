// SPDX-License-Identifier: GPL-3.0-or-later
#include "editlist/EditListEntries.h"

#include "browse/EntryListModel.h"

#include <QItemSelectionModel>

int EditListEntries::count() const
{
    return m_model.count();
}

bool EditListEntries::isSelected(int index) const
{
    return m_selection.isSelected(m_model.index(index));
}

QString EditListEntries::path(int index) const
{
    return m_model.text(index);
}

void EditListEntries::setPath(int index, const QString &path)
{
    m_model.setText(index, path);
}

void EditListEntries::setState(int index, ListEntry::JobState state)
{
    m_model.setJobState(index, state);
}
