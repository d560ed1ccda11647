// SPDX-License-Identifier: GPL-3.0-or-later
// bench_thumbnails FOLDER STORE: makes the thumbnails of every file in FOLDER into the thumbnail
// store under STORE the way the file list does (its queue, one worker a core, the store and the
// maker), all of them wanted at once, each finished one made a pixmap on the window's thread as the
// list does. Prints "thumbnails MS PEAK_MB GAP_MS MADE FAILED", GAP_MS the longest stretch the
// window's thread went without handling events meanwhile.
#include "EventGapMeter.h"
#include "core/ThumbnailCache.h"
#include "core/ThumbnailQueue.h"
#include "pictures/ThumbnailMaker.h"
#include "playback/VideoFrames.h"

#include <QDir>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QPixmap>
#include <cstdio>
#include <sys/resource.h>

int main(int argc, char **argv)
{
    QGuiApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s FOLDER STORE\n", argv[0]);
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    QStringList paths;
    for (const QString &name : folder.entryList(QDir::Files, QDir::Name))
        paths.append(folder.filePath(name));
    QElapsedTimer clock;
    clock.start();
    const ThumbnailMaker maker(VideoFrames::source());
    const ThumbnailCache store(QString::fromLocal8Bit(argv[2]));
    ThumbnailQueue queue([&maker, &store](const QString &path, QDeadlineTimer deadline) {
        return store.obtain(
            path, ThumbnailCache::NormalSide,
            [&maker](const QString &file, int side, QDeadlineTimer until) {
                return maker.make(file, side, until);
            },
            deadline);
    });
    int made = 0;
    int failed = 0;
    EventGapMeter gaps;
    QObject::connect(&queue, &ThumbnailQueue::ready, &app, [&](const QString &, const QImage &image) {
        ++(image.isNull() ? failed : made);
        if (!image.isNull())
            QPixmap::fromImage(image);
        if (made + failed == paths.size())
            app.quit();
    });
    queue.want(paths);
    if (!paths.isEmpty())
        app.exec();
    rusage usage = {};
    ::getrusage(RUSAGE_SELF, &usage);
    gaps.beat();
    std::printf("thumbnails %lld %.1f %lld %d %d\n", clock.elapsed(), double(usage.ru_maxrss) / 1024.0,
                static_cast<long long>(gaps.longest()), made, failed);
    return 0;
}
