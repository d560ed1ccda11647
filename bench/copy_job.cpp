// SPDX-License-Identifier: GPL-3.0-or-later
#include "EventGapMeter.h"
#include "browse/EntryListModel.h"
#include "editlist/EditListJob.h"
#include "platform/NativePath.h"
#include "platform/Trash.h"
#include "support/ScriptedPrompter.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QGroupBox>
#include <QItemSelectionModel>
#include <QPushButton>
#include <QTimer>
#include <cstdio>
#include <dirent.h>

namespace {

// Every file of one folder, sorted.
QStringList folderFiles(const QString &folder)
{
    QStringList paths;
    DIR *dir = ::opendir(NativePath::toBytes(folder).constData());
    while (dir != nullptr) {
        const dirent *entry = ::readdir(dir);
        if (entry == nullptr)
            break;
        if (entry->d_type == DT_REG)
            paths.append(folder + QLatin1Char('/') + NativePath::fromBytes(entry->d_name));
    }
    if (dir != nullptr)
        ::closedir(dir);
    paths.sort();
    return paths;
}

class NoTrash : public Trash
{
public:
    int moveToTrash(const QString &) override { return -1; }
};

// Calls painted once, after its first paint.
class PaintedWindow : public QWidget
{
public:
    std::function<void()> painted;

protected:
    void paintEvent(QPaintEvent *event) override
    {
        QWidget::paintEvent(event);
        if (painted)
            QTimer::singleShot(0, std::exchange(painted, nullptr));
    }
};

// Notes when the job asks whether to stop after a Cancel.
class TimedPrompter : public ScriptedPrompter
{
public:
    Answer message(const QString &text, const QString &title, Buttons buttons, Icon icon,
                   const QStringList &buttonLabels = {}) override
    {
        if (sinceCancel.isValid() && cancelDelay < 0 && text.startsWith(QLatin1String("Cancel")))
            cancelDelay = sinceCancel.elapsed();
        return ScriptedPrompter::message(text, title, buttons, icon, buttonLabels);
    }

    QElapsedTimer sinceCancel;
    qint64 cancelDelay = -1;
};

} // namespace

// bench_copy_job SOURCE DESTINATION BUFFER [--move] [--cancel-after MS]: runs the copy (or move)
// job over every file of SOURCE into DESTINATION as the EditList window runs it: on its worker
// thread, with its window showing the progress and its questions asked on the window's thread.
// Prints the milliseconds of the whole job, the longest time without window events, the files
// done and, when cancelled, the milliseconds from Cancel to the job asking whether to stop.
int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    const QStringList arguments = app.arguments();
    if (arguments.size() < 4) {
        std::fprintf(stderr,
                     "usage: bench_copy_job SOURCE DESTINATION BUFFER [--move] [--cancel-after MS]\n");
        return 2;
    }
    const bool move = arguments.contains(QStringLiteral("--move"));
    const qsizetype cancelAt = arguments.indexOf(QStringLiteral("--cancel-after"));
    EntryListModel list;
    list.addItems(folderFiles(arguments.at(1)));
    QItemSelectionModel selection(&list);
    selection.select(QItemSelection(list.index(0), list.index(list.count() - 1)),
                     QItemSelectionModel::Select);
    TimedPrompter prompter;
    prompter.queueFile(arguments.at(2));
    prompter.queueAnswer(Prompter::Answer::Ok);
    prompter.queueAnswer(Prompter::Answer::Yes);
    NoTrash trash;
    // The window the job is started from is on the screen, as the EditList window is with its
    // framed groups of buttons.
    PaintedWindow window;
    auto *operations = new QGroupBox(QStringLiteral("Operations:"), &window);
    new QPushButton(QStringLiteral("Copy..."), operations);
    operations->adjustSize();
    window.show();
    QElapsedTimer clock;
    EventGapMeter gaps;
    std::unique_ptr<EditListJob> job;
    if (cancelAt > 0) {
        QTimer::singleShot(arguments.at(cancelAt + 1).toInt(), [&] {
            prompter.sinceCancel.start();
            window.findChild<QPushButton *>(QStringLiteral("cancel"))->click();
        });
    }
    window.painted = [&] {
        gaps.restart();
        clock.start();
        job = EditListJob::copyOrMove(move ? CopyMoveJob::Kind::Move : CopyMoveJob::Kind::Copy,
                                      arguments.at(3).toLongLong(), {list, selection, prompter, trash, {}},
                                      &window);
        QObject::connect(job.get(), &EditListJob::ended, &app, [&] {
            gaps.beat();
            app.quit();
        });
    };
    app.exec();
    const double elapsed = double(clock.nsecsElapsed()) / 1e6;
    int done = 0;
    for (int i = 0; i < list.count(); ++i)
        done += list.jobState(i) == ListEntry::JobState::Processed ? 1 : 0;
    std::printf("%.1f %lld %d %lld\n", elapsed, static_cast<long long>(gaps.longest()), done,
                static_cast<long long>(prompter.cancelDelay));
    return 0;
}
