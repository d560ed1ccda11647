// SPDX-License-Identifier: GPL-3.0-or-later
#include "MidiRenderer.h"

#include "NativePath.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <QStandardPaths>
#include <QtEndian>
#include <fluidsynth.h>
#include <memory>
#include <sys/stat.h>

namespace MidiRenderer {

namespace {

constexpr int SampleRate = 44100;
constexpr int Block = 4096;
// A song longer than this is cut: the rendering must stay a file of sensible size.
constexpr qint64 MaxSeconds = 60 * 60;

QByteArray waveHeader(quint32 dataBytes)
{
    QByteArray header(44, '\0');
    char *h = header.data();
    std::memcpy(h, "RIFF", 4);
    qToLittleEndian<quint32>(36 + dataBytes, h + 4);
    std::memcpy(h + 8, "WAVEfmt ", 8);
    qToLittleEndian<quint32>(16, h + 16);
    qToLittleEndian<quint16>(1, h + 20);
    qToLittleEndian<quint16>(2, h + 22);
    qToLittleEndian<quint32>(SampleRate, h + 24);
    qToLittleEndian<quint32>(SampleRate * 4, h + 28);
    qToLittleEndian<quint16>(4, h + 32);
    qToLittleEndian<quint16>(16, h + 34);
    std::memcpy(h + 36, "data", 4);
    qToLittleEndian<quint32>(dataBytes, h + 40);
    return header;
}

struct Synth
{
    fluid_settings_t *settings = new_fluid_settings();
    fluid_synth_t *synth = nullptr;
    fluid_player_t *player = nullptr;
    ~Synth()
    {
        if (player)
            delete_fluid_player(player);
        if (synth)
            delete_fluid_synth(synth);
        delete_fluid_settings(settings);
    }
};

} // namespace

bool isMidi(const QString &path)
{
    return path.endsWith(QLatin1String(".mid"), Qt::CaseInsensitive) ||
           path.endsWith(QLatin1String(".midi"), Qt::CaseInsensitive);
}

QString soundFont()
{
    for (const char *candidate :
         {"/usr/share/sounds/sf2/default-GM.sf2", "/usr/share/sounds/sf2/TimGM6mb.sf2",
          "/usr/share/sounds/sf2/FluidR3_GM.sf2"}) {
        if (QFile::exists(QLatin1String(candidate)))
            return QLatin1String(candidate);
    }
    return {};
}

QString renderingOf(const QString &midiPath)
{
    const QByteArray bytes = NativePath::toBytes(midiPath);
    struct stat info = {};
    ::stat(bytes.constData(), &info);
    const QByteArray key = bytes + '\0' + QByteArray::number(qint64(info.st_size)) + '\0' +
                           QByteArray::number(qint64(info.st_mtime));
    const QString folder = QDir(QStandardPaths::writableLocation(QStandardPaths::CacheLocation))
                               .filePath(QStringLiteral("midi"));
    return QDir(folder).filePath(
        QString::fromLatin1(QCryptographicHash::hash(key, QCryptographicHash::Sha1).toHex()) +
        QStringLiteral(".wav"));
}

QString render(const QString &midiPath, const QString &wavePath, const std::atomic_bool &cancelled)
{
    if (QFile::exists(wavePath))
        return {};
    const QString font = soundFont();
    if (font.isEmpty())
        return QStringLiteral("no General MIDI sound font is installed");
    Synth song;
    // The song is timed by the samples rendered, not by the clock: it renders as fast as it can.
    fluid_settings_setstr(song.settings, "player.timing-source", "sample");
    fluid_settings_setint(song.settings, "synth.lock-memory", 0);
    fluid_settings_setnum(song.settings, "synth.sample-rate", SampleRate);
    song.synth = new_fluid_synth(song.settings);
    if (!song.synth || fluid_synth_sfload(song.synth, font.toLocal8Bit().constData(), 1) == FLUID_FAILED)
        return QStringLiteral("the sound font cannot be loaded");
    song.player = new_fluid_player(song.synth);
    const QByteArray file = NativePath::toBytes(midiPath);
    if (!song.player || fluid_player_add(song.player, file.constData()) != FLUID_OK ||
        fluid_player_play(song.player) != FLUID_OK)
        return QStringLiteral("it is not a MIDI song");

    QDir().mkpath(QFileInfo(wavePath).absolutePath());
    QSaveFile out(wavePath);
    if (!out.open(QIODevice::WriteOnly))
        return out.errorString();
    out.write(waveHeader(0));
    QByteArray block(Block * 4, '\0');
    qint64 frames = 0;
    // The player counts a few idle seconds past the last event before it calls itself done: the
    // song ends at its last tick, and a second more lets the last notes fade out.
    int tail = SampleRate / Block;
    while (frames < MaxSeconds * SampleRate) {
        // The song is read when the player first runs: until then its length is not known.
        const int lastTick = fluid_player_get_total_ticks(song.player);
        const bool playing = fluid_player_get_status(song.player) == FLUID_PLAYER_PLAYING &&
                             (lastTick <= 0 || fluid_player_get_current_tick(song.player) < lastTick);
        if (!playing && tail-- <= 0)
            break;
        if (cancelled)
            return QStringLiteral("cancelled");
        if (fluid_synth_write_s16(song.synth, Block, block.data(), 0, 2, block.data(), 1, 2) != FLUID_OK)
            return QStringLiteral("the song cannot be rendered");
        if (out.write(block) != block.size())
            return out.errorString();
        frames += Block;
    }
    if (frames <= Block * (SampleRate / Block) + Block)
        return QStringLiteral("the song holds no notes");
    out.seek(0);
    out.write(waveHeader(quint32(frames * 4)));
    return out.commit() ? QString() : out.errorString();
}

} // namespace MidiRenderer
