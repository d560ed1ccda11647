// SPDX-License-Identifier: GPL-3.0-or-later
#include "EventGapMeter.h"
#include "browse/EntryListModel.h"
#include "browse/EntryListView.h"
#include "core/EditListFile.h"
#include "core/EditListStore.h"
#include "core/M3uFile.h"
#include "core/OffThread.h"
#include "platform/FileIconProvider.h"
#include "playlist/PlaylistOrder.h"
#include "playlist/PlaylistPanel.h"

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>
#include <cstdio>
#include <sys/resource.h>

// bench_playlist PLAYLIST EDITLIST OUT: loads the playlist into the playlist pane, marks it
// against the EditList file, sorts it, shuffles it and saves it to OUT, as one window does. Prints
// the milliseconds of the whole, the longest time without window events, the peak memory in MB
// and the number of entries marked.
int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    const QStringList arguments = app.arguments();
    if (arguments.size() != 4) {
        std::fprintf(stderr, "usage: bench_playlist PLAYLIST EDITLIST OUT\n");
        return 2;
    }
    QElapsedTimer clock;
    clock.start();
    QObject owner;
    FileIconProvider icons;
    PlaylistPanel::Commands commands{};
    for (QAction *&command : commands)
        command = new QAction(&owner);
    PlaylistPanel panel(icons, commands);
    EditListStore editList;
    if (const QString problem = EditListFile::load(editList, arguments.at(2)); !problem.isEmpty()) {
        std::fprintf(stderr, "%s\n", qPrintable(problem));
        return 1;
    }

    EventGapMeter gaps;

    int marked = 0;
    QString problem;
    // As LOAD, the playlist window and SAVE AS do it: each long step on the thread pool, its result
    // taken up on the window's thread, which handles its events meanwhile.
    const auto finish = [&] {
        for (int i = 0; i < panel.view()->items()->count(); ++i)
            marked += panel.view()->items()->isOnEditList(i) ? 1 : 0;
        gaps.beat();
        app.quit();
    };
    // The shuffled list is marked and saved at once; the run ends when both are done.
    bool shuffledIn = false;
    int unfinished = 2;
    const auto oneDone = [&] {
        if (--unfinished == 0)
            finish();
    };
    QObject::connect(&panel, &PlaylistPanel::editListMarked, [&] {
        if (shuffledIn)
            oneDone();
    });
    const auto save = [&] {
        OffThread::run(
            &panel,
            [path = arguments.at(3), entries = panel.paths()] { return M3uFile::write(path, entries); },
            [&](const QString &written) {
                problem = written;
                oneDone();
            });
    };
    const auto shuffle = [&] {
        OffThread::run(
            &panel,
            [entries = panel.paths()]() mutable {
                return PlaylistOrder::randomized(std::move(entries), PlaylistOrder::systemDraw);
            },
            [&](QStringList shuffled) {
                panel.setPaths(std::move(shuffled));
                shuffledIn = true;
                panel.markEditList(editList);
                save();
            });
    };
    const auto sort = [&] {
        OffThread::run(
            &panel, [entries = panel.paths()]() mutable { return PlaylistOrder::sorted(std::move(entries)); },
            [&](QStringList sorted) {
                panel.setPaths(std::move(sorted));
                shuffle();
            });
    };
    QTimer::singleShot(0, [&] {
        gaps.restart();
        OffThread::run(
            &panel, [path = arguments.at(1)] { return M3uFile::read(path); },
            [&](TextLineFile::Contents contents) {
                problem = panel.showFile(std::move(contents));
                if (!problem.isEmpty())
                    return finish();
                panel.markEditList(editList);
                sort();
            });
    });
    app.exec();
    if (!problem.isEmpty()) {
        std::fprintf(stderr, "%s\n", qPrintable(problem));
        return 1;
    }
    struct rusage usage = {};
    getrusage(RUSAGE_SELF, &usage);
    std::printf("%.1f %lld %ld %d\n", double(clock.nsecsElapsed()) / 1e6,
                static_cast<long long>(gaps.longest()), usage.ru_maxrss / 1024, marked);
    return 0;
}
