// SPDX-License-Identifier: GPL-3.0-or-later
#include "browse/EntryListModel.h"
#include "browse/EntryListView.h"
#include "core/EditListStore.h"
#include "core/Rounding.h"
#include "platform/FileIconProvider.h"
#include "platform/NativePath.h"
#include "playlist/PlaylistCommands.h"
#include "playlist/PlaylistOrder.h"
#include "playlist/PlaylistPanel.h"
#include "playlist/PlaylistWindow.h"
#include "support/ScriptedPrompter.h"
#include "support/TemporaryFolder.h"
#include "support/TestFiles.h"

#include <QAction>
#include <QApplication>
#include <QPushButton>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTest>
#include <QThreadPool>
#include <QTimer>
#include <memory>

namespace {

// Draws the numbers given, in turn.
std::function<double()> drawing(QList<double> numbers)
{
    return [numbers, next = 0]() mutable { return numbers.at(next++ % numbers.size()); };
}

struct Fixture
{
    Fixture()
        : actions{new QAction(&owner), new QAction(&owner), new QAction(&owner),
                  new QAction(&owner), new QAction(&owner), new QAction(&owner)},
          panel(icons, actions),
          commands({panel, prompter, icons, nullptr, [this] { return playing; }, [this] { ++marked; }})
    {
    }

    QObject owner;
    FileIconProvider icons;
    PlaylistPanel::Commands actions;
    PlaylistPanel panel;
    ScriptedPrompter prompter;
    QString playing;
    int marked = 0;
    PlaylistCommands commands;
};

} // namespace

class TestPlaylist : public QObject
{
    Q_OBJECT

    TemporaryFolder m_dir;

private Q_SLOTS:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void movesStopAtTheEnds_data()
    {
        QTest::addColumn<bool>("up");
        QTest::addColumn<int>("index");
        QTest::addColumn<int>("movedTo");
        QTest::addColumn<QString>("order");
        QTest::newRow("up") << true << 1 << 0 << "bac";
        QTest::newRow("up from the first") << true << 0 << 0 << "abc";
        QTest::newRow("down") << false << 1 << 2 << "acb";
        QTest::newRow("down from the last") << false << 2 << 2 << "abc";
        QTest::newRow("nothing chosen") << false << -1 << -1 << "abc";
    }
    void movesStopAtTheEnds()
    {
        QFETCH(bool, up);
        QFETCH(int, index);
        QFETCH(int, movedTo);
        QFETCH(QString, order);
        QStringList entries{"a", "b", "c"};
        QCOMPARE(up ? PlaylistOrder::moveUp(entries, index) : PlaylistOrder::moveDown(entries, index),
                 movedTo);
        QCOMPARE(entries.join(QString()), order);
    }

    void sortingPutsNumbersInTheirOrder_data()
    {
        QTest::addColumn<QStringList>("entries");
        QTest::addColumn<QStringList>("sorted");
        QTest::newRow("numbers by value, letters without case")
            << QStringList{"/m/Track 10.mp3", "/m/track 2.mp3", "/m/b.mp3", "/m/A.mp3"}
            << QStringList{"/m/A.mp3", "/m/b.mp3", "/m/track 2.mp3", "/m/Track 10.mp3"};
        // U+00FF before U+0101 before U+0131, though their low bytes run the other way.
        QTest::newRow("characters beyond Latin-1")
            << QStringList{QStringLiteral("/m/\u0131"), QStringLiteral("/m/\u0101"),
                           QStringLiteral("/m/\u00ff")}
            << QStringList{QStringLiteral("/m/\u00ff"), QStringLiteral("/m/\u0101"),
                           QStringLiteral("/m/\u0131")};
        // Long enough to be sorted in two halves at once and merged.
        QStringList shuffled;
        QStringList inOrder;
        for (int i = 0; i < 30000; ++i) {
            shuffled.append(QStringLiteral("/m/song %1.mp3").arg((i * 7919) % 30000));
            inOrder.append(QStringLiteral("/m/song %1.mp3").arg(i));
        }
        QTest::newRow("a long list") << shuffled << inOrder;
    }

    void sortingPutsNumbersInTheirOrder()
    {
        QFETCH(QStringList, entries);
        QFETCH(QStringList, sorted);
        QCOMPARE(PlaylistOrder::sorted(entries), sorted);
    }

    void shufflingFollowsTheDrawRule_data()
    {
        QTest::addColumn<QStringList>("entries");
        QTest::addColumn<QList<double>>("draws");
        QTest::addColumn<QStringList>("shuffled");
        QTest::newRow("always the first left")
            << QStringList{"a", "b", "c"} << QList<double>{0.0} << QStringList{"a", "b", "c"};
        QTest::newRow("always the last left")
            << QStringList{"a", "b", "c"} << QList<double>{0.99} << QStringList{"c", "b", "a"};
        // 0.5 x 3 = 1.5 goes to 2, 0.5 x 2 = 1, 0.5 x 1 = 0.5 goes to 0.
        QTest::newRow("halves to even")
            << QStringList{"a", "b", "c", "d"} << QList<double>{0.5} << QStringList{"c", "b", "a", "d"};
        QTest::newRow("one entry") << QStringList{"only"} << QList<double>{0.7} << QStringList{"only"};
        QTest::newRow("none") << QStringList() << QList<double>{0.7} << QStringList();
    }
    void shufflingFollowsTheDrawRule()
    {
        QFETCH(QStringList, entries);
        QFETCH(QList<double>, draws);
        QFETCH(QStringList, shuffled);
        QCOMPARE(PlaylistOrder::randomized(entries, drawing(draws)), shuffled);
    }

    void aLongShuffleFollowsTheDrawRule()
    {
        // Long enough for the entries left to span many words of the shuffle's bookkeeping.
        QStringList entries;
        for (int i = 0; i < 1000; ++i)
            entries.append(QString::number(i));
        const auto next = [](quint32 &state) {
            state = state * 1664525u + 1013904223u;
            return double(state >> 8) / double(1u << 24);
        };
        // The rule played out on a plain list, from the same numbers.
        quint32 replayed = 12345;
        QStringList left = entries;
        QStringList expected;
        while (!left.isEmpty())
            expected.append(left.takeAt(Rounding::halfEven64(next(replayed) * double(left.size() - 1))));
        quint32 drawn = 12345;
        const auto draw = [&] { return next(drawn); };
        QCOMPARE(PlaylistOrder::randomized(entries, draw), expected);
    }

    void aLargeShuffleKeepsEveryEntry()
    {
        QStringList entries;
        for (int i = 0; i < 100000; ++i)
            entries.append(QString::number(i));
        QStringList shuffled = PlaylistOrder::randomized(entries, PlaylistOrder::systemDraw);
        QVERIFY(shuffled != entries);
        std::sort(shuffled.begin(), shuffled.end());
        std::sort(entries.begin(), entries.end());
        QCOMPARE(shuffled, entries);
    }

    void theWindowKeepsThePlayingEntryMarked()
    {
        FileIconProvider icons;
        PlaylistWindow window({"/m/c.mp3", "/m/B.mp3", "/m/a.mp3"}, "/m/b.mp3", icons);
        auto *list = window.findChild<EntryListView *>(QStringLiteral("playlistCopy"));
        QCOMPARE(list->items()->playing(), 1);
        window.sort();
        QTRY_COMPARE(window.entries(), QStringList({"/m/a.mp3", "/m/B.mp3", "/m/c.mp3"}));
        QCOMPARE(list->items()->playing(), 1);
        list->setCurrentRow(2);
        window.moveUp();
        QCOMPARE(window.entries(), QStringList({"/m/a.mp3", "/m/c.mp3", "/m/B.mp3"}));
        QCOMPARE(list->currentRow(), 1);
        QCOMPARE(list->items()->playing(), 2);
    }

    void savedAndLoadedBackUnchanged()
    {
        Fixture fixture;
        const QStringList entries{"/m/b.mp3", NativePath::fromBytes("/m/caf\xe9.mp3"), "/m/a b.wav"};
        for (const QString &entry : entries)
            fixture.panel.addFile(entry);
        fixture.prompter.queueFile(m_dir.filePath("mylist"));
        fixture.commands.saveAs();
        QCOMPARE(fixture.prompter.questions().last().title, QStringLiteral("Save playlist"));
        QCOMPARE(fixture.prompter.questions().last().text, QStringLiteral("*.m3u *.*"));
        QTRY_COMPARE(readBytes(m_dir.filePath("mylist.m3u")),
                     QByteArray("/m/b.mp3\r\n/m/caf\xe9.mp3\r\n/m/a b.wav\r\n"));

        fixture.panel.clearAll();
        fixture.playing = "/m/a b.wav";
        fixture.prompter.queueFile(m_dir.filePath("mylist.m3u"));
        fixture.commands.load();
        QTRY_COMPARE(fixture.panel.paths(), entries);
        QCOMPARE(fixture.marked, 1);
        // The entry the player holds is marked and chosen alone.
        QCOMPARE(fixture.panel.view()->items()->playing(), 2);
        QCOMPARE(fixture.panel.view()->currentRow(), 2);
    }

    void savingAsks_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("exists");
        QTest::addColumn<int>("answer");
        QTest::addColumn<QString>("written");
        QTest::addColumn<QString>("message");
        QTest::newRow("extension added") << "songs" << false << 0 << "songs.m3u"
                                         << "";
        QTest::newRow("own extension kept") << "songs.txt" << false << 0 << "songs.txt"
                                            << "";
        QTest::newRow("overwrite agreed") << "songs.m3u" << true << int(Prompter::Answer::Ok) << "songs.m3u"
                                          << "File already exists, overwrite ?";
        QTest::newRow("overwrite refused") << "songs.m3u" << true << int(Prompter::Answer::Cancel) << ""
                                           << "File already exists, overwrite ?";
    }
    void savingAsks()
    {
        QFETCH(QString, name);
        QFETCH(bool, exists);
        QFETCH(int, answer);
        QFETCH(QString, written);
        QFETCH(QString, message);
        TemporaryFolder folder;
        if (exists)
            writeBytes(folder.filePath(name), "old");
        Fixture fixture;
        fixture.panel.addFile("/m/a.mp3");
        fixture.prompter.queueFile(folder.filePath(name));
        fixture.prompter.queueAnswer(Prompter::Answer(answer));
        fixture.commands.saveAs();
        QCOMPARE(fixture.prompter.questions().size(), message.isEmpty() ? 1 : 2);
        if (!message.isEmpty()) {
            QCOMPARE(fixture.prompter.questions().last().text, message);
            QCOMPARE(fixture.prompter.questions().last().title, QStringLiteral("Overwrite?"));
        }
        if (written.isEmpty())
            QCOMPARE(readBytes(folder.filePath(name)), QByteArray("old"));
        else
            QTRY_COMPARE(readBytes(folder.filePath(written)), QByteArray("/m/a.mp3\r\n"));
    }

    void nothingToSaveAndNothingToLoad()
    {
        Fixture fixture;
        fixture.commands.saveAs();
        QCOMPARE(fixture.prompter.questions().last().text, QStringLiteral("Noting to save !"));
        fixture.panel.addFile("/m/kept.mp3");
        fixture.prompter.queueFile(m_dir.filePath("no such list.m3u"));
        fixture.commands.load();
        QCOMPARE(fixture.prompter.questions().last().text, QStringLiteral("ERROR! File don't exist !"));
        QCOMPARE(fixture.prompter.questions().last().icon, Prompter::Icon::Critical);
        QCOMPARE(fixture.panel.paths(), QStringList{"/m/kept.mp3"});
        // A cancelled dialog changes nothing.
        fixture.commands.load();
        QCOMPARE(fixture.panel.paths(), QStringList{"/m/kept.mp3"});
    }

    void aFileThatIsNotAPlaylistLeavesThePlaylistAsItIs()
    {
        Fixture fixture;
        fixture.panel.addFile("/m/kept.mp3");
        QByteArray song("ID3\x04\0\0\0\0\0\0", 10);
        for (int i = 0; i < 20000; ++i)
            song += char(i % 251) + QByteArray(i % 3, '\r');
        writeBytes(m_dir.filePath("song.mp3"), song);
        fixture.prompter.queueFile(m_dir.filePath("song.mp3"));
        fixture.commands.load();
        QTRY_COMPARE(fixture.prompter.questions().size(), 2);
        QCOMPARE(fixture.prompter.questions().last().text,
                 QStringLiteral("The playlist %1 cannot be read: it is not a text file: it holds NUL bytes.")
                     .arg(m_dir.filePath("song.mp3")));
        QCOMPARE(fixture.prompter.questions().last().icon, Prompter::Icon::Critical);
        QCOMPARE(fixture.panel.paths(), QStringList{"/m/kept.mp3"});
        QCOMPARE(fixture.marked, 0);
    }

    void theWindowWritesBackHoweverItCloses()
    {
        Fixture fixture;
        for (const char *entry : {"/m/c.mp3", "/m/a.mp3", "/m/b.mp3"})
            fixture.panel.addFile(QLatin1String(entry));
        QTimer::singleShot(0, [] {
            auto *window = qobject_cast<PlaylistWindow *>(QApplication::activeModalWidget());
            QVERIFY(window);
            window->sort();
            // The close box.
            window->close();
        });
        fixture.commands.showOptions();
        QCOMPARE(fixture.panel.paths(), QStringList({"/m/a.mp3", "/m/b.mp3", "/m/c.mp3"}));
    }

    void aLongSortLeavesTheWindowLive()
    {
        QStringList entries;
        for (int i = 50000; i > 0; --i)
            entries.append(QStringLiteral("/m/%1.mp3").arg(i));
        FileIconProvider icons;
        PlaylistWindow window(entries, QString(), icons);
        window.show();
        auto *sort = window.findChild<QPushButton *>(QStringLiteral("sort"));
        sort->click();
        // The click returned before the order was made: the window shows the old order, and
        // takes no other order command, until the new one arrives.
        QCOMPARE(window.entries().first(), QStringLiteral("/m/50000.mp3"));
        QVERIFY(!sort->isEnabled());
        QVERIFY(!window.findChild<QPushButton *>(QStringLiteral("randomize"))->isEnabled());
        // Escape meanwhile closes the window once the new order is shown.
        QTest::keyClick(&window, Qt::Key_Escape);
        QVERIFY(window.isVisible());
        QTRY_VERIFY(!window.isVisible());
        QCOMPARE(window.entries().first(), QStringLiteral("/m/1.mp3"));
        QCOMPARE(window.entries().size(), entries.size());
        QVERIFY(sort->isEnabled());
    }

    void aLongPlaylistIsMarkedOffTheWindowThread_data()
    {
        QTest::addColumn<bool>("changedMeanwhile");
        QTest::newRow("marked when the look-up ends") << false;
        QTest::newRow("entries changed meanwhile are marked again") << true;
    }
    void aLongPlaylistIsMarkedOffTheWindowThread()
    {
        QFETCH(bool, changedMeanwhile);
        QStringList entries;
        EditListStore editList;
        for (int i = 0; i < 20000; ++i) {
            entries.append(QStringLiteral("/m/%1.mp3").arg(i));
            if (i % 7 == 0)
                editList.append(entries.last());
        }
        Fixture fixture;
        fixture.panel.setPaths(entries);
        EntryListModel *items = fixture.panel.view()->items();
        items->setOnEditList(1, true);
        QSignalSpy marked(&fixture.panel, &PlaylistPanel::editListMarked);
        fixture.panel.markEditList(editList);
        // Only the last marking asked for is shown.
        fixture.panel.markEditList(editList);
        if (changedMeanwhile) {
            entries.removeFirst();
            fixture.panel.setPaths(entries);
        }
        QVERIFY(marked.wait());
        QThreadPool::globalInstance()->waitForDone();
        QCoreApplication::sendPostedEvents();
        QCOMPARE(marked.size(), 1);
        for (int i = 0; i < items->count(); ++i)
            QCOMPARE(items->isOnEditList(i), editList.contains(items->text(i)));
    }

    void theLastListAskedForIsShown_data()
    {
        QTest::addColumn<bool>("closedWhileReading");
        QTest::newRow("the later list is shown") << false;
        QTest::newRow("a read that ends after the playlist is gone is dropped") << true;
    }
    void theLastListAskedForIsShown()
    {
        QFETCH(bool, closedWhileReading);
        QByteArray longList;
        for (int i = 0; i < 50000; ++i)
            longList += "/m/long " + QByteArray::number(i) + ".mp3\r\n";
        writeBytes(m_dir.filePath("long.m3u"), longList);
        writeBytes(m_dir.filePath("short.m3u"), "/m/short.mp3\r\n");
        auto fixture = std::make_unique<Fixture>();
        fixture->commands.open(m_dir.filePath("long.m3u"));
        if (closedWhileReading) {
            fixture.reset();
        } else {
            fixture->commands.open(m_dir.filePath("short.m3u"));
            QTRY_COMPARE(fixture->panel.paths(), QStringList{"/m/short.mp3"});
        }
        // Whatever ends later reaches nothing: the long list is not shown over the short one,
        // and a read of a playlist that is gone touches nothing.
        QThreadPool::globalInstance()->waitForDone();
        QCoreApplication::sendPostedEvents();
        if (fixture) {
            QCOMPARE(fixture->panel.paths(), QStringList{"/m/short.mp3"});
            QCOMPARE(fixture->marked, 1);
        }
    }
};

QTEST_MAIN(TestPlaylist)
#include "tst_playlist.moc"
