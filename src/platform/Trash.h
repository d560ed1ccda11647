// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// Sends files and folders to the desktop's trash, from where the user can restore them.
class Trash
{
public:
    virtual ~Trash() = default;

    // 0 when the item is in the trash; anything else is a failure and the item is where it was.
    virtual int moveToTrash(const QString &path) = 0;
    // Why the last item was not moved, in the system's words; empty when no reason is known.
    virtual QString lastFailure() const { return {}; }
};
