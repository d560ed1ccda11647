// SPDX-License-Identifier: GPL-3.0-or-later
#include "OnWorkerThread.h"
#include "editlist/CopyMoveJob.h"
#include "editlist/DeleteJob.h"
#include "editlist/FileCopyEngine.h"
#include "editlist/JobList.h"
#include "platform/NativePath.h"
#include "support/FolderTrash.h"
#include "support/ScriptedPrompter.h"
#include "support/TemporaryFolder.h"
#include "support/TestFiles.h"
#include "support/TextRow.h"

#include <QDir>
#include <QFileInfo>
#include <QTest>
#include <cerrno>
#include <cstring>
#include <dirent.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

using State = ListEntry::JobState;
using Answer = Prompter::Answer;

// A list held in memory; the states written out as one letter per entry: "-" normal, "P"
// processed, "S" skipped, "E" skipped with an error.
class MemoryList : public JobList
{
public:
    MemoryList(QStringList paths, const QList<int> &selected) : m_paths(std::move(paths))
    {
        m_selected.fill(false, m_paths.size());
        m_states.fill(State::Normal, m_paths.size());
        for (int i : selected)
            m_selected[i] = true;
    }

    int count() const override { return int(m_paths.size()); }
    bool isSelected(int index) const override { return m_selected.at(index); }
    QString path(int index) const override { return m_paths.at(index); }
    void setPath(int index, const QString &path) override { m_paths[index] = path; }
    void setState(int index, State state) override { m_states[index] = state; }

    QString states() const
    {
        QString letters;
        for (State state : m_states)
            letters += state == State::Processed          ? u'P'
                       : state == State::Skipped          ? u'S'
                       : state == State::SkippedWithError ? u'E'
                                                          : u'-';
        return letters;
    }

private:
    QStringList m_paths;
    QList<bool> m_selected;
    QList<State> m_states;
};

// The file operation of a job, answering with results queued in advance and recording each call
// as "name" or "name!" when overwriting was allowed.
struct ScriptedOperation
{
    QList<int> results;
    QStringList calls;

    int operator()(const QString &source, const QString &, qint64, bool overwrite)
    {
        calls.append(source.mid(source.lastIndexOf(QLatin1Char('/')) + 1) +
                     (overwrite ? QStringLiteral("!") : QString()));
        return results.isEmpty() ? int(FileCopyEngine::Done) : results.takeFirst();
    }
};

// The engine's copy or move as a job's operation.
std::function<int(const QString &, const QString &, qint64, bool)>
operationOf(FileCopyEngine &engine,
            int (FileCopyEngine::*operation)(const QString &, const QString &, qint64, bool))
{
    return [&engine, operation](const QString &from, const QString &to, qint64 buffer, bool overwrite) {
        return (engine.*operation)(from, to, buffer, overwrite);
    };
}

QStringList makeFiles(const TemporaryFolder &dir, int count)
{
    QStringList paths;
    for (int i = 0; i < count; ++i) {
        paths.append(dir.filePath(QStringLiteral("file%1.mp3").arg(i)));
        writeBytes(paths.last(), QByteArray::number(i));
    }
    return paths;
}

// Entries of a folder as the file system keeps them, names that are not UTF-8 included.
int entriesIn(const QString &folder)
{
    int count = 0;
    if (DIR *dir = ::opendir(QFile::encodeName(folder).constData())) {
        while (const dirent *entry = ::readdir(dir))
            count += qstrcmp(entry->d_name, ".") != 0 && qstrcmp(entry->d_name, "..") != 0 ? 1 : 0;
        ::closedir(dir);
    }
    return count;
}

QStringList questionTexts(const ScriptedPrompter &prompter)
{
    QStringList texts;
    for (const ScriptedPrompter::Question &question : prompter.questions())
        texts.append(question.isFileDialog ? QStringLiteral("<folder %1>").arg(question.title)
                                           : question.text);
    return texts;
}

CopyMoveJob::Kind kindOf(bool move)
{
    return move ? CopyMoveJob::Kind::Move : CopyMoveJob::Kind::Copy;
}

// Files in a source folder, a list of them, an empty destination, and a prompter that chooses the
// destination and then gives the answers queued.
struct CopyRun
{
    CopyRun(int files, const QList<int> &selected, const QList<Answer> &answers = {Answer::Ok})
        : list(makeFiles(source, files), selected)
    {
        prompter.queueFile(destination.path());
        for (Answer answer : answers)
            prompter.queueAnswer(answer);
    }

    void run(CopyMoveJob &job, qint64 buffer = 8192)
    {
        worker.run([&] { job.run(buffer); });
    }

    TemporaryFolder source;
    TemporaryFolder destination;
    MemoryList list;
    ScriptedPrompter prompter;
    OnWorkerThread worker{list, prompter};
};

} // namespace

class TestJobs : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // Each row: files in the list, the selected ones, the operation's results in order, the
    // answers after the confirmation; then the states, the calls made and the last question.
    void copyJobDispatchesEveryResult_data()
    {
        QTest::addColumn<int>("files");
        QTest::addColumn<QList<int>>("selected");
        QTest::addColumn<QList<int>>("results");
        QTest::addColumn<QList<Answer>>("answers");
        QTest::addColumn<QString>("states");
        QTest::addColumn<QStringList>("calls");
        QTest::addColumn<QString>("lastQuestion");

        const auto done = int(FileCopyEngine::Done);
        const auto cancelled = int(FileCopyEngine::Cancelled);
        const auto missing = int(FileCopyEngine::SourceMissing);
        const auto exists = int(FileCopyEngine::TargetExists);
        const auto noSpace = int(FileCopyEngine::NotEnoughSpace);
        const auto failed = int(FileCopyEngine::Failed);
        const auto same = int(FileCopyEngine::SameFile);
        const QString overwrite =
            QStringLiteral("File \"%1/file%3.mp3\" allready exist!\r\nDo you want to overwrite it ?");

        QTest::newRow("all done") << 3 << QList<int>{0, 1, 2} << QList<int>{done, done, done}
                                  << QList<Answer>{} << "PPP"
                                  << QStringList{"file0.mp3", "file1.mp3", "file2.mp3"}
                                  << "Copy (3) files to \"%1/\" ?";
        QTest::newRow("unselected entries are left alone")
            << 4 << QList<int>{1, 3} << QList<int>{} << QList<Answer>{} << "-P-P"
            << QStringList{"file1.mp3", "file3.mp3"} << "Copy (2) files to \"%1/\" ?";
        QTest::newRow("cancelled inside a file, the job goes on")
            << 2 << QList<int>{0, 1} << QList<int>{cancelled} << QList<Answer>{Answer::No} << "SP"
            << QStringList{"file0.mp3", "file1.mp3"} << "Cancel entire process ?";
        QTest::newRow("cancelled inside a file, the whole job ends")
            << 3 << QList<int>{0, 1, 2} << QList<int>{done, cancelled} << QList<Answer>{Answer::Yes} << "PSS"
            << QStringList{"file0.mp3", "file1.mp3"} << "Cancel entire process ?";
        QTest::newRow("source gone during the job: failed, and counted with the reason")
            << 2 << QList<int>{0, 1} << QList<int>{missing} << QList<Answer>{Answer::Ok} << "EP"
            << QStringList{"file0.mp3", "file1.mp3"}
            << "1 file(s) could not be copied.\r\n1 of them had gone from where the list says before "
               "their turn came.";
        QTest::newRow("same file: said and skipped")
            << 2 << QList<int>{0, 1} << QList<int>{same} << QList<Answer>{Answer::Ok} << "SP"
            << QStringList{"file0.mp3", "file1.mp3"}
            << "\"%2/file0.mp3\" and \"%1/file0.mp3\" are the same file. It is skipped.";
        QTest::newRow("existing target kept")
            << 2 << QList<int>{0, 1} << QList<int>{exists} << QList<Answer>{Answer::No} << "SP"
            << QStringList{"file0.mp3", "file1.mp3"}
            << QString(overwrite).replace(QStringLiteral("%3"), QStringLiteral("0"));
        QTest::newRow("existing target: yes, then no to all asks again for the next one")
            << 3 << QList<int>{0, 1, 2} << QList<int>{exists, done, done, exists, done}
            << QList<Answer>{Answer::Yes, Answer::No, Answer::Yes, Answer::No} << "PPP"
            << QStringList{"file0.mp3", "file0.mp3!", "file1.mp3", "file2.mp3", "file2.mp3!"}
            << "Overwrite all these files ?";
        QTest::newRow("existing target: yes to all overwrites the later ones silently")
            << 3 << QList<int>{0, 1, 2} << QList<int>{exists, done, done, done}
            << QList<Answer>{Answer::Yes, Answer::Yes} << "PPP"
            << QStringList{"file0.mp3", "file0.mp3!", "file1.mp3!", "file2.mp3!"}
            << "Overwrite all these files ?";
        QTest::newRow("cancel on the overwrite question of entry 5 of 2, 5 and 9")
            << 10 << QList<int>{2, 5, 9} << QList<int>{done, exists} << QList<Answer>{Answer::Cancel}
            << "--P--S---S" << QStringList{"file2.mp3", "file5.mp3"}
            << QString(overwrite).replace(QStringLiteral("%3"), QStringLiteral("5"));
        QTest::newRow("cancel on overwrite all ends the job")
            << 2 << QList<int>{0, 1} << QList<int>{exists} << QList<Answer>{Answer::Yes, Answer::Cancel}
            << "--" << QStringList{"file0.mp3"} << "Overwrite all these files ?";
        QTest::newRow("no space ends the job")
            << 3 << QList<int>{0, 1, 2} << QList<int>{done, noSpace} << QList<Answer>{Answer::Ok} << "PE-"
            << QStringList{"file0.mp3", "file1.mp3"} << "There is not enough free space on drive %1/ !";
        QTest::newRow("a failure, then further errors ignored and counted at the end")
            << 3 << QList<int>{0, 1, 2} << QList<int>{failed, failed, done}
            << QList<Answer>{Answer::Ok, Answer::Yes} << "EEP"
            << QStringList{"file0.mp3", "(failures unreported)", "file1.mp3", "file2.mp3"}
            << "2 file(s) could not be copied.";
        QTest::newRow("a failure, going on but asking again")
            << 2 << QList<int>{0, 1} << QList<int>{failed, failed}
            << QList<Answer>{Answer::Ok, Answer::No, Answer::Cancel} << "EE"
            << QStringList{"file0.mp3", "file1.mp3"}
            << "Unable to copy file \"%2/file1.mp3\" continue anyway ?";
        QTest::newRow("a failure ends the job")
            << 2 << QList<int>{0, 1} << QList<int>{failed} << QList<Answer>{Answer::Cancel} << "E-"
            << QStringList{"file0.mp3"} << "Unable to copy file \"%2/file0.mp3\" continue anyway ?";
    }
    void copyJobDispatchesEveryResult()
    {
        QFETCH(int, files);
        QFETCH(QList<int>, selected);
        QFETCH(QList<int>, results);
        QFETCH(QList<Answer>, answers);
        QFETCH(QString, states);
        QFETCH(QStringList, calls);
        QFETCH(QString, lastQuestion);
        CopyRun copy(files, selected, QList<Answer>{Answer::Ok} + answers);
        ScriptedOperation operation;
        operation.results = results;
        int flushes = 0;
        CopyMoveJob job(CopyMoveJob::Kind::Copy, copy.worker.list,
                        {copy.worker.prompter,
                         std::ref(operation),
                         {},
                         [&](const QString &) {
                             ++flushes;
                             return 0;
                         },
                         [](const QString &folder) { return folder; },
                         {}});
        QObject::connect(&job, &CopyMoveJob::failureMessagesWanted, [&operation](bool wanted) {
            if (!wanted)
                operation.calls.append(QStringLiteral("(failures unreported)"));
        });
        copy.run(job, 32768);
        QCOMPARE(copy.list.states(), states);
        QCOMPARE(operation.calls, calls);
        QCOMPARE(questionTexts(copy.prompter).last(),
                 lastQuestion.replace(QStringLiteral("%1"), copy.destination.path())
                     .replace(QStringLiteral("%2"), copy.source.path()));
        QCOMPARE(flushes, 1);
    }

    void aFolderNothingCanBeWrittenToFailsEveryEntryWithOneMessage()
    {
        CopyRun copy(3, {0, 2}, {});
        const QByteArray destination = QFile::encodeName(copy.destination.path());
        // A read-only file system refuses even the superuser.
        if (::mount("tmpfs", destination.constData(), "tmpfs", MS_RDONLY, "size=64k") != 0)
            QSKIP("no file system can be mounted here");
        ScriptedOperation operation;
        CopyMoveJob job(CopyMoveJob::Kind::Copy, copy.worker.list,
                        {copy.worker.prompter,
                         std::ref(operation),
                         {},
                         [](const QString &) { return 0; },
                         [](const QString &folder) { return folder; },
                         {}});
        copy.run(job, 32768);
        ::umount(destination.constData());
        QCOMPARE(copy.list.states(), QStringLiteral("E-E"));
        QVERIFY(operation.calls.isEmpty());
        QCOMPARE(questionTexts(copy.prompter).size(), 2);
        QCOMPARE(questionTexts(copy.prompter).last(),
                 QStringLiteral("Nothing can be written to \"%1/\": Read-only file system.")
                     .arg(copy.destination.path()));
    }

    void aFlushThatFailsIsReported_data()
    {
        QTest::addColumn<bool>("move");
        QTest::addColumn<int>("error");
        QTest::newRow("copy, flushed") << false << 0;
        QTest::newRow("copy, I/O error") << false << EIO;
        QTest::newRow("move, disk full") << true << ENOSPC;
    }
    void aFlushThatFailsIsReported()
    {
        QFETCH(bool, move);
        QFETCH(int, error);
        CopyRun copy(2, {0, 1});
        ScriptedOperation operation;
        QString flushed;
        CopyMoveJob job(kindOf(move), copy.worker.list,
                        {copy.worker.prompter,
                         std::ref(operation),
                         {},
                         [&](const QString &folder) {
                             flushed = folder;
                             return error;
                         },
                         {},
                         {}});
        copy.run(job, 32768);
        QCOMPARE(flushed, copy.destination.path() + QLatin1Char('/'));
        QCOMPARE(copy.list.states(), QStringLiteral("PP"));
        const QStringList texts = questionTexts(copy.prompter);
        if (error == 0) {
            QCOMPARE(texts.size(), 2);
            return;
        }
        QCOMPARE(texts.size(), 3);
        QCOMPARE(texts.last(), QStringLiteral("The files in \"%1/\" may not all be on the disk: %2 code : %3")
                                   .arg(copy.destination.path(), QString::fromLocal8Bit(std::strerror(error)))
                                   .arg(error));
        QCOMPARE(copy.prompter.questions().last().icon, Prompter::Icon::Critical);
    }

    void copyJobEndsEarly_data()
    {
        QTest::addColumn<bool>("chooseFolder");
        QTest::addColumn<bool>("folderExists");
        QTest::addColumn<int>("questions");
        QTest::newRow("cancel in the folder chooser") << false << true << 1;
        QTest::newRow("folder gone before the confirmation") << true << false << 1;
        QTest::newRow("confirmation refused") << true << true << 2;
    }
    void copyJobEndsEarly()
    {
        QFETCH(bool, chooseFolder);
        QFETCH(bool, folderExists);
        QFETCH(int, questions);
        TemporaryFolder source;
        TemporaryFolder destination;
        MemoryList list(makeFiles(source, 2), {0, 1});
        ScriptedPrompter prompter;
        if (chooseFolder)
            prompter.queueFile(folderExists ? destination.path()
                                            : destination.filePath(QStringLiteral("gone")));
        prompter.queueAnswer(Answer::Cancel);
        ScriptedOperation operation;
        int flushes = 0;
        OnWorkerThread worker(list, prompter);
        CopyMoveJob job(CopyMoveJob::Kind::Copy, worker.list,
                        {worker.prompter,
                         std::ref(operation),
                         {},
                         [&](const QString &) {
                             ++flushes;
                             return 0;
                         },
                         {},
                         {}});
        bool shown = false;
        connect(&job, &CopyMoveJob::started, this, [&] { shown = true; });
        worker.run([&] { job.run(8192); });
        QCOMPARE(list.states(), QStringLiteral("--"));
        QVERIFY(operation.calls.isEmpty());
        QCOMPARE(prompter.questions().size(), questions);
        QCOMPARE(prompter.questions().first().title, QStringLiteral("Copy to : "));
        QCOMPARE(shown, chooseFolder);
        QCOMPARE(flushes, 0);
    }

    void missingFilesAreCountedAndPassedOver_data()
    {
        QTest::addColumn<bool>("move");
        QTest::newRow("copy") << false;
        QTest::newRow("move") << true;
    }
    void missingFilesAreCountedAndPassedOver()
    {
        QFETCH(bool, move);
        CopyRun copy(3, {0, 1, 2}, {Answer::Ok, Answer::Ok});
        QVERIFY(QFile::remove(copy.list.path(1)));
        ScriptedOperation operation;
        QStringList counters;
        CopyMoveJob job(kindOf(move), copy.worker.list,
                        {copy.worker.prompter, std::ref(operation), {}, {}, {}, {}});
        connect(&job, &CopyMoveJob::counterChanged, this,
                [&](const QString &text) { counters.append(text); });
        copy.run(job);
        const QString verb = move ? QStringLiteral("Moving") : QStringLiteral("Copying");
        QCOMPARE(questionTexts(copy.prompter).mid(1),
                 QStringList(
                     {QStringLiteral("1 file(s) from the list does not exist at the time beeing. It could be "
                                     "because they exist on a removeable drive.\r\nThese file(s) will be "
                                     "skipped !"),
                      QStringLiteral("%1 (2) files to \"%2/\" ?")
                          .arg(move ? "Move" : "Copy", copy.destination.path())}));
        QCOMPARE(operation.calls, QStringList({"file0.mp3", "file2.mp3"}));
        QCOMPARE(counters, QStringList({
                               verb + " file: 1 of 2 file(s).",
                               verb + " file: 2 of 2 file(s).",
                           }));
        QCOMPARE(copy.list.states(), QStringLiteral("P-P"));
    }

    void moveJobPassesOverFilesAlreadyThere()
    {
        TemporaryFolder dir;
        const QStringList paths = makeFiles(dir, 3);
        MemoryList list(paths, {0, 1, 2});
        ScriptedPrompter prompter;
        prompter.queueFile(dir.path());
        prompter.queueAnswer(Answer::Ok);
        prompter.queueAnswer(Answer::Ok);
        ScriptedOperation operation;
        OnWorkerThread worker(list, prompter);
        CopyMoveJob job(CopyMoveJob::Kind::Move, worker.list,
                        {worker.prompter, std::ref(operation), {}, {}, {}, {}});
        worker.run([&] { job.run(8192); });
        QCOMPARE(questionTexts(prompter).at(1),
                 QStringLiteral("3 file(s) comes from the choosen path. These file(s) will be skipped."));
        QVERIFY(operation.calls.isEmpty());
        QCOMPARE(list.states(), QStringLiteral("---"));
    }

    void moveJobRenamesTheEntriesItMoved()
    {
        CopyRun move(3, {0, 1, 2}, {Answer::Ok, Answer::No});
        ScriptedOperation operation;
        operation.results = {int(FileCopyEngine::Done), int(FileCopyEngine::Cancelled),
                             int(FileCopyEngine::Done)};
        CopyMoveJob job(CopyMoveJob::Kind::Move, move.worker.list,
                        {move.worker.prompter, std::ref(operation), {}, {}, {}, {}});
        move.run(job);
        // A cancelled move leaves its entry as it was before asking.
        QCOMPARE(move.list.states(), QStringLiteral("P-P"));
        QCOMPARE(move.list.path(0), move.destination.filePath(QStringLiteral("file0.mp3")));
        QCOMPARE(move.list.path(1), move.source.filePath(QStringLiteral("file1.mp3")));
        QCOMPARE(move.list.path(2), move.destination.filePath(QStringLiteral("file2.mp3")));
        QCOMPARE(questionTexts(move.prompter).last(), QStringLiteral("Cancel entire process ?"));
    }

    void aCancelBetweenTwoFilesIsNotLost()
    {
        CopyRun copy(3, {0, 1, 2}, {Answer::Ok, Answer::Yes});
        ScriptedOperation operation;
        CopyMoveJob *running = nullptr;
        CopyMoveJob job(CopyMoveJob::Kind::Copy, copy.worker.list,
                        {copy.worker.prompter,
                         [&](const QString &from, const QString &to, qint64 buffer, bool overwrite) {
                             // Cancel pressed just after the first file finished.
                             running->cancel();
                             return operation(from, to, buffer, overwrite);
                         },
                         {},
                         {},
                         {},
                         {}});
        running = &job;
        copy.run(job);
        QCOMPARE(operation.calls, QStringList{"file0.mp3"});
        QCOMPARE(copy.list.states(), QStringLiteral("PSS"));
    }

    void theHeldFileIsTakenAwayAndReported_data()
    {
        QTest::addColumn<bool>("move");
        QTest::addColumn<bool>("playing");
        QTest::newRow("copied while playing") << false << true;
        QTest::newRow("moved while paused") << true << false;
    }
    void theHeldFileIsTakenAwayAndReported()
    {
        QFETCH(bool, move);
        QFETCH(bool, playing);
        CopyRun copy(2, {0, 1});
        const QString second = copy.list.path(1);
        QString held = second;
        int releases = 0;
        PlayingFile player{[&] { return held; }, [&] { return playing; },
                           [&] {
                               ++releases;
                               held.clear();
                           }};
        ScriptedOperation operation;
        CopyMoveJob job(kindOf(move), copy.worker.list,
                        {copy.worker.prompter, std::ref(operation), {}, {}, {}, player});
        copy.run(job);
        QCOMPARE(releases, 1);
        QCOMPARE(job.takenFile().path, second);
        QCOMPARE(job.takenFile().wasPlaying, playing);
    }

    // The real engine on real files: whatever goes wrong, every source stays whole and no partial
    // file is left behind.
    void realFilesSurviveFailures_data()
    {
        QTest::addColumn<QByteArray>("name");
        QTest::addColumn<bool>("readOnlyDestination");
        QTest::addColumn<QString>("states");
        QTest::newRow("plain name") << QByteArray("song.mp3") << false << "P";
        QTest::newRow("not UTF-8, a blank and a newline")
            << QByteArray("caf\xe9 one\ntwo.mp3") << false << "P";
        QTest::newRow("255 bytes") << QByteArray(251, 'n') + ".mp3" << false << "P";
        QTest::newRow("read-only destination") << QByteArray("song.mp3") << true << "E";
    }
    void realFilesSurviveFailures()
    {
        QFETCH(QByteArray, name);
        QFETCH(bool, readOnlyDestination);
        QFETCH(QString, states);
        TemporaryFolder source;
        TemporaryFolder destination;
        const QByteArray sourcePath = QFile::encodeName(source.path()) + '/' + name;
        writeNative(sourcePath, QByteArray(100000, 'k'));
        const QByteArray destinationBytes = QFile::encodeName(destination.path());
        // Permissions do not bind the super-user; a read-only file system does.
        bool mounted = false;
        if (readOnlyDestination) {
            ::chmod(destinationBytes.constData(), 0555);
            mounted = ::geteuid() == 0 &&
                      ::mount("none", destinationBytes.constData(), "tmpfs", MS_RDONLY, nullptr) == 0;
            if (::geteuid() == 0 && !mounted)
                QSKIP("no read-only file system can be made here");
        }
        MemoryList list({NativePath::fromBytes(sourcePath)}, {0});
        ScriptedPrompter prompter;
        prompter.queueFile(destination.path());
        prompter.queueAnswer(Answer::Ok);
        prompter.queueAnswer(Answer::Ok);
        prompter.queueAnswer(Answer::Cancel);
        OnWorkerThread worker(list, prompter);
        FileCopyEngine engine(worker.prompter);
        engine.setFlushEachCopy(false);
        CopyMoveJob job(CopyMoveJob::Kind::Copy, worker.list,
                        {worker.prompter,
                         operationOf(engine, &FileCopyEngine::copyFile),
                         [&] { engine.cancel(); },
                         &FileCopyEngine::flushFileSystemOf,
                         {},
                         {}});
        worker.run([&] { job.run(8192); });
        if (mounted)
            ::umount2(destinationBytes.constData(), MNT_DETACH);
        ::chmod(destinationBytes.constData(), 0755);
        QCOMPARE(list.states(), states);
        struct stat info = {};
        QCOMPARE(::stat(sourcePath.constData(), &info), 0);
        QCOMPARE(qint64(info.st_size), qint64(100000));
        const QByteArray copy = QFile::encodeName(destination.path()) + '/' + name;
        QCOMPARE(existsNative(copy), states == QStringLiteral("P"));
        QCOMPARE(entriesIn(destination.path()), states == "P" ? 1 : 0);
    }

    // Each row: whether the job moves, and whether it reaches the file's own folder through a link.
    void aFileOntoItselfIsSkippedWithoutAQuestion_data()
    {
        QTest::addColumn<bool>("move");
        QTest::addColumn<bool>("throughLink");
        QTest::newRow("copy into its own folder") << false << false;
        QTest::newRow("copy through a linked folder") << false << true;
        QTest::newRow("move through a linked folder") << true << true;
    }
    void aFileOntoItselfIsSkippedWithoutAQuestion()
    {
        QFETCH(bool, move);
        QFETCH(bool, throughLink);
        TemporaryFolder dir;
        const QStringList paths = makeFiles(dir, 1);
        const QString link = dir.filePath(QStringLiteral("link"));
        QVERIFY(QFile::link(dir.path(), link));
        const QString destination = throughLink ? link : dir.path();
        MemoryList list(paths, {0});
        ScriptedPrompter prompter;
        prompter.queueFile(destination);
        prompter.queueAnswer(Answer::Ok);
        prompter.queueAnswer(Answer::Ok);
        OnWorkerThread worker(list, prompter);
        FileCopyEngine engine(worker.prompter);
        CopyMoveJob job(kindOf(move), worker.list,
                        {worker.prompter,
                         operationOf(engine, move ? &FileCopyEngine::moveFile : &FileCopyEngine::copyFile),
                         {},
                         {},
                         {},
                         {}});
        worker.run([&] { job.run(8192); });
        QCOMPARE(questionTexts(prompter).mid(2),
                 QStringList{QStringLiteral("\"%1\" and \"%2/file0.mp3\" are the same file. It is skipped.")
                                 .arg(paths.first(), destination)});
        QCOMPARE(list.states(), QStringLiteral("S"));
        QCOMPARE(list.path(0), paths.first());
        QCOMPARE(readBytes(paths.first()), QByteArray("0"));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files).size(), 1);
    }

    void sourcesThatChangeDuringTheJobLoseNothing()
    {
        TemporaryFolder source;
        TemporaryFolder destination;
        QStringList paths = makeFiles(source, 3);
        writeBytes(paths.at(2), QByteArray(100000, 'c'));
        // A link in the selection: its file's contents are copied, the link and its file stay.
        const QString link = source.filePath(QStringLiteral("link.mp3"));
        QVERIFY(QFile::link(paths.at(0), link));
        paths.append(link);
        MemoryList list(paths, {0, 1, 2, 3});
        ScriptedPrompter prompter;
        prompter.queueFile(destination.path());
        prompter.queueAnswer(Answer::Ok);
        OnWorkerThread worker(list, prompter);
        FileCopyEngine engine(worker.prompter);
        CopyMoveJob job(CopyMoveJob::Kind::Copy, worker.list,
                        {worker.prompter,
                         [&](const QString &from, const QString &to, qint64 buffer, bool overwrite) {
                             // Meanwhile the second file goes away and the third shrinks.
                             if (from == paths.at(0)) {
                                 QFile::remove(paths.at(1));
                                 writeBytes(paths.at(2), "short");
                             }
                             return engine.copyFile(from, to, buffer, overwrite);
                         },
                         {},
                         {},
                         {},
                         {}});
        worker.run([&] { job.run(8192); });
        // The file gone since the job began failed, and the job says why at its end.
        QCOMPARE(list.states(), QStringLiteral("PEPP"));
        QCOMPARE(questionTexts(prompter).last(),
                 QStringLiteral("1 file(s) could not be copied.\r\n1 of them had gone from where the list "
                                "says before their turn came."));
        QCOMPARE(readBytes(destination.filePath(QStringLiteral("file2.mp3"))), QByteArray("short"));
        QCOMPARE(readBytes(destination.filePath(QStringLiteral("link.mp3"))), QByteArray("0"));
        QVERIFY(QFileInfo(link).isSymLink());
        QVERIFY(!QFileInfo(destination.filePath(QStringLiteral("link.mp3"))).isSymLink());
        QVERIFY(!QFile::exists(destination.filePath(QStringLiteral("file1.mp3"))));
    }

    void movesAcrossFileSystemsKeepTheSourceUntilTheCopyIsWhole()
    {
        if (!QFileInfo(QStringLiteral("/dev/shm")).isWritable())
            QSKIP("no second file system to move to");
        TemporaryFolder source;
        TemporaryFolder destination(QStringLiteral("/dev/shm/kestrove-move-XXXXXX"));
        const QStringList paths = makeFiles(source, 2);
        writeBytes(destination.filePath(QStringLiteral("file1.mp3")), "kept");
        MemoryList list(paths, {0, 1});
        ScriptedPrompter prompter;
        prompter.queueFile(destination.path());
        prompter.queueAnswer(Answer::Ok);
        prompter.queueAnswer(Answer::No);
        OnWorkerThread worker(list, prompter);
        FileCopyEngine engine(worker.prompter);
        CopyMoveJob job(CopyMoveJob::Kind::Move, worker.list,
                        {worker.prompter, operationOf(engine, &FileCopyEngine::moveFile), {}, {}, {}, {}});
        worker.run([&] { job.run(8192); });
        QCOMPARE(list.states(), QStringLiteral("PS"));
        QVERIFY(!QFile::exists(paths.at(0)));
        QCOMPARE(readBytes(destination.filePath(QStringLiteral("file0.mp3"))), QByteArray("0"));
        QCOMPARE(readBytes(paths.at(1)), QByteArray("1"));
        QCOMPARE(readBytes(destination.filePath(QStringLiteral("file1.mp3"))), QByteArray("kept"));
    }

    // Each row: the first answer, whether the trash refuses, which file is missing, the answers to
    // "Ignore rest ?"; then the states, what reached the trash and what is left on disk.
    void deleteJob_data()
    {
        QTest::addColumn<Answer>("where");
        QTest::addColumn<bool>("trashRefuses");
        QTest::addColumn<int>("missing");
        QTest::addColumn<QList<Answer>>("answers");
        QTest::addColumn<QString>("states");
        QTest::addColumn<int>("trashed");
        QTest::addColumn<int>("left");

        QTest::newRow("cancel deletes nothing")
            << Answer::Cancel << false << -1 << QList<Answer>{} << "-----" << 0 << 5;
        QTest::newRow("to the trash") << Answer::Yes << false << -1 << QList<Answer>{} << "PPPPP" << 5 << 0;
        QTest::newRow("no deletes for good")
            << Answer::No << false << -1 << QList<Answer>{} << "PPPPP" << 0 << 0;
        QTest::newRow("the second missing, yes ignores the rest")
            << Answer::Yes << false << 1 << QList<Answer>{Answer::Yes} << "PEPPP" << 4 << 0;
        QTest::newRow("the second missing, cancel stops")
            << Answer::Yes << false << 1 << QList<Answer>{Answer::Cancel} << "PSSSS" << 1 << 3;
        QTest::newRow("the trash refuses, asked each time")
            << Answer::Yes << true << -1
            << QList<Answer>{Answer::No, Answer::No, Answer::No, Answer::No, Answer::No} << "EEEEE" << 0 << 5;
    }
    void deleteJob()
    {
        QFETCH(Answer, where);
        QFETCH(bool, trashRefuses);
        QFETCH(int, missing);
        QFETCH(QList<Answer>, answers);
        QFETCH(QString, states);
        QFETCH(int, trashed);
        QFETCH(int, left);
        TemporaryFolder dir;
        TemporaryFolder trashFolder;
        FolderTrash trash(trashFolder.path());
        trash.setRefuse(trashRefuses);
        const QStringList paths = makeFiles(dir, 5);
        if (missing >= 0)
            QVERIFY(QFile::remove(paths.at(missing)));
        MemoryList list(paths, {0, 1, 2, 3, 4});
        ScriptedPrompter prompter;
        prompter.queueAnswer(where);
        for (Answer answer : answers)
            prompter.queueAnswer(answer);
        OnWorkerThread worker(list, prompter);
        DeleteJob job(worker.list, {worker.prompter, trash, &DeleteJob::unlinkFile, {}});
        worker.run([&] { job.run(); });
        QCOMPARE(list.states(), states);
        QCOMPARE(trash.recycled().size(), trashed);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files).size(), left);
        QCOMPARE(prompter.questions().first().text, QStringLiteral("Send files to Recycle Bin ?"));
        // No deletes for good: its button says so.
        QCOMPARE(prompter.questions().first().buttonLabels,
                 QStringList({"Move to Trash", "Delete Permanently", "Cancel"}));
        if (missing >= 0)
            QCOMPARE(prompter.questions().at(1).text,
                     QStringLiteral("Unable to delete file \"%1\". Ignore rest ?").arg(paths.at(missing)));
        // The trash's own reason follows the question.
        if (trashRefuses)
            QCOMPARE(prompter.questions().at(1).text,
                     QStringLiteral("Unable to delete file \"%1\". Ignore rest ?\r\n\r\nThe trash is full.")
                         .arg(paths.at(0)));
    }

    void jobsStoppedAtTheEndOfASessionAskNothing_data()
    {
        QTest::addColumn<QString>("job");
        QTest::addColumn<QString>("states");
        textRow("copy, stopped inside the second file", {"copy", "PSS"});
        textRow("move, stopped inside the second file", {"move", "PSS"});
        textRow("delete, stopped during the first file", {"delete", "PSS"});
    }
    void jobsStoppedAtTheEndOfASessionAskNothing()
    {
        QFETCH(QString, job);
        QFETCH(QString, states);
        TemporaryFolder source;
        TemporaryFolder destination;
        MemoryList list(makeFiles(source, 3), {0, 1, 2});
        ScriptedPrompter prompter;
        int calls = 0;
        int flushes = 0;
        OnWorkerThread worker(list, prompter);
        if (job == QLatin1String("delete")) {
            TemporaryFolder trashFolder;
            FolderTrash trash(trashFolder.path());
            prompter.queueAnswer(Answer::No);
            DeleteJob *running = nullptr;
            DeleteJob deleting(worker.list, {worker.prompter,
                                             trash,
                                             [&](const QString &path) {
                                                 running->stop();
                                                 return DeleteJob::unlinkFile(path);
                                             },
                                             {}});
            running = &deleting;
            worker.run([&] { deleting.run(); });
            QCOMPARE(questionTexts(prompter), QStringList{"Send files to Recycle Bin ?"});
        } else {
            prompter.queueFile(destination.path());
            prompter.queueAnswer(Answer::Ok);
            CopyMoveJob *running = nullptr;
            CopyMoveJob copying(kindOf(job == QLatin1String("move")), worker.list,
                                {worker.prompter,
                                 [&](const QString &, const QString &, qint64, bool) {
                                     // The signal arrives while the second file is copied.
                                     if (++calls < 2)
                                         return int(FileCopyEngine::Done);
                                     running->stop();
                                     return int(FileCopyEngine::Cancelled);
                                 },
                                 {},
                                 [&](const QString &) {
                                     ++flushes;
                                     return 0;
                                 },
                                 [](const QString &folder) { return folder; },
                                 {}});
            running = &copying;
            worker.run([&] { copying.run(32768); });
            QVERIFY(!questionTexts(prompter).contains(QStringLiteral("Cancel entire process ?")));
            // The ending session does not wait for the disk.
            QCOMPARE(flushes, 0);
        }
        QCOMPARE(list.states(), states);
    }

    void deleteJobCancelledBetweenFiles()
    {
        TemporaryFolder dir;
        const QStringList paths = makeFiles(dir, 4);
        MemoryList list(paths, {0, 2, 3});
        TemporaryFolder trashFolder;
        FolderTrash trash(trashFolder.path());
        ScriptedPrompter prompter;
        prompter.queueAnswer(Answer::No);
        prompter.queueAnswer(Answer::Ok);
        OnWorkerThread worker(list, prompter);
        DeleteJob *running = nullptr;
        QStringList counters;
        DeleteJob job(worker.list, {worker.prompter,
                                    trash,
                                    [&](const QString &path) {
                                        running->cancel();
                                        return DeleteJob::unlinkFile(path);
                                    },
                                    {}});
        running = &job;
        connect(&job, &DeleteJob::counterChanged, this, [&](const QString &text) { counters.append(text); });
        worker.run([&] { job.run(); });
        QCOMPARE(list.states(), QStringLiteral("P-SS"));
        QCOMPARE(counters, QStringList{"Removing file: 1 of 3."});
        QCOMPARE(prompter.questions().last().text, QStringLiteral("Cancel entire process ?"));
        QVERIFY(!QFile::exists(paths.at(0)));
        QVERIFY(QFile::exists(paths.at(2)));
    }
};

QObject *createJobsTest()
{
    return new TestJobs;
}

#include "tst_jobs.moc"
