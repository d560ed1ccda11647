// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/ListEntry.h"

#include <QString>

// The list a copy, move or delete job works through: the entries, which of them the user
// selected, and where the job writes what it did with each.
class JobList
{
public:
    virtual ~JobList() = default;

    virtual int count() const = 0;
    virtual bool isSelected(int index) const = 0;
    virtual QString path(int index) const = 0;
    virtual void setPath(int index, const QString &path) = 0;
    virtual void setState(int index, ListEntry::JobState state) = 0;
};
