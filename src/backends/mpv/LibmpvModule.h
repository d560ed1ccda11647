// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "playback/MpvModule.h"

#include <QObject>

// The mpv module.
class LibmpvModule : public QObject, public MpvModule
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID "org.kestrove.MpvModule/2")
    Q_INTERFACES(MpvModule)

public:
    std::unique_ptr<MpvEngine> createEngine(const QList<std::pair<QByteArray, QByteArray>> &options) override;
    QImage frame(const QByteArray &path, double fraction, QDeadlineTimer deadline) override;
};
