// SPDX-License-Identifier: GPL-3.0-or-later
#include "editlist/FileCopyEngine.h"
#include "support/ScriptedPrompter.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <climits>
#include <cstdio>

// bench_copy SOURCE DESTINATION BUFFER [--no-progress] [--flush]: copies one file with the copy
// engine and prints the time it took in milliseconds. With progress on, the figures are delivered
// to a receiver as a window would get them; with --no-progress nothing listens and nothing is
// shown. With --flush the time includes flushing the destination's file system, as a copy job
// does once at its end.
int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QStringList arguments = app.arguments();
    if (arguments.size() < 4) {
        std::fprintf(stderr, "usage: bench_copy SOURCE DESTINATION BUFFER [--no-progress] [--flush]\n");
        return 2;
    }
    const bool progress = !arguments.contains(QStringLiteral("--no-progress"));
    ScriptedPrompter prompter;
    FileCopyEngine engine(prompter);
    qint64 reports = 0;
    QString lastInfo;
    if (progress) {
        QObject::connect(&engine, &FileCopyEngine::figuresChanged,
                         [&](const QString &left, const QString &, const QString &rate) {
                             ++reports;
                             lastInfo = left + QLatin1Char(' ') + rate;
                         });
        QObject::connect(&engine, &FileCopyEngine::progressChanged, [&](int, const QString &) { ++reports; });
    } else {
        engine.setUpdateInterval(INT_MAX);
    }
    // A copy job flushes the destination's file system once at its end instead of each file.
    const bool flush = arguments.contains(QStringLiteral("--flush"));
    engine.setFlushEachCopy(!flush);
    QElapsedTimer clock;
    clock.start();
    const int result = engine.copyFile(arguments.at(1), arguments.at(2), arguments.at(3).toLongLong(), true);
    if (result == FileCopyEngine::Done && flush &&
        FileCopyEngine::flushFileSystemOf(QFileInfo(arguments.at(2)).absolutePath()) != 0) {
        std::fprintf(stderr, "flushing the destination failed\n");
        return 1;
    }
    const double ms = double(clock.nsecsElapsed()) / 1e6;
    if (result != FileCopyEngine::Done) {
        std::fprintf(stderr, "copy failed with result %d\n", result);
        for (const auto &question : prompter.questions())
            std::fprintf(stderr, "%s\n", qPrintable(question.text));
        return 1;
    }
    std::printf("%.1f\n", ms);
    return 0;
}
