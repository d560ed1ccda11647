// SPDX-License-Identifier: GPL-3.0-or-later
#include "EventGapMeter.h"
#include "ListInView.h"
#include "core/FilePattern.h"
#include "core/MediaTypes.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QProcess>
#include <QTimer>
#include <cstdio>

namespace {

constexpr int SourceFiles = 10000;

int makeSource(const QString &folder)
{
    if (!QDir().mkpath(folder))
        return 1;
    for (int i = 0; i < SourceFiles; ++i) {
        QFile file(folder + QStringLiteral("/track %1.mp3").arg(i, 5, 10, QLatin1Char('0')));
        if (!file.open(QIODevice::WriteOnly) || file.write(QByteArray(1024, 'x')) != 1024)
            return 1;
    }
    return 0;
}

} // namespace

// bench_follow --make-source SOURCE: makes 10,000 songs of 1 KB in SOURCE.
// bench_follow FOLDER SOURCE: shows the empty FOLDER in a list view as the file list does, copies
// SOURCE's files into it with cp, and prints the longest stretch without window events from the
// copy's start until the list holds every file, in milliseconds, then the time from the copy's end
// until the list held every file, and the entries listed.
int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    const QStringList arguments = app.arguments();
    if (arguments.size() == 3 && arguments.at(1) == QLatin1String("--make-source"))
        return makeSource(arguments.at(2));
    if (arguments.size() != 3) {
        std::fprintf(stderr, "usage: bench_follow FOLDER SOURCE\n");
        return 2;
    }
    ListInView shown;
    const EntryListModel &entries = shown.entries;
    FileListController &list = shown.list;
    QEventLoop loop;
    QObject::connect(&list, &FileListController::listed, &loop, &QEventLoop::quit);
    list.listFolder(arguments.at(1), FilePattern(MediaTypes().filePattern(false)));
    loop.exec();

    EventGapMeter meter;
    QElapsedTimer clock;
    qint64 copyEnded = -1;
    qint64 complete = -1;
    QProcess copy;
    QObject::connect(&copy, &QProcess::finished, [&] { copyEnded = clock.nsecsElapsed(); });
    const auto done = [&] {
        if (complete < 0 && entries.count() == SourceFiles + 1) {
            complete = clock.nsecsElapsed();
            meter.beat();
        }
        if (complete >= 0 && copyEnded >= 0)
            loop.quit();
    };
    QObject::connect(&list, &FileListController::changed, done);
    QObject::connect(&copy, &QProcess::finished, done);
    QTimer::singleShot(60000, &loop, &QEventLoop::quit);
    clock.start();
    meter.restart();
    copy.start(QStringLiteral("cp"), {QStringLiteral("-r"), arguments.at(2) + QStringLiteral("/."),
                                      arguments.at(1) + QStringLiteral("/")});
    loop.exec();
    // The list may hold every file before the copy is seen to have ended.
    const double afterCopy =
        complete < 0 || copyEnded < 0 ? -1 : qMax(0.0, double(complete - copyEnded) / 1e6);
    std::printf("%lld %.1f %d\n", static_cast<long long>(meter.longest()), afterCopy, entries.count());
    return complete < 0 ? 1 : 0;
}
