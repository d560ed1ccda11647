// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "playback/MpvStream.h"

#include <atomic>
#include <memory>

class MidiRendering;

// One reading of a song being rendered, by libmpv while the song grows.
class MidiStream : public MpvStream
{
public:
    explicit MidiStream(std::shared_ptr<MidiRendering> rendering);

    qint64 read(char *into, quint64 count) override;
    bool seek(qint64 offset) override;
    qint64 size() override;
    void cancel() override;

private:
    std::shared_ptr<MidiRendering> m_rendering;
    qint64 m_position = 0;
    std::atomic_bool m_abandoned{false};
};
