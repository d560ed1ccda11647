// SPDX-License-Identifier: GPL-3.0-or-later
#include "MpvIpc.h"
#include "playback/LevelMeterPicture.h"
#include "playback/MidiRenderer.h"
#include "playback/MpvPlayer.h"
#include "playback/PlayRoutine.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QTimer>
#include <QtEndian>
#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

QByteArray bigEndian32(quint32 value)
{
    QByteArray bytes(4, '\0');
    qToBigEndian(value, bytes.data());
    return bytes;
}

// A three-minute song of eight instruments: a chord every half second and a melody note every
// eighth of a second, the way a typical General MIDI song keeps the synthesiser busy.
QByteArray typicalSong()
{
    QByteArray track;
    for (int channel = 0; channel < 8; ++channel)
        track += QByteArray("\x00", 1) + char(0xc0 | channel) + char(channel * 8);
    // An eighth is 240 ticks (480 a quarter note at 120 beats a minute), written as a variable-length
    // number.
    const QByteArray eighthLater("\x81\x70", 2);
    for (int eighth = 0; eighth < 3 * 60 * 4; ++eighth) {
        const char melody = char(60 + (eighth * 7) % 24);
        track += QByteArray("\x00", 1) + char(0x90) + melody + char(100);
        if (eighth % 4 == 0) {
            for (int channel = 1; channel < 8; ++channel)
                track += QByteArray("\x00", 1) + char(0x90 | channel) + char(36 + channel * 5) + char(80);
        }
        track += eighthLater + char(0x80) + melody + char(0);
        if (eighth % 4 == 3) {
            for (int channel = 1; channel < 8; ++channel)
                track += QByteArray("\x00", 1) + char(0x80 | channel) + char(36 + channel * 5) + char(0);
        }
    }
    track += QByteArray("\x00\xff\x2f\x00", 4);
    return QByteArray("MThd\0\0\0\x06\0\0\0\x01\x01\xe0", 14) + "MTrk" + bigEndian32(quint32(track.size())) +
           track;
}

// A chosen file plays from its start, as the first file of a session does.
PlayRoutine::Options fromTheStart()
{
    PlayRoutine::Options options;
    options.autoPlayAtStart = true;
    options.rememberPosition = false;
    return options;
}

// Lets the events of a tenth of a second pass. Each open is timed from rest on both sides: mpv's
// program is idle again before its next loadfile, and libmpv closes the file before on its own
// thread, which the next open would otherwise wait behind.
void rest()
{
    QEventLoop loop;
    QTimer::singleShot(100, &loop, &QEventLoop::quit);
    loop.exec();
}

// Runs the play routine on the file until the loop is told to quit, in microseconds; -1 when ten
// seconds pass first.
qint64 timePlay(PlayRoutine &routine, const QString &path, QEventLoop &loop)
{
    QTimer::singleShot(10000, &loop, [&loop] { loop.exit(1); });
    QElapsedTimer clock;
    clock.start();
    routine.play(path, fromTheStart());
    const bool playing = loop.exec() == 0;
    const qint64 micro = clock.nsecsElapsed() / 1000;
    routine.close();
    rest();
    return playing ? micro : -1;
}

// The play routine on a file, from choosing it until it plays from its start, in microseconds.
// The routine opens the file paused and unpauses it once it has opened; it is done when the
// position first moves on while it plays: sound is under way, a moment after the point at which
// libmpv sends "playback-restart". A file that had to be sought to its start is done when libmpv
// clears its "seeking" flag, which it does as it sends "playback-restart".
qint64 openAndPlay(PlayRoutine &routine, MediaPlayer &player, const QString &path)
{
    QEventLoop loop;
    bool sought = false;
    QObject::connect(&player, &MediaPlayer::modeChanged, &loop, [&](int mode) {
        if (mode == MediaPlayer::Seeking)
            sought = true;
        else if (mode == MediaPlayer::Playing && sought)
            loop.quit();
    });
    QObject::connect(&player, &MediaPlayer::positionChanged, &loop, [&](qint64 position) {
        if (position > 0 && player.mode() == MediaPlayer::Playing)
            loop.quit();
    });
    return timePlay(routine, path, loop);
}

// mpv's own program on the same file, told over its IPC socket: from "loadfile" until its
// "playback-restart" event, the point the play routine is timed to.
qint64 loadInMpv(MpvIpc &mpv, const QString &path)
{
    const QDeadlineTimer deadline(10000);
    QElapsedTimer clock;
    clock.start();
    const bool playing = mpv.run({QStringLiteral("loadfile"), path}, deadline) &&
                         mpv.waitFor(QStringLiteral("playback-restart"), deadline);
    const qint64 micro = clock.nsecsElapsed() / 1000;
    // Back to idle, as the next file finds the program, and the events of this one gone.
    if (!mpv.run({QStringLiteral("stop")}, deadline) || !mpv.waitFor(QStringLiteral("idle"), deadline))
        return -1;
    mpv.forgetEvents();
    rest();
    return playing ? micro : -1;
}

qint64 median(std::vector<qint64> times)
{
    std::sort(times.begin(), times.end());
    return times.at(times.size() / 2);
}

// The first sound of a MIDI song never rendered before: from choosing it until its position
// moves.
qint64 firstSound(PlayRoutine &routine, MediaPlayer &player, const QString &path)
{
    QFile::remove(MidiRenderer::renderingOf(path));
    QEventLoop loop;
    QObject::connect(&player, &MediaPlayer::positionChanged, &loop, [&](qint64 position) {
        if (position > 0)
            loop.quit();
    });
    return timePlay(routine, path, loop);
}

} // namespace

// bench_open_latency FILE RUNS SOCKET: the play routine on the file against mpv's program on it,
// the program started as mpv --idle --input-ipc-server=SOCKET; both warm (the file played once
// before), in turns, each first in every other run. Prints the two medians of RUNS runs in
// microseconds, ours first.
// bench_open_latency --first-sound SONG RUNS: the median time until a MIDI song sounds.
// bench_open_latency --make-song FILE: writes a typical MIDI song.
int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    const QStringList arguments = app.arguments();
    if (arguments.size() == 3 && arguments.at(1) == QLatin1String("--make-song")) {
        QFile song(arguments.at(2));
        return song.open(QIODevice::WriteOnly) && song.write(typicalSong()) > 0 ? 0 : 1;
    }
    const bool midi = arguments.size() == 4 && arguments.at(1) == QLatin1String("--first-sound");
    if (!midi && arguments.size() != 4) {
        std::fprintf(stderr, "usage: bench_open_latency FILE RUNS SOCKET | --first-sound SONG RUNS | "
                             "--make-song FILE\n");
        return 2;
    }
    const QString path = arguments.at(midi ? 2 : 1);
    const int runs = arguments.at(midi ? 3 : 2).toInt();
    MpvPlayer player({false, false});
    // As the main window plays it: the levels are measured where the meter shows them.
    player.setLevelsMeasured(LevelMeterPicture::isShownFor(path));
    PlayRoutine routine(player);

    if (midi) {
        firstSound(routine, player, path);
        std::vector<qint64> times;
        for (int i = 0; i < runs; ++i)
            times.push_back(firstSound(routine, player, path));
        std::printf("%lld\n", static_cast<long long>(median(times)));
        return 0;
    }

    MpvIpc mpv;
    if (!mpv.connectTo(arguments.at(3), QDeadlineTimer(10000))) {
        std::fprintf(stderr, "bench_open_latency: no mpv program answers on %s\n",
                     qPrintable(arguments.at(3)));
        return 1;
    }
    openAndPlay(routine, player, path);
    loadInMpv(mpv, path);
    std::vector<qint64> ours;
    std::vector<qint64> anchor;
    for (int i = 0; i < runs; ++i) {
        if (i % 2 == 0) {
            ours.push_back(openAndPlay(routine, player, path));
            anchor.push_back(loadInMpv(mpv, path));
        } else {
            anchor.push_back(loadInMpv(mpv, path));
            ours.push_back(openAndPlay(routine, player, path));
        }
    }
    if (std::find(ours.begin(), ours.end(), -1) != ours.end() ||
        std::find(anchor.begin(), anchor.end(), -1) != anchor.end()) {
        std::fprintf(stderr, "bench_open_latency: %s did not play within 10 s\n", qPrintable(path));
        return 1;
    }
    std::printf("%lld %lld\n", static_cast<long long>(median(ours)), static_cast<long long>(median(anchor)));
    return 0;
}
