// SPDX-License-Identifier: GPL-3.0-or-later
#include "playback/PictureDecoder.h"

#include <QElapsedTimer>
#include <QGuiApplication>
#include <algorithm>
#include <cstdio>
#include <vector>

// bench_picture FILE SIDE RUNS: how long a picture takes from its file to the image fitted into a
// SIDE x SIDE panel, as the median of RUNS runs in microseconds (the file is read once before).
int main(int argc, char **argv)
{
    QGuiApplication app(argc, argv);
    const QStringList arguments = app.arguments();
    if (arguments.size() != 4) {
        std::fprintf(stderr, "usage: bench_picture FILE SIDE RUNS\n");
        return 2;
    }
    const QString path = arguments.at(1);
    const int side = arguments.at(2).toInt();
    const int runs = arguments.at(3).toInt();
    auto decodeOnce = [&] {
        QElapsedTimer clock;
        clock.start();
        const PictureDecoder::Result result = PictureDecoder::decode(path, QSize(side, side));
        const qint64 micro = clock.nsecsElapsed() / 1000;
        return result.image.isNull() ? -1 : micro;
    };
    if (decodeOnce() < 0) {
        std::fprintf(stderr, "%s cannot be decoded\n", qPrintable(path));
        return 1;
    }
    std::vector<qint64> times;
    for (int i = 0; i < runs; ++i)
        times.push_back(decodeOnce());
    std::sort(times.begin(), times.end());
    std::printf("%lld\n", static_cast<long long>(times.at(times.size() / 2)));
    return 0;
}
