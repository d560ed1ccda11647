// SPDX-License-Identifier: GPL-3.0-or-later
#include "MpvIpc.h"

#include <QCoreApplication>
#include <cstdio>

// bench_mpv_load SOCKET FILE: has the mpv program listening on SOCKET play the file, and returns
// once it plays (its "playback-restart" event); the program plays on.
int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QStringList arguments = app.arguments();
    if (arguments.size() != 3) {
        std::fprintf(stderr, "usage: bench_mpv_load SOCKET FILE\n");
        return 2;
    }
    MpvIpc mpv;
    const QDeadlineTimer deadline(30000);
    if (mpv.connectTo(arguments.at(1), deadline) &&
        mpv.run({QStringLiteral("loadfile"), arguments.at(2)}, deadline) &&
        mpv.waitFor(QStringLiteral("playback-restart"), deadline))
        return 0;
    std::fprintf(stderr, "bench_mpv_load: mpv did not play %s\n", qPrintable(arguments.at(2)));
    return 1;
}
