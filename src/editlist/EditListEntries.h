// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "editlist/JobList.h"

class EntryListModel;
class QItemSelectionModel;

// The EditList window's list as a job sees it: its entries and the user's selection.
class EditListEntries : public JobList
{
public:
    EditListEntries(EntryListModel &model, const QItemSelectionModel &selection)
        : m_model(model), m_selection(selection)
    {
    }

    int count() const override;
    bool isSelected(int index) const override;
    QString path(int index) const override;
    void setPath(int index, const QString &path) override;
    void setState(int index, ListEntry::JobState state) override;

private:
    EntryListModel &m_model;
    const QItemSelectionModel &m_selection;
};
