// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/Trash.h"

#include <QString>

// The freedesktop.org trash, through GIO in the trash module (loaded when the first item is trashed).
class FreedesktopTrash : public Trash
{
public:
    int moveToTrash(const QString &path) override;
    QString lastFailure() const override { return m_lastFailure; }

    // The longest name the trash takes: GIO writes a name's trash entry through a temporary file
    // 17 bytes longer, and for longer names reports success with an empty entry, from which the
    // item could never be restored. A name already in the trash gets a number (".2" up to ".99"
    // for the 99th item of that name) before its first dot, which the limit leaves room for; past
    // that the entry is checked and a trashed item without a whole entry is put back.
    static constexpr qsizetype LongestName = 255 - 17 - 3;

private:
    QString m_lastFailure;
};
