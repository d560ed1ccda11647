// SPDX-License-Identifier: GPL-3.0-or-later
#include "browse/EntryListModel.h"
#include "browse/EntryListView.h"
#include "core/EditListStore.h"
#include "core/MediaTypes.h"
#include "editlist/DropZone.h"
#include "editlist/EditListWindow.h"
#include "platform/FileIconProvider.h"
#include "support/FolderTrash.h"
#include "support/ScriptedPrompter.h"
#include "support/TemporaryFolder.h"
#include "support/TestFiles.h"
#include "support/TextRow.h"
#include "widgets/TextProgressBar.h"

#include <QAccessible>
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QMimeData>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

namespace {

// An EditList window over a store of its own, once opened; every media type collected by drops but ".wav".
struct WindowFixture
{
    WindowFixture()
    {
        for (int row = 0; row < MediaTypes::Count; ++row)
            types.setDragDrop(row, row != 0);
    }
    // Opens the window over the store as it is now.
    void open()
    {
        window = new EditListWindow({store, types, prompter, icons, trash, player});
        window->show();
    }
    ~WindowFixture() { delete window.data(); }

    QStringList listed() const
    {
        QStringList texts;
        for (int i = 0; i < window->list()->items()->count(); ++i)
            texts.append(window->list()->items()->text(i));
        return texts;
    }

    TemporaryFolder dir;
    TemporaryFolder trashFolder;
    EditListStore store;
    MediaTypes types;
    ScriptedPrompter prompter;
    FileIconProvider icons;
    FolderTrash trash{trashFolder.path()};
    PlayingFile player;
    QPointer<EditListWindow> window;
};

} // namespace

class TestEditListWindow : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void dropsAddFilesAndSearchFolders()
    {
        WindowFixture f;
        QDir(f.dir.path()).mkpath(QStringLiteral("album/disc 2"));
        for (const char *name :
             {"album/one.mp3", "album/two.wav", "album/disc 2/three.MP3", "loose.mp3", "notes.txt"})
            writeBytes(f.dir.filePath(QLatin1String(name)), QByteArray(2048, 'x'));
        f.store.append(f.dir.filePath(QStringLiteral("loose.mp3")));
        f.open();
        QCOMPARE(f.listed(), QStringList{f.dir.filePath(QStringLiteral("loose.mp3"))});

        auto *zone = f.window->findChild<DropZone *>(QStringLiteral("dropZone"));
        QMimeData data;
        data.setUrls({QUrl::fromLocalFile(f.dir.filePath(QStringLiteral("loose.mp3"))),
                      QUrl::fromLocalFile(f.dir.filePath(QStringLiteral("notes.txt"))),
                      QUrl::fromLocalFile(f.dir.filePath(QStringLiteral("album")))});
        QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(zone, &enter);
        QVERIFY(enter.isAccepted());
        QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(zone, &drop);
        QCOMPARE(drop.dropAction(), Qt::IgnoreAction);
        // The search runs once the drop is over.
        QTRY_COMPARE(f.listed().size(), 3);
        QTRY_VERIFY(f.window->findChild<QPushButton *>(QStringLiteral("copy"))->isEnabled());
        QCOMPARE(f.listed().mid(1), QStringList({f.dir.filePath(QStringLiteral("album/one.mp3")),
                                                 f.dir.filePath(QStringLiteral("album/disc 2/three.MP3"))}));
        QCOMPARE(f.store.entries(), f.listed());
        QVERIFY(!f.window->findChild<QWidget *>(QStringLiteral("searchPanel"))->isVisible());
        QVERIFY(f.window->findChild<QPushButton *>(QStringLiteral("copy"))->isEnabled());

        QMimeData text;
        text.setText(QStringLiteral("hello"));
        QDragEnterEvent textEnter(QPoint(5, 5), Qt::CopyAction, &text, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(zone, &textEnter);
        QDropEvent textDrop(QPointF(5, 5), Qt::CopyAction, &text, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(zone, &textDrop);
        QCOMPARE(f.prompter.questions().size(), 1);
        QCOMPARE(
            f.prompter.questions().last().text,
            QStringLiteral("This dataformat is not supported!\r\nYou can only drop files and folders !"));
    }

    void closingWritesTheListBackAndNamesTheFileToShow()
    {
        WindowFixture f;
        writeBytes(f.dir.filePath(QStringLiteral("a.mp3")), "a");
        f.store.append(f.dir.filePath(QStringLiteral("gone.mp3")));
        f.store.append(f.dir.filePath(QStringLiteral("a.mp3")));
        f.open();
        QSignalSpy closed(f.window.data(), &EditListWindow::closed);
        EntryListView *list = f.window->list();

        // A right click on a file that is gone says so and keeps the window.
        const QPoint first = list->visualRect(list->items()->index(0)).center();
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, first);
        QTest::mouseClick(list->viewport(), Qt::RightButton, {}, first);
        QTRY_COMPARE(f.prompter.questions().size(), 1);
        QVERIFY(f.prompter.questions().first().text.startsWith(QStringLiteral("This file does not exist.")));
        QVERIFY(f.window->isVisible());
        QCOMPARE(f.window->windowTitle(), QStringLiteral("FileList (1) files selected (0.0 KB)"));

        f.window->list()->items()->removeItem(0);
        const QPoint second = list->visualRect(list->items()->index(0)).center();
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, second);
        QTest::mouseClick(list->viewport(), Qt::RightButton, {}, second);
        QTRY_COMPARE(closed.size(), 1);
        QCOMPARE(closed.first().first().toString(), f.dir.filePath(QStringLiteral("a.mp3")));
        QCOMPARE(f.store.entries(), QStringList{f.dir.filePath(QStringLiteral("a.mp3"))});
    }

    void removingDuplicatesShowsItsProgressAndEnds()
    {
        WindowFixture f;
        for (const char *path : {"/m/1.mp3", "/m/2.mp3", "/m/1.mp3", "/m/3.mp3", "/m/2.mp3"})
            f.store.append(QLatin1String(path));
        f.open();
        f.window->findChild<QPushButton *>(QStringLiteral("removeDuplicates"))->click();
        QTRY_COMPARE(f.listed(), QStringList({"/m/1.mp3", "/m/2.mp3", "/m/3.mp3"}));
        QCOMPARE(f.prompter.questions().last().text, QStringLiteral("DONE !"));
        QVERIFY(f.window->list()->isVisible());
    }

    void copyOrMoveWithNothingSelectedSaysWhatToDo_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("said");
        textRow("copy", {"copy", "Select the files to copy first."});
        textRow("move", {"move", "Select the files to move first."});
    }
    void copyOrMoveWithNothingSelectedSaysWhatToDo()
    {
        QFETCH(QString, button);
        QFETCH(QString, said);
        WindowFixture f;
        writeBytes(f.dir.filePath(QStringLiteral("a.mp3")), "a");
        f.store.append(f.dir.filePath(QStringLiteral("a.mp3")));
        f.open();
        f.window->list()->clearSelection();
        f.window->findChild<QPushButton *>(button)->click();
        QCOMPARE(f.prompter.questions().size(), 1);
        QCOMPARE(f.prompter.questions().first().text, said);
        QVERIFY(f.window->findChild<QPushButton *>(button)->isEnabled());
    }

    // While the window is open its working copy reaches the EditList for saving once it has
    // changed: entries taken off, and entries a move gave new paths; a job's colours change nothing.
    void theWorkingCopyIsKeptWhenItChanged()
    {
        WindowFixture f;
        for (const char *name : {"a.mp3", "b.mp3"})
            f.store.append(f.dir.filePath(QLatin1String(name)));
        f.open();
        EntryListModel *entries = f.window->list()->items();
        const quint64 opened = f.store.revision();
        entries->setJobState(0, ListEntry::JobState::Processed);
        f.window->keepChanges();
        QCOMPARE(f.store.revision(), opened);
        entries->setText(0, f.dir.filePath(QStringLiteral("moved/a.mp3")));
        f.window->keepChanges();
        QCOMPARE(f.store.entries(), QStringList({f.dir.filePath(QStringLiteral("moved/a.mp3")),
                                                 f.dir.filePath(QStringLiteral("b.mp3"))}));
        entries->removeItem(1);
        f.window->keepChanges();
        QCOMPARE(f.store.entries(), QStringList{f.dir.filePath(QStringLiteral("moved/a.mp3"))});
    }

    // Files passed quickly are shown only now and then; one a question is about is shown with it.
    void aQuestionIsAskedBesideTheFileItIsAbout()
    {
        WindowFixture f;
        TemporaryFolder destination;
        for (const char *name : {"a.mp3", "b.mp3", "c.mp3"}) {
            writeBytes(f.dir.filePath(QLatin1String(name)), "new");
            f.store.append(f.dir.filePath(QLatin1String(name)));
        }
        writeBytes(destination.filePath(QStringLiteral("b.mp3")), "old");
        f.open();
        f.window->list()->selectAll();
        f.prompter.queueFile(destination.path());
        f.prompter.queueAnswer(Prompter::Answer::Ok);
        f.prompter.queueAnswer(Prompter::Answer::No);
        QStringList shown;
        QStringList barNames;
        f.prompter.setWhileAsked([&] {
            const auto *dialog = f.window->findChild<QDialog *>(QStringLiteral("copyJobDialog"));
            if (barNames.isEmpty()) {
                for (TextProgressBar *bar : dialog->findChildren<TextProgressBar *>())
                    barNames.append(QAccessible::queryAccessibleInterface(bar)->text(QAccessible::Name));
            }
            QStringList lines{dialog->findChild<QGroupBox *>()->title()};
            for (const QLabel *label : dialog->findChildren<QLabel *>()) {
                if (label->text().startsWith(QStringLiteral("From : ")) ||
                    label->text().startsWith(QStringLiteral("To : ")))
                    lines.append(label->text());
            }
            shown.append(lines.join(QLatin1Char('|')));
        });
        QPushButton *copy = f.window->findChild<QPushButton *>(QStringLiteral("copy"));
        copy->click();
        QTRY_VERIFY(copy->isEnabled());
        QCOMPARE(f.prompter.questions().size(), 3);
        QVERIFY(f.prompter.questions().at(2).text.contains(QStringLiteral("allready exist!")));
        QCOMPARE(shown.at(2), QStringLiteral("Copying file: 2 of 3 file(s).|From : %1|To : %2")
                                  .arg(f.dir.filePath(QStringLiteral("b.mp3")),
                                       destination.filePath(QStringLiteral("b.mp3"))));
        QCOMPARE(readBytes(destination.filePath(QStringLiteral("b.mp3"))), QByteArray("old"));
        // A screen reader names the bars before they show a figure.
        QCOMPARE(barNames, QStringList({"Current file progress:", "All file(s) progress:"}));
    }

    void theWindowIsActiveAgainOnceAJobHasEnded()
    {
        WindowFixture f;
        TemporaryFolder destination;
        writeBytes(f.dir.filePath(QStringLiteral("a.mp3")), "x");
        f.store.append(f.dir.filePath(QStringLiteral("a.mp3")));
        f.open();
        f.window->activateWindow();
        QTRY_COMPARE(QApplication::activeWindow(), f.window.data());
        f.window->list()->selectAll();
        f.prompter.queueFile(destination.path());
        f.prompter.queueAnswer(Prompter::Answer::Ok);
        // The job's window takes the keys while it runs; it goes when the job ends.
        f.prompter.setWhileAsked([&f] {
            if (QWidget *dialog = f.window->findChild<QDialog *>(QStringLiteral("copyJobDialog")))
                dialog->activateWindow();
        });
        QPushButton *copy = f.window->findChild<QPushButton *>(QStringLiteral("copy"));
        copy->click();
        QTRY_VERIFY(copy->isEnabled());
        QTRY_COMPARE(QApplication::activeWindow(), f.window.data());
    }

    void closingDuringAJobStopsItAndClosesWhenItHasEnded()
    {
        WindowFixture f;
        TemporaryFolder destination;
        for (const char *name : {"a.mp3", "b.mp3", "c.mp3"}) {
            writeBytes(f.dir.filePath(QLatin1String(name)), "x");
            f.store.append(f.dir.filePath(QLatin1String(name)));
        }
        // The window is closed (a logout) as the job takes up its first file.
        bool closing = false;
        f.player.fileName = [&] {
            if (!std::exchange(closing, true))
                f.window->close();
            return QString();
        };
        f.open();
        QSignalSpy closed(f.window.data(), &EditListWindow::closed);
        f.window->list()->selectAll();
        f.prompter.queueFile(destination.path());
        f.prompter.queueAnswer(Prompter::Answer::Ok);
        f.window->findChild<QPushButton *>(QStringLiteral("copy"))->click();
        // The job runs on: the window is still there, its commands off.
        QVERIFY(f.window->isVisible());
        QVERIFY(!f.window->findChild<QPushButton *>(QStringLiteral("copy"))->isEnabled());
        QTRY_COMPARE(closed.size(), 1);
        QCOMPARE(f.store.entries().size(), 3);
        QCOMPARE(QDir(destination.path()).entryList(QDir::Files | QDir::Hidden), QStringList());
        QVERIFY(!f.prompter.questions().last().text.startsWith(QStringLiteral("Cancel")));
    }
};

QObject *createEditListWindowTest()
{
    return new TestEditListWindow;
}

#include "tst_editlistwindow.moc"
