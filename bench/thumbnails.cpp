// SPDX-License-Identifier: GPL-3.0-or-later
// bench_thumbnails FOLDER STORE: makes the thumbnails of every file in FOLDER into the thumbnail
// store under STORE the way the file list does (its queue, one worker a core, the store and the
// maker), all of them wanted at once. Prints "thumbnails MS PEAK_MB MADE FAILED".
#include "core/ThumbnailCache.h"
#include "core/ThumbnailQueue.h"
#include "playback/ThumbnailMaker.h"

#include <QDir>
#include <QElapsedTimer>
#include <QGuiApplication>
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
    const ThumbnailMaker maker;
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
    QObject::connect(&queue, &ThumbnailQueue::ready, &app, [&](const QString &, const QImage &image) {
        ++(image.isNull() ? failed : made);
        if (made + failed == paths.size())
            app.quit();
    });
    queue.want(paths);
    if (!paths.isEmpty())
        app.exec();
    rusage usage = {};
    ::getrusage(RUSAGE_SELF, &usage);
    std::printf("thumbnails %lld %.1f %d %d\n", clock.elapsed(), double(usage.ru_maxrss) / 1024.0, made,
                failed);
    return 0;
}
