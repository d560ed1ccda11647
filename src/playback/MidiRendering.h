// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/FileDescriptor.h"

#include <QByteArray>
#include <QString>
#include <atomic>
#include <condition_variable>
#include <mutex>
#include <thread>

// A MIDI song turned into a WAVE file (16-bit stereo, 44.1 kHz) by a General MIDI synthesiser on a
// thread of its own. The song's playing time is read from its tracks first, so the file's size is
// known before its sound and the file can be read while it grows: playing starts with the first
// block. A finished rendering is kept under its final name, room made for it in the folder of kept
// renderings first (MidiCache); a cancelled or failed one leaves nothing behind.
class MidiRendering
{
public:
    // Starts rendering; problem() tells why a song cannot be rendered.
    MidiRendering(const QString &midiPath, const QString &wavePath);
    // Cancels an unfinished rendering.
    ~MidiRendering();
    MidiRendering(const MidiRendering &) = delete;
    MidiRendering &operator=(const MidiRendering &) = delete;

    // Why the song cannot be rendered; empty while all goes well.
    QString problem() const;
    // The module loader's words when the synthesiser's module could not be loaded; empty else.
    QString moduleFailure() const;
    // The size of the whole WAVE file in bytes.
    qint64 size() const { return m_size; }
    // Up to count bytes from offset, waiting until they are rendered: 0 past the end, -1 when the
    // rendering failed or the reader gave up (abandoned, then wake()).
    qint64 read(qint64 offset, char *into, qint64 count, const std::atomic_bool &abandoned);
    // Wakes the readers that wait, to look at their abandoned flags.
    void wake();
    // Waits for the end of the rendering; empty when it succeeded.
    QString wait();

private:
    void render(QByteArray song);
    void fail(const QString &problem);

    QString m_wavePath;
    QString m_partPath;
    FileDescriptor m_writer;
    FileDescriptor m_reader;
    qint64 m_size = 0;
    mutable std::mutex m_lock;
    std::condition_variable m_changed;
    qint64 m_rendered = 0;
    bool m_finished = false;
    QString m_problem;
    QString m_moduleFailure;
    std::atomic_bool m_cancelled{false};
    std::thread m_thread;
};
