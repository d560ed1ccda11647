// SPDX-License-Identifier: GPL-3.0-or-later
#include "EventGapMeter.h"
#include "browse/EntryListModel.h"
#include "browse/EntryListView.h"
#include "core/BackgroundWork.h"
#include "core/EditListFile.h"
#include "core/EditListStore.h"
#include "core/M3uFile.h"
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
    QTimer::singleShot(0, [&] {
        gaps.restart();
        // As LOAD, the playlist window and SAVE AS do it.
        TextLineFile::Contents contents;
        BackgroundWork::run([&] { contents = M3uFile::read(arguments.at(1)); });
        problem = panel.showFile(std::move(contents));
        panel.markEditList(editList);
        QStringList entries = panel.paths();
        BackgroundWork::run([&] { entries = PlaylistOrder::sorted(std::move(entries)); });
        panel.setPaths(entries);
        BackgroundWork::run(
            [&] { entries = PlaylistOrder::randomized(std::move(entries), PlaylistOrder::systemDraw); });
        panel.setPaths(std::move(entries));
        panel.markEditList(editList);
        entries = panel.paths();
        if (problem.isEmpty())
            BackgroundWork::run([&] { problem = M3uFile::write(arguments.at(3), entries); });
        for (int i = 0; i < panel.view()->items()->count(); ++i)
            marked += panel.view()->items()->isOnEditList(i) ? 1 : 0;
        gaps.beat();
        app.quit();
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
