// SPDX-License-Identifier: GPL-3.0-or-later
#include "playback/MidiStream.h"

#include "playback/MidiRendering.h"

MidiStream::MidiStream(std::shared_ptr<MidiRendering> rendering) : m_rendering(std::move(rendering)) {}

qint64 MidiStream::read(char *into, quint64 count)
{
    const qint64 got =
        m_rendering->read(m_position, into, qint64(qMin<quint64>(count, 1 << 20)), m_abandoned);
    if (got > 0)
        m_position += got;
    return got;
}

bool MidiStream::seek(qint64 offset)
{
    if (offset < 0 || offset > m_rendering->size())
        return false;
    m_position = offset;
    return true;
}

qint64 MidiStream::size()
{
    return m_rendering->size();
}

void MidiStream::cancel()
{
    m_abandoned = true;
    m_rendering->wake();
}
