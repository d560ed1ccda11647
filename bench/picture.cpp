// SPDX-License-Identifier: GPL-3.0-or-later
#include "pictures/PictureDecoder.h"

#include <QElapsedTimer>
#include <QGuiApplication>
#include <cstdio>

// bench_picture FILE SIDE RUNS: how long a picture takes from its file to the image fitted into a
// SIDE x SIDE panel. Prints the size of the image, then the microseconds of each of RUNS runs, on
// one line, after a run not counted (the file is read then).
int main(int argc, char **argv)
{
    QGuiApplication app(argc, argv);
    const QStringList arguments = app.arguments();
    if (arguments.size() != 4) {
        std::fprintf(stderr, "usage: bench_picture FILE SIDE RUNS\n");
        return 2;
    }
    const QString path = arguments.at(1);
    const QSize panel(arguments.at(2).toInt(), arguments.at(2).toInt());
    const int runs = arguments.at(3).toInt();
    const QSize size = PictureDecoder::decode(path, panel).image.size();
    if (size.isEmpty()) {
        std::fprintf(stderr, "%s cannot be decoded\n", qPrintable(path));
        return 1;
    }
    std::printf("%d %d", size.width(), size.height());
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer clock;
        clock.start();
        const PictureDecoder::Result result = PictureDecoder::decode(path, panel);
        const qint64 micro = clock.nsecsElapsed() / 1000;
        if (result.image.size() != size) {
            std::fprintf(stderr, "%s came out at another size\n", qPrintable(path));
            return 1;
        }
        std::printf(" %lld", static_cast<long long>(micro));
    }
    std::printf("\n");
    return 0;
}
