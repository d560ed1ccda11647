// SPDX-License-Identifier: GPL-3.0-or-later
#include "EventGapMeter.h"
#include "editlist/CopyMoveJob.h"
#include "editlist/FileCopyEngine.h"
#include "editlist/JobList.h"
#include "platform/NativePath.h"
#include "support/ScriptedPrompter.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTimer>
#include <cstdio>
#include <dirent.h>

namespace {

// Every file of one folder, all selected.
class FolderFiles : public JobList
{
public:
    explicit FolderFiles(const QString &folder)
    {
        DIR *dir = ::opendir(NativePath::toBytes(folder).constData());
        while (dir != nullptr) {
            const dirent *entry = ::readdir(dir);
            if (entry == nullptr)
                break;
            if (entry->d_type == DT_REG)
                m_paths.append(folder + QLatin1Char('/') + NativePath::fromBytes(entry->d_name));
        }
        if (dir != nullptr)
            ::closedir(dir);
        m_paths.sort();
    }

    int count() const override { return int(m_paths.size()); }
    bool isSelected(int) const override { return true; }
    QString path(int index) const override { return m_paths.at(index); }
    void setPath(int index, const QString &path) override { m_paths[index] = path; }
    void setState(int, ListEntry::JobState state) override
    {
        m_done += state == ListEntry::JobState::Processed ? 1 : 0;
    }
    int done() const { return m_done; }

private:
    QStringList m_paths;
    int m_done = 0;
};

// Notes when the job asks whether to stop after a Cancel.
class TimedPrompter : public ScriptedPrompter
{
public:
    Answer message(const QString &text, const QString &title, Buttons buttons, Icon icon) override
    {
        if (sinceCancel.isValid() && cancelDelay < 0 && text.startsWith(QLatin1String("Cancel")))
            cancelDelay = sinceCancel.elapsed();
        return ScriptedPrompter::message(text, title, buttons, icon);
    }

    QElapsedTimer sinceCancel;
    qint64 cancelDelay = -1;
};

} // namespace

// bench_copy_job SOURCE DESTINATION BUFFER [--move] [--cancel-after MS]: runs the copy (or move)
// job over every file of SOURCE into DESTINATION with the copy engine, progress delivered as a
// window gets it, and the destination made durable at the end. Prints the milliseconds of the
// whole job, the longest time without window events, the files done and, when cancelled, the
// milliseconds from Cancel to the job asking whether to stop.
int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QStringList arguments = app.arguments();
    if (arguments.size() < 4) {
        std::fprintf(stderr,
                     "usage: bench_copy_job SOURCE DESTINATION BUFFER [--move] [--cancel-after MS]\n");
        return 2;
    }
    const bool move = arguments.contains(QStringLiteral("--move"));
    const qsizetype cancelAt = arguments.indexOf(QStringLiteral("--cancel-after"));
    FolderFiles files(arguments.at(1));
    TimedPrompter prompter;
    prompter.queueFile(arguments.at(2));
    prompter.queueAnswer(Prompter::Answer::Ok);
    prompter.queueAnswer(Prompter::Answer::Yes);
    FileCopyEngine engine(prompter);
    engine.setFlushEachCopy(false);
    qint64 reports = 0;
    QObject::connect(&engine, &FileCopyEngine::figuresChanged,
                     [&](const QString &, const QString &, const QString &) { ++reports; });
    QObject::connect(&engine, &FileCopyEngine::progressChanged, [&](int, const QString &) { ++reports; });
    CopyMoveJob job(move ? CopyMoveJob::Kind::Move : CopyMoveJob::Kind::Copy, files,
                    {prompter,
                     [&](const QString &from, const QString &to, qint64 buffer, bool overwrite) {
                         return move ? engine.moveFile(from, to, buffer, overwrite)
                                     : engine.copyFile(from, to, buffer, overwrite);
                     },
                     [&] { engine.cancel(); },
                     &FileCopyEngine::flushFileSystemOf,
                     {},
                     {}});
    QElapsedTimer clock;
    EventGapMeter gaps;
    if (cancelAt > 0) {
        QTimer::singleShot(arguments.at(cancelAt + 1).toInt(), [&] {
            prompter.sinceCancel.start();
            job.cancel();
        });
    }
    QTimer::singleShot(0, [&] {
        gaps.restart();
        clock.start();
        job.run(arguments.at(3).toLongLong());
        gaps.beat();
        app.quit();
    });
    app.exec();
    std::printf("%.1f %lld %d %lld\n", double(clock.nsecsElapsed()) / 1e6,
                static_cast<long long>(gaps.longest()), files.done(),
                static_cast<long long>(prompter.cancelDelay));
    return 0;
}
