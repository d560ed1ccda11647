// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>
#include <QtPlugin>

// What the trash module offers: the freedesktop.org trash as the desktop's file library keeps it.
class TrashModule
{
public:
    virtual ~TrashModule() = default;

    // Moves the file or folder named by these bytes to the trash of its volume: empty when it is
    // there, else why it is not (the item then stays where it was).
    virtual QString moveToTrash(const QByteArray &path) = 0;
};

Q_DECLARE_INTERFACE(TrashModule, "org.kestrove.TrashModule/1")
