// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "playback/MpvEngine.h"

#include <QByteArray>
#include <QDeadlineTimer>
#include <QImage>
#include <QList>
#include <QtPlugin>
#include <memory>
#include <utility>

// What the mpv module offers: players over libmpv.
class MpvModule
{
public:
    virtual ~MpvModule() = default;

    // A started player with these options (name, value) set before it starts; nothing when
    // libmpv cannot start.
    virtual std::unique_ptr<MpvEngine>
    createEngine(const QList<std::pair<QByteArray, QByteArray>> &options) = 0;
    // The frame at the fraction of the medium's length, a song's cover for a song; a null picture
    // when there is none by the deadline. Safe to call from any thread.
    virtual QImage frame(const QByteArray &path, double fraction, QDeadlineTimer deadline) = 0;
};

Q_DECLARE_INTERFACE(MpvModule, "org.kestrove.MpvModule/2")
