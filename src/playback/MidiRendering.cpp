// SPDX-License-Identifier: GPL-3.0-or-later
#include "playback/MidiRendering.h"

#include "platform/ModuleLoader.h"
#include "platform/NativePath.h"
#include "playback/MidiCache.h"
#include "playback/MidiModule.h"
#include "playback/MidiRenderer.h"
#include "playback/MidiTiming.h"

#include <QDir>
#include <QFileInfo>
#include <QtEndian>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <optional>
#include <unistd.h>

namespace {

constexpr int SampleRate = 44100;
constexpr int FrameBytes = 4;
constexpr int Block = 4096;
constexpr int HeaderBytes = 44;
// The last notes fade out in the second after the last event.
constexpr qint64 FadeOutMs = 1000;
// Larger files are not songs.
constexpr qint64 MaxSongBytes = 64 * 1024 * 1024;

QByteArray waveHeader(quint32 dataBytes)
{
    QByteArray header(HeaderBytes, '\0');
    char *h = header.data();
    std::memcpy(h, "RIFF", 4);
    qToLittleEndian<quint32>(36 + dataBytes, h + 4);
    std::memcpy(h + 8, "WAVEfmt ", 8);
    qToLittleEndian<quint32>(16, h + 16);
    qToLittleEndian<quint16>(1, h + 20);
    qToLittleEndian<quint16>(2, h + 22);
    qToLittleEndian<quint32>(SampleRate, h + 24);
    qToLittleEndian<quint32>(SampleRate * FrameBytes, h + 28);
    qToLittleEndian<quint16>(FrameBytes, h + 32);
    qToLittleEndian<quint16>(16, h + 34);
    std::memcpy(h + 36, "data", 4);
    qToLittleEndian<quint32>(dataBytes, h + 40);
    return header;
}

// The size of the WAVE file of a song that long; none when it would not fit in the folder of kept
// renderings, which a song of a damaged or made-up file could fill many times over.
std::optional<qint64> waveSize(qint64 lengthMs)
{
    // Checked first: the frames of a longer song could pass what a qint64 holds.
    if (lengthMs > MidiCache::CapBytes / (SampleRate * FrameBytes) * 1000)
        return std::nullopt;
    const qint64 frames = (lengthMs + FadeOutMs) * SampleRate / 1000;
    const qint64 size = HeaderBytes + (frames + Block - 1) / Block * Block * FrameBytes;
    if (size > MidiCache::CapBytes)
        return std::nullopt;
    return size;
}

QByteArray readSong(const QString &path, QString &problem)
{
    FileDescriptor file;
    problem = file.openForReading(NativePath::toBytes(path));
    if (!problem.isEmpty())
        return {};
    QByteArray song;
    char chunk[65536];
    for (;;) {
        const ssize_t got = ::read(file.get(), chunk, sizeof chunk);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0) {
            problem = FileDescriptor::errorText(errno);
            return {};
        }
        if (got == 0)
            return song;
        song.append(chunk, got);
        if (song.size() > MaxSongBytes) {
            problem = QStringLiteral("it is not a MIDI song");
            return {};
        }
    }
}

} // namespace

MidiRendering::MidiRendering(const QString &midiPath, const QString &wavePath) : m_wavePath(wavePath)
{
    QString problem;
    QByteArray song = readSong(midiPath, problem);
    const std::optional<qint64> length = problem.isEmpty() ? MidiTiming::length(song) : std::nullopt;
    if (!problem.isEmpty()) {
        fail(problem);
        return;
    }
    if (!length) {
        fail(QStringLiteral("it is not a MIDI song"));
        return;
    }
    if (*length <= 0) {
        fail(QStringLiteral("the song holds no notes"));
        return;
    }
    const std::optional<qint64> size = waveSize(*length);
    if (!size) {
        fail(QStringLiteral("the song is too long: its sound would take more than the room for kept "
                            "renderings"));
        return;
    }
    if (MidiRenderer::soundFont().isEmpty()) {
        fail(QStringLiteral("no General MIDI sound font is installed"));
        return;
    }
    m_size = *size;

    const QString folder = QFileInfo(wavePath).absolutePath();
    QDir().mkpath(folder);
    if (const QString noRoom = MidiCache::makeRoom(folder, m_size); !noRoom.isEmpty()) {
        fail(noRoom);
        return;
    }
    QByteArray part = NativePath::toBytes(wavePath) + ".XXXXXX";
    m_writer.reset(::mkstemp(part.data()));
    if (!m_writer.valid()) {
        fail(FileDescriptor::errorText(errno));
        return;
    }
    m_partPath = NativePath::fromBytes(part);
    m_reader.reset(::open(part.constData(), O_RDONLY | O_CLOEXEC));
    const QByteArray header = waveHeader(quint32(m_size - HeaderBytes));
    if (!m_reader.valid() || !FileDescriptor::writeAll(m_writer.get(), header.constData(), header.size())) {
        fail(FileDescriptor::errorText(errno));
        return;
    }
    m_thread = std::thread([this, song = std::move(song)]() mutable { render(std::move(song)); });
}

MidiRendering::~MidiRendering()
{
    m_cancelled = true;
    if (m_thread.joinable())
        m_thread.join();
    if (!m_partPath.isEmpty())
        ::unlink(NativePath::toBytes(m_partPath).constData());
}

QString MidiRendering::problem() const
{
    std::lock_guard guard(m_lock);
    return m_problem;
}

QString MidiRendering::moduleFailure() const
{
    std::lock_guard guard(m_lock);
    return m_moduleFailure;
}

void MidiRendering::fail(const QString &problem)
{
    {
        std::lock_guard guard(m_lock);
        m_problem = problem;
        m_finished = true;
    }
    m_changed.notify_all();
}

void MidiRendering::render(QByteArray song)
{
    QString moduleFailure;
    MidiModule *module = ModuleLoader::load<MidiModule>(QStringLiteral("midi"), &moduleFailure);
    if (!module) {
        {
            std::lock_guard guard(m_lock);
            m_moduleFailure = moduleFailure;
        }
        fail(QStringLiteral("the MIDI synthesiser (FluidSynth) cannot be loaded: ") + moduleFailure);
        return;
    }
    const std::unique_ptr<MidiSynthesiser> synth = module->createSynthesiser(SampleRate);
    if (!synth) {
        fail(QStringLiteral("the MIDI synthesiser (FluidSynth) cannot be started"));
        return;
    }
    if (!synth->loadSoundFont(MidiRenderer::soundFont().toLocal8Bit())) {
        fail(QStringLiteral("the sound font cannot be loaded"));
        return;
    }
    if (!synth->loadSong(song)) {
        fail(QStringLiteral("it is not a MIDI song"));
        return;
    }
    // The header is read once the song is sure to sound: a song that cannot be rendered fails to
    // open, instead of opening as a file of silence that ends at once.
    {
        std::lock_guard guard(m_lock);
        m_rendered = HeaderBytes;
    }
    m_changed.notify_all();
    QByteArray block(Block * FrameBytes, '\0');
    for (qint64 at = HeaderBytes; at < m_size; at += block.size()) {
        if (m_cancelled) {
            fail(QStringLiteral("cancelled"));
            return;
        }
        // Past the song's end the synthesiser only lets the last notes fade.
        if (!synth->render(Block, block.data())) {
            fail(QStringLiteral("the song cannot be rendered"));
            return;
        }
        if (!FileDescriptor::writeAll(m_writer.get(), block.constData(), block.size())) {
            fail(FileDescriptor::errorText(errno));
            return;
        }
        {
            std::lock_guard guard(m_lock);
            m_rendered = at + block.size();
        }
        m_changed.notify_all();
    }
    if (!m_writer.close()) {
        fail(FileDescriptor::errorText(errno));
        return;
    }
    // Kept for the next time; a rendering finished first by another player stays.
    if (::link(NativePath::toBytes(m_partPath).constData(), NativePath::toBytes(m_wavePath).constData()) !=
            0 &&
        errno != EEXIST) {
        fail(FileDescriptor::errorText(errno));
        return;
    }
    {
        std::lock_guard guard(m_lock);
        m_finished = true;
    }
    m_changed.notify_all();
}

qint64 MidiRendering::read(qint64 offset, char *into, qint64 count, const std::atomic_bool &abandoned)
{
    if (offset < 0 || count < 0)
        return -1;
    if (offset >= m_size)
        return 0;
    count = std::min(count, m_size - offset);
    {
        std::unique_lock guard(m_lock);
        m_changed.wait(guard, [&] { return m_rendered > offset || m_finished || abandoned; });
        if (m_rendered <= offset)
            return -1;
        count = std::min(count, m_rendered - offset);
    }
    for (;;) {
        const ssize_t got = ::pread(m_reader.get(), into, size_t(count), offset);
        if (got < 0 && errno == EINTR)
            continue;
        return got;
    }
}

void MidiRendering::wake()
{
    {
        // Taken so that a reader between its test and its wait does not miss the call.
        std::lock_guard guard(m_lock);
    }
    m_changed.notify_all();
}

QString MidiRendering::wait()
{
    std::unique_lock guard(m_lock);
    m_changed.wait(guard, [&] { return m_finished; });
    return m_problem;
}
