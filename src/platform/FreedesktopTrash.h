// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/Trash.h"

// The freedesktop.org trash, through GIO in the trash module (loaded when the first item is trashed).
class FreedesktopTrash : public Trash
{
public:
    int moveToTrash(const QString &path) override;
};
