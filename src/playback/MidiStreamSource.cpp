// SPDX-License-Identifier: GPL-3.0-or-later
#include "playback/MidiStreamSource.h"

#include "playback/MidiRendering.h"
#include "playback/MidiStream.h"

QString MidiStreamSource::offer(std::shared_ptr<MidiRendering> rendering)
{
    int number = 0;
    {
        std::lock_guard guard(m_lock);
        m_rendering = std::move(rendering);
        number = ++m_number;
    }
    return QStringLiteral("%1://%2").arg(QLatin1String(Protocol)).arg(number);
}

std::unique_ptr<MpvStream> MidiStreamSource::open(const QByteArray &address)
{
    const QByteArray prefix = QByteArray(Protocol) + "://";
    bool ok = false;
    const int number = address.startsWith(prefix) ? address.mid(prefix.size()).toInt(&ok) : 0;
    std::lock_guard guard(m_lock);
    if (!ok || number != m_number || !m_rendering)
        return nullptr;
    return std::make_unique<MidiStream>(m_rendering);
}

void MidiStreamSource::end()
{
    std::lock_guard guard(m_lock);
    m_rendering.reset();
}

QString MidiStreamSource::moduleFailure()
{
    std::lock_guard guard(m_lock);
    return m_rendering ? m_rendering->moduleFailure() : QString();
}
