// SPDX-License-Identifier: GPL-3.0-or-later
#include "Session.h"
#include "browse/EntryListModel.h"
#include "browse/EntryListView.h"
#include "browse/FolderTree.h"
#include "editlist/EditListWindow.h"
#include "platform/NativePath.h"
#include "playback/MediaPlayer.h"
#include "support/TestFiles.h"
#include "support/TextRow.h"

#include <QAction>
#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTest>
#include <QUrl>

class TestWindowJobs : public QObject
{
    Q_OBJECT

    QList<QUrl> m_urlsOpened;

public Q_SLOTS:
    // Stands in for the desktop's default programs.
    void openUrl(const QUrl &url) { m_urlsOpened.append(url); }

private Q_SLOTS:
    void undecodableNamesAreListedApartAndDeletedExactly()
    {
        Session session;
        const QByteArray media = QFile::encodeName(session.media());
        writeNative(media + "bad\xff.wav");
        writeNative(media + "bad\xef\xbf\xbd.wav");
        session.preset(QStringLiteral("DeleteConfirm"), QStringLiteral("0"));
        session.start(session.media());
        auto *list = session.focused<EntryListView>("fileList");
        const int raw = list->items()->findItem(NativePath::fromBytes("bad\xff.wav"));
        QVERIFY(raw > 0);
        QVERIFY(list->items()->findItem(QString::fromUtf8("bad\xef\xbf\xbd.wav")) > 0);
        list->setCurrentRow(raw);
        QTest::keyClick(list, Qt::Key_Delete);
        QVERIFY(!existsNative(media + "bad\xff.wav"));
        QVERIFY(existsNative(media + "bad\xef\xbf\xbd.wav"));
        QCOMPARE(session.trash.recycled().size(), 1);
    }

    void editListWindowGivesBackWhatItsJobsTook_data()
    {
        QTest::addColumn<bool>("wasPlaying");
        QTest::newRow("playing") << true;
        QTest::newRow("paused") << false;
    }
    void editListWindowGivesBackWhatItsJobsTook()
    {
        QFETCH(bool, wasPlaying);
        Session session;
        MainWindow &form = session.start(session.media());
        const QString onList = session.media(QStringLiteral("a b.mp3"));
        form.editList().append(onList);
        auto *list = session.focused<EntryListView>("fileList");
        const QString path = session.media(QStringLiteral("b.wav"));
        list->setCurrentRow(list->items()->findItem(QStringLiteral("b.wav")));
        Q_EMIT session.player.fileOpened(path);

        auto *open = form.findChild<QAction *>(QStringLiteral("openEditList"));
        open->trigger();
        open->trigger();
        const QList<EditListWindow *> windows = form.findChildren<EditListWindow *>();
        QList<EditListWindow *> shown;
        for (QWidget *widget : QApplication::topLevelWidgets()) {
            if (auto *window = qobject_cast<EditListWindow *>(widget))
                shown.append(window);
        }
        QCOMPARE(shown.size(), 1);
        EditListWindow *editList = shown.first();
        QCOMPARE(editList->list()->items()->text(0), onList);
        QVERIFY(form.isMinimized());
        QVERIFY(!form.close());

        // A job closed the file; once it has ended the file opens again, started only when it was playing.
        session.player.close();
        session.player.calls.clear();
        Q_EMIT editList->fileToGiveBack(TakenFile{path, wasPlaying});
        QCOMPARE(session.player.calls.filter(QStringLiteral("open")), QStringList{"open " + path});
        Q_EMIT session.player.fileOpened(path);
        QCOMPARE(session.player.mode() == MediaPlayer::Playing, wasPlaying);

        // Closing writes the window's list back and marks the file list again.
        editList->list()->items()->clear();
        QVERIFY(editList->close());
        QVERIFY(form.editList().isEmpty());
        QVERIFY(!form.isMinimized());
        QVERIFY(!list->items()->isOnEditList(list->items()->findItem(QStringLiteral("a b.mp3"))));
        QVERIFY(form.close());
    }

    void theDefaultProgramGetsAFileOnceThePlayerHasStopped_data()
    {
        QTest::addColumn<QString>("entry");
        QTest::addColumn<bool>("stopped");
        QTest::newRow("a file") << "b.wav" << true;
        QTest::newRow("a folder") << "sub folder" << false;
    }
    void theDefaultProgramGetsAFileOnceThePlayerHasStopped()
    {
        QFETCH(QString, entry);
        QFETCH(bool, stopped);
        Session session;
        session.start(session.media(QStringLiteral("a b.mp3")));
        auto *list = session.child<EntryListView>("fileList");
        m_urlsOpened.clear();
        QDesktopServices::setUrlHandler(QStringLiteral("file"), this, "openUrl");
        list->setCurrentRow(list->items()->findItem(entry));
        session.player.calls.clear();
        session.child<QAction>("openInDefaultProgram")->trigger();
        QDesktopServices::unsetUrlHandler(QStringLiteral("file"));
        QCOMPARE(m_urlsOpened, QList<QUrl>{QUrl::fromLocalFile(session.media(entry))});
        QCOMPARE(session.player.calls.contains(QStringLiteral("stop")), stopped);
    }

    void deleteFileAsksAndTrashes_data()
    {
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QString>("confirm");
        QTest::addColumn<int>("answer");
        QTest::addColumn<QString>("question");
        QTest::addColumn<bool>("deleted");
        textRow("file, asked, OK", {"b.wav", "1"})
            << int(Prompter::Answer::Ok) << "Delete file \"%1b.wav\" ?" << true;
        textRow("file, asked, Cancel", {"b.wav", "1"})
            << int(Prompter::Answer::Cancel) << "Delete file \"%1b.wav\" ?" << false;
        textRow("file, not asked", {"b.wav", "0"}) << int(Prompter::Answer::Cancel) << "" << true;
        textRow("folder, always asked", {"sub folder", "0"})
            << int(Prompter::Answer::Ok) << "Delete folder \"%1sub folder\" ?" << true;
    }
    void deleteFileAsksAndTrashes()
    {
        QFETCH(QString, entry);
        QFETCH(QString, confirm);
        QFETCH(int, answer);
        QFETCH(QString, question);
        QFETCH(bool, deleted);
        Session session;
        session.preset(QStringLiteral("DeleteConfirm"), confirm);
        MainWindow &form = session.start(session.media());
        auto *list = session.focused<EntryListView>("fileList");
        const int row = list->items()->findItem(entry);
        list->setCurrentRow(row);
        session.prompter.queueAnswer(Prompter::Answer(answer));
        QTest::keyClick(list, Qt::Key_Delete);
        if (question.isEmpty()) {
            QVERIFY(session.prompter.questions().isEmpty());
        } else {
            QCOMPARE(session.prompter.questions().size(), 1);
            QCOMPARE(session.prompter.questions().first().text, question.arg(session.media()));
            QCOMPARE(session.prompter.questions().first().buttonLabels,
                     QStringList({"Move to Trash", "Cancel"}));
        }
        QCOMPARE(QFileInfo::exists(session.media(entry)), !deleted);
        QCOMPARE(list->items()->findItem(entry) < 0, deleted);
        QCOMPARE(session.trash.recycled().size(), deleted ? 1 : 0);
        Q_UNUSED(form);
    }

    void deletingTheLastFileBelowAFolderSelectsNothing()
    {
        Session session;
        QDir(session.media()).removeRecursively();
        QDir().mkpath(session.media(QStringLiteral("dir")));
        writeBytes(session.media(QStringLiteral("only.mp3")), "x");
        session.preset(QStringLiteral("DeleteConfirm"), QStringLiteral("0"));
        session.start(session.media());
        auto *list = session.focused<EntryListView>("fileList");
        list->setCurrentRow(2);
        QTest::keyClick(list, Qt::Key_Delete);
        QCOMPARE(list->items()->count(), 2);
        QCOMPARE(list->currentRow(), -1);

        session.trash.setRefuse(true);
        writeBytes(session.media(QStringLiteral("kept.mp3")), "x");
        session.child<QAction>("refresh")->trigger();
        session.settle();
        list->setCurrentRow(list->items()->findItem(QStringLiteral("kept.mp3")));
        QTest::keyClick(list, Qt::Key_Delete);
        QCOMPARE(session.prompter.questions().last().text,
                 QStringLiteral("Unable to delete \"%1\".\r\n\r\nThe trash is full.")
                     .arg(session.media(QStringLiteral("kept.mp3"))));
        QVERIFY(list->items()->findItem(QStringLiteral("kept.mp3")) > 0);
    }

    // The entry after a deleted one is chosen when the deleted one has left the list: a box
    // about it lets other changes of the list run, which would meet a row half gone.
    void aBoxAboutTheEntryChosenAfterADeletionComesWhenTheDeletedOneHasGone()
    {
        Session session;
        session.preset(QStringLiteral("DeleteConfirm"), QStringLiteral("0"));
        writeBytes(session.media(QStringLiteral("y broken.wav")),
                   QByteArray("RIFF\x0c\0\0\0WAVEdata\0\0\0\0", 20));
        writeBytes(session.media(QStringLiteral("z.mp3")), "x");
        session.start(session.media());
        auto *list = session.focused<EntryListView>("fileList");
        list->setCurrentRow(list->items()->findItem(QStringLiteral("z.mp3")));
        session.prompter.clear();
        QStringList listedWhileAsked;
        session.prompter.setWhileAsked([&] {
            if (listedWhileAsked.isEmpty())
                listedWhileAsked = list->items()->texts();
        });
        QTest::keyClick(list, Qt::Key_Delete);
        QCOMPARE(list->items()->text(list->currentRow()), QStringLiteral("y broken.wav"));
        QVERIFY(!session.prompter.questions().isEmpty());
        QVERIFY(listedWhileAsked.contains(QStringLiteral("y broken.wav")));
        QVERIFY(!listedWhileAsked.contains(QStringLiteral("z.mp3")));
    }

    // The player lets go of a file deleted on its own, as it does for the delete job, and gets it
    // back when the trash refuses it.
    void deletingThePlayingFileLetsThePlayerGoOfIt()
    {
        Session session;
        session.preset(QStringLiteral("DeleteConfirm"), QStringLiteral("0"));
        session.start(session.media());
        auto *list = session.focused<EntryListView>("fileList");
        list->setCurrentRow(list->items()->findItem(QStringLiteral("b.wav")));
        const QString playing = session.media(QStringLiteral("b.wav"));
        QCOMPARE(session.player.fileName(), playing);
        session.trash.setRefuse(true);
        QTest::keyClick(list, Qt::Key_Delete);
        QCOMPARE(session.player.fileName(), playing);
        session.trash.setRefuse(false);
        session.player.calls.clear();
        QTest::keyClick(list, Qt::Key_Delete);
        QVERIFY(session.player.fileName() != playing);
        QCOMPARE(session.player.calls.value(0), QStringLiteral("close"));
        QCOMPARE(session.trash.recycled().size(), 1);
        // Nothing names the file in the trash as held any more.
        QVERIFY(!session.window->windowTitle().contains(QLatin1String("b.wav")));
    }

    void deleteFolderRefusesDrivesAndSpecialFolders_data()
    {
        QTest::addColumn<QString>("folder");
        QTest::addColumn<QString>("message");
        textRow("root", {"/", "You can't delete entier drives !"});
        textRow("computer", {"Computer", "You can't delete special folders !"});
        textRow("the home folder at the top", {"~", "You can't delete special folders !"});
        textRow("a folder", {"%1sub folder/", "Delete folder \"%1sub folder/\" ?"});
    }
    void deleteFolderRefusesDrivesAndSpecialFolders()
    {
        QFETCH(QString, folder);
        QFETCH(QString, message);
        Session session;
        if (folder == QLatin1String("~"))
            folder = QDir::homePath();
        MainWindow &form = session.start();
        auto *tree = session.focused<FolderTree>("folderTree");
        QVERIFY(tree->setSelectedPath(folder.contains(QLatin1String("%1")) ? folder.arg(session.media())
                                                                           : folder));
        session.prompter.queueAnswer(Prompter::Answer::Ok);
        QTest::keyClick(tree, Qt::Key_Delete);
        QCOMPARE(session.prompter.questions().size(), 1);
        QCOMPARE(session.prompter.questions().first().text,
                 message.contains(QLatin1String("%1")) ? message.arg(session.media()) : message);
        if (folder.contains(QLatin1String("%1"))) {
            QVERIFY(!QFileInfo::exists(session.media(QStringLiteral("sub folder"))));
            QCOMPARE(form.currentFolder(), session.media());
        } else {
            QVERIFY(session.trash.recycled().isEmpty());
        }
    }
};

QObject *createWindowTest()
{
    return new TestWindowJobs;
}

#include "tst_jobs.moc"
