// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/TrashModule.h"

#include <QObject>

// The trash module: GIO writes the percent-encoded .trashinfo, uses the trash of the item's own
// volume, and answers with an error where the name is too long for a trash entry.
class GioTrash : public QObject, public TrashModule
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID "org.kestrove.TrashModule/1")
    Q_INTERFACES(TrashModule)

public:
    QString moveToTrash(const QByteArray &path) override;
};
