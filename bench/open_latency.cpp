// SPDX-License-Identifier: GPL-3.0-or-later
#include "playback/MciInterpreter.h"
#include "playback/MidiRenderer.h"
#include "playback/MpvPlayer.h"
#include "playback/PlayRoutine.h"

#include <QApplication>
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

} // namespace

// bench_open_latency FILE RUNS: how long the play routine takes from choosing the file until the
// player reports that it plays, warm (the file was played once before), as the median of RUNS
// runs in microseconds.
// bench_open_latency --first-sound SONG RUNS: the same for a MIDI song, from choosing it, never
// rendered before, until its sound plays (the position moves).
// bench_open_latency --make-song FILE: writes a typical MIDI song.
int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QStringList arguments = app.arguments();
    if (arguments.size() == 3 && arguments.at(1) == QLatin1String("--make-song")) {
        QFile song(arguments.at(2));
        return song.open(QIODevice::WriteOnly) && song.write(typicalSong()) > 0 ? 0 : 1;
    }
    const bool firstSound = arguments.size() == 4 && arguments.at(1) == QLatin1String("--first-sound");
    if (firstSound)
        arguments.removeAt(1);
    if (arguments.size() != 3) {
        std::fprintf(stderr, "usage: bench_open_latency [--first-sound] FILE RUNS | --make-song FILE\n");
        return 2;
    }
    const QString path = arguments.at(1);
    const int runs = arguments.at(2).toInt();
    MpvPlayer player({false, false});
    MciInterpreter mci(player);
    PlayRoutine routine(player, mci);
    PlayRoutine::Options options;
    options.autoPlayAtStart = true;
    options.rememberPosition = false;

    auto playOnce = [&] {
        QEventLoop loop;
        if (firstSound) {
            QFile::remove(MidiRenderer::renderingOf(path));
            QObject::connect(&player, &MediaPlayer::positionChanged, &loop, [&](qint64 position) {
                if (position > 0)
                    loop.quit();
            });
        } else {
            QObject::connect(&player, &MediaPlayer::modeChanged, &loop, [&](int mode) {
                if (mode == MediaPlayer::Playing)
                    loop.quit();
            });
        }
        QTimer::singleShot(10000, &loop, &QEventLoop::quit);
        QElapsedTimer clock;
        clock.start();
        routine.play(path, options);
        if (firstSound || player.mode() != MediaPlayer::Playing)
            loop.exec();
        const qint64 micro = clock.nsecsElapsed() / 1000;
        routine.close();
        return player.mode() == MediaPlayer::NotReady ? micro : -1;
    };
    playOnce();
    std::vector<qint64> times;
    for (int i = 0; i < runs; ++i)
        times.push_back(playOnce());
    std::sort(times.begin(), times.end());
    std::printf("%lld\n", static_cast<long long>(times.at(times.size() / 2)));
    return 0;
}
