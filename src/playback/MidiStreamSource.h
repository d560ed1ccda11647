// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>
#include <memory>
#include <mutex>

class MidiRendering;
class MpvStream;

// The MIDI song being rendered while libmpv plays it, read through a stream protocol of the
// program's own. Each song offered gets an address of its own, so that a reader still asking for
// the song before finds nothing; libmpv holds the song while it reads it.
class MidiStreamSource
{
public:
    static constexpr char Protocol[] = "kestrove-midi";

    // Offers the rendering in place of the one before; returns the address libmpv opens it by.
    QString offer(std::shared_ptr<MidiRendering> rendering);
    // The song at the address, on libmpv's thread; none unless it is the one offered last.
    std::unique_ptr<MpvStream> open(const QByteArray &address);
    // An unfinished rendering whose song is no longer played stops and leaves nothing behind,
    // once the player's reader has let it go too.
    void end();
    // Why the synthesiser for the song offered could not be loaded; empty when it could.
    QString moduleFailure();

private:
    std::mutex m_lock;
    std::shared_ptr<MidiRendering> m_rendering;
    int m_number = 0;
};
