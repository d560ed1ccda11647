// SPDX-License-Identifier: GPL-3.0-or-later
#include "browse/EntryListModel.h"
#include "core/MediaTypes.h"
#include "editlist/EditListCommands.h"
#include "support/ScriptedPrompter.h"
#include "support/TemporaryFolder.h"
#include "support/TestFiles.h"

#include <QItemSelectionModel>
#include <QTest>

namespace {

// A list with its selection and the commands over it, every media type collected by drops but ".mid".
struct Fixture
{
    Fixture()
    {
        for (int row = 0; row < MediaTypes::Count; ++row)
            types.setDragDrop(row, row != 4);
    }

    void fill(const QStringList &paths) { list.addItems(paths, ListEntry::Kind::File, -1); }
    QStringList texts() const
    {
        QStringList all;
        for (int i = 0; i < list.count(); ++i)
            all.append(list.text(i));
        return all;
    }
    void select(const QList<int> &rows)
    {
        for (int row : rows)
            selection.select(list.index(row), QItemSelectionModel::Select);
    }

    EntryListModel list;
    QItemSelectionModel selection{&list};
    MediaTypes types;
    ScriptedPrompter prompter;
    EditListCommands commands{list, selection, types, prompter};
};

} // namespace

class TestEditListCommands : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void sizeTexts_data()
    {
        QTest::addColumn<double>("kilobytes");
        QTest::addColumn<QString>("text");
        QTest::newRow("nothing") << 0.0 << "0.0 KB";
        QTest::newRow("exactly 1024 KB") << 1024.0 << "1024.0 KB";
        QTest::newRow("1025 KB") << 1025.0 << "1.0 MB";
        QTest::newRow("exactly 1024 MB") << 1024.0 * 1024 << "1024.0 MB";
        QTest::newRow("over 1024 MB") << 1024.0 * 1024 + 1024 << "1.0 GB";
    }
    void sizeTexts()
    {
        QFETCH(double, kilobytes);
        QFETCH(QString, text);
        QCOMPARE(EditListCommands::sizeText(kilobytes), text);
    }

    void captionCountsTheSelectedFiles()
    {
        TemporaryFolder dir;
        writeBytes(dir.filePath(QStringLiteral("a.mp3")), QByteArray(1536, 'a'));
        writeBytes(dir.filePath(QStringLiteral("b.mp3")), QByteArray(512, 'b'));
        Fixture f;
        f.fill({dir.filePath(QStringLiteral("a.mp3")), dir.filePath(QStringLiteral("b.mp3")),
                dir.filePath(QStringLiteral("gone.mp3"))});
        f.select({0, 1, 2});
        QCOMPARE(f.commands.selectionCaption(), QStringLiteral("FileList (3) files selected (2.0 KB)"));
    }

    void removingDuplicatesKeepsTheFirstOfEach()
    {
        Fixture f;
        QStringList paths;
        for (int i = 0; i < 10; ++i)
            paths.append(QStringLiteral("/m/%1.mp3").arg(i));
        paths[7] = paths[3];
        f.fill(paths);
        f.list.setJobState(9, ListEntry::JobState::Processed);
        int lastFound = -1;
        const QList<int> rows =
            EditListCommands::duplicateRows(f.texts(), [&](int, int found) { lastFound = found; });
        QCOMPARE(rows, QList<int>{7});
        QCOMPARE(lastFound, 1);
        f.commands.removeRows(rows);
        paths.removeAt(7);
        QCOMPARE(f.texts(), paths);
        // What a job did to the entries after a removed one stays with them.
        QCOMPARE(f.list.jobState(8), ListEntry::JobState::Processed);
    }

    void clearingMissingFiles_data()
    {
        QTest::addColumn<QStringList>("names");
        QTest::addColumn<Prompter::Answer>("answer");
        QTest::addColumn<QStringList>("questions");
        QTest::addColumn<QStringList>("left");
        QTest::newRow("empty list") << QStringList{} << Prompter::Answer::Ok << QStringList{}
                                    << QStringList{};
        QTest::newRow("all exist") << QStringList{"a.mp3"} << Prompter::Answer::Ok
                                   << QStringList{"All file(s) exists !"} << QStringList{"a.mp3"};
        QTest::newRow("two gone, cleared")
            << QStringList{"gone1.mp3", "a.mp3", "sub", "gone2.mp3"} << Prompter::Answer::Ok
            << QStringList{"Clear 3 file(s) ?"} << QStringList{"a.mp3"};
        QTest::newRow("two gone, kept")
            << QStringList{"gone1.mp3", "a.mp3"} << Prompter::Answer::Cancel
            << QStringList{"Clear 1 file(s) ?"} << QStringList{"gone1.mp3", "a.mp3"};
    }
    void clearingMissingFiles()
    {
        QFETCH(QStringList, names);
        QFETCH(Prompter::Answer, answer);
        QFETCH(QStringList, questions);
        QFETCH(QStringList, left);
        TemporaryFolder dir;
        writeBytes(dir.filePath(QStringLiteral("a.mp3")), "a");
        QDir(dir.path()).mkdir(QStringLiteral("sub"));
        Fixture f;
        QStringList paths;
        for (const QString &name : names)
            paths.append(dir.filePath(name));
        f.fill(paths);
        f.prompter.queueAnswer(answer);
        f.commands.clearMissing();
        QStringList asked;
        for (const ScriptedPrompter::Question &question : f.prompter.questions())
            asked.append(question.text);
        QCOMPARE(asked, questions);
        QStringList remaining;
        for (const QString &path : f.texts())
            remaining.append(path.mid(dir.path().size() + 1));
        QCOMPARE(remaining, left);
    }

    void clearingSelectedAndProcessedEntries()
    {
        Fixture f;
        f.fill({"/m/0.mp3", "/m/1.mp3", "/m/2.mp3", "/m/3.mp3", "/m/4.mp3"});
        f.list.setJobState(1, ListEntry::JobState::Processed);
        f.list.setJobState(4, ListEntry::JobState::Processed);
        f.list.setJobState(2, ListEntry::JobState::Skipped);
        f.commands.clearProcessed();
        QCOMPARE(f.texts(), QStringList({"/m/0.mp3", "/m/2.mp3", "/m/3.mp3"}));
        QCOMPARE(f.list.jobState(1), ListEntry::JobState::Skipped);
        f.select({0, 2});
        f.prompter.queueAnswer(Prompter::Answer::Cancel);
        f.commands.clearSelected();
        QCOMPARE(f.list.count(), 3);
        f.prompter.queueAnswer(Prompter::Answer::Ok);
        f.commands.clearSelected();
        QCOMPARE(f.texts(), QStringList({"/m/2.mp3"}));
        QVERIFY(!f.selection.hasSelection());
    }

    void dropsCollectTheChosenTypesOnce()
    {
        Fixture f;
        QVERIFY(f.commands.addDroppedFile(QStringLiteral("/m/Song.MP3")));
        QVERIFY(!f.commands.addDroppedFile(QStringLiteral("/m/Song.MP3")));
        QVERIFY(!f.commands.addDroppedFile(QStringLiteral("/m/tune.mid")));
        QVERIFY(!f.commands.addDroppedFile(QStringLiteral("/m/notes.txt")));
        QCOMPARE(f.commands.addFoundFile(QStringLiteral("/m/Song.MP3")), QStringLiteral(".mp3"));
        QCOMPARE(f.commands.addFoundFile(QStringLiteral("/m/tune.mid")), QString());
        QCOMPARE(f.texts(), QStringList({"/m/Song.MP3", "/m/Song.MP3"}));
        QVERIFY(f.commands.patternText().startsWith(QStringLiteral("*.wav; *.voc; *.mp3; *.avi; *.mpg")));
    }
};

QObject *createEditListCommandsTest()
{
    return new TestEditListCommands;
}

#include "tst_editlistcommands.moc"
