// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "integration/DefaultApplicationModule.h"
#include "platform/TrashModule.h"

#include <QObject>

// The GIO module. The trash: GIO writes the percent-encoded .trashinfo, uses the trash of the
// item's own volume, and answers with an error where the name is too long for a trash entry. The
// default applications: GIO's own choice, the one file managers and "gio open" follow.
class GioModule : public QObject, public TrashModule, public DefaultApplicationModule
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID "org.kestrove.GioModule/1")
    Q_INTERFACES(TrashModule DefaultApplicationModule)

public:
    QString moveToTrash(const QByteArray &path) override;
    QString defaultApplication(const QString &mimeType) override;
};
