// SPDX-License-Identifier: GPL-3.0-or-later
#include "EventGapMeter.h"
#include "ListInView.h"
#include "core/FilePattern.h"
#include "core/MediaTypes.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QTimer>
#include <cstdio>
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// 100,000 media files of six types and 1,000 subfolders, and an EditList of 20,000 paths of which
// every other one of the first 20,000 files (10,000) is in the folder.
int makeFolder(const QByteArray &folder, const QString &editList)
{
    static const char *const types[] = {"mp3", "wav", "jpg", "avi", "mid", "gif"};
    ::mkdir(folder.constData(), 0755);
    for (int i = 0; i < 1000; ++i)
        ::mkdir((folder + "/folder " + QByteArray::number(i)).constData(), 0755);
    QByteArray list;
    for (int i = 0; i < 100000; ++i) {
        const QByteArray name = "track " + QByteArray::number(i).rightJustified(6, '0') + '.' + types[i % 6];
        const int fd = ::open((folder + '/' + name).constData(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        if (fd < 0)
            return 1;
        ::close(fd);
        if (i < 20000 && i % 2 == 0)
            list += folder + '/' + name + '\n';
    }
    for (int i = 0; i < 10000; ++i)
        list += "/elsewhere/music/" + QByteArray::number(i) + ".mp3\n";
    QFile file(editList);
    return file.open(QIODevice::WriteOnly) && file.write(list) == list.size() ? 0 : 1;
}

} // namespace

// bench_listing --make-folder FOLDER EDITLIST: makes the benchmark's folder and EditList.
// bench_listing FOLDER EDITLIST: lists a folder as the file list does, in a list view on the
// screen, against the EditList read from EDITLIST (one path a line), and prints the time until the
// listing had come whole in milliseconds, the longest stretch without letting window events run
// (until the view has laid the list out), the peak memory of the process, the entries and the
// marked ones; then puts every file on the EditList, takes them all off again, and prints that
// time and its longest stretch without window events; last, the time until the first rows were
// in the list.
int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    const QStringList arguments = app.arguments();
    if (arguments.size() == 4 && arguments.at(1) == QLatin1String("--make-folder"))
        return makeFolder(QFile::encodeName(arguments.at(2)), arguments.at(3));
    if (arguments.size() != 3) {
        std::fprintf(stderr, "usage: bench_listing FOLDER EDITLIST\n");
        return 2;
    }
    ListInView shown;
    QFile editList(arguments.at(2));
    if (editList.open(QIODevice::ReadOnly)) {
        for (const QByteArray &line : editList.readAll().split('\n')) {
            if (!line.isEmpty())
                shown.store.append(QString::fromUtf8(line));
        }
    }
    const EntryListModel &entries = shown.entries;
    FileListController &list = shown.list;
    const FilePattern pattern(MediaTypes().filePattern(false));

    QElapsedTimer clock;
    double firstRowsMs = -1;
    QObject::connect(&entries, &QAbstractItemModel::rowsInserted, [&] {
        if (firstRowsMs < 0 && entries.count() > 1)
            firstRowsMs = double(clock.nsecsElapsed()) / 1e6;
    });
    double ms = 0;
    QEventLoop loop;
    QObject::connect(&list, &FileListController::listed, [&] {
        ms = double(clock.nsecsElapsed()) / 1e6;
        // The view lays the rows out once window events run again: that counts too.
        QTimer::singleShot(100, &loop, &QEventLoop::quit);
    });
    EventGapMeter meter;
    clock.start();
    meter.restart();
    list.listFolder(arguments.at(1), pattern);
    meter.beat();
    loop.exec();
    const qint64 longestGap = meter.longest();

    int marked = 0;
    for (int i = 0; i < entries.count(); ++i)
        marked += list.marked(i) ? 1 : 0;

    // Every file of the folder on the EditList, then all of them taken off again: the time until
    // the EditList has lost them.
    list.addAllToEditList(QString());
    QObject::connect(&list, &FileListController::editListChanged, &loop, &QEventLoop::quit);
    clock.restart();
    meter.restart();
    list.removeAllFromEditList(QString());
    meter.beat();
    loop.exec();
    const double removeMs = double(clock.nsecsElapsed()) / 1e6;
    const qint64 removeGap = meter.longest();

    struct rusage usage = {};
    ::getrusage(RUSAGE_SELF, &usage);
    std::printf("%.1f %lld %ld %d %d %.1f %lld %.1f\n", ms, static_cast<long long>(longestGap),
                usage.ru_maxrss / 1024, entries.count(), marked, removeMs, static_cast<long long>(removeGap),
                firstRowsMs);
    return 0;
}
