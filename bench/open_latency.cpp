// SPDX-License-Identifier: GPL-3.0-or-later
#include "MciInterpreter.h"
#include "MpvPlayer.h"
#include "PlayRoutine.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <vector>

// bench_open_latency FILE RUNS: how long the play routine takes from choosing the file until the
// player reports that it plays, warm (the file was played once before), as the median of RUNS
// runs in microseconds.
int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    const QStringList arguments = app.arguments();
    if (arguments.size() != 3) {
        std::fprintf(stderr, "usage: bench_open_latency FILE RUNS\n");
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
        QObject::connect(&player, &MediaPlayer::modeChanged, &loop, [&](int mode) {
            if (mode == MediaPlayer::Playing)
                loop.quit();
        });
        QTimer::singleShot(10000, &loop, &QEventLoop::quit);
        QElapsedTimer clock;
        clock.start();
        routine.play(path, options);
        if (player.mode() != MediaPlayer::Playing)
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
