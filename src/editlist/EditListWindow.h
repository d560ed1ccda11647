// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "editlist/PlayingFile.h"

#include <QFutureWatcher>
#include <QWidget>
#include <functional>
#include <memory>

class EditListCommands;
class EditListJob;
class EditListStore;
class EntryListView;
class FileIconProvider;
class FolderWalker;
class MediaTypes;
class Prompter;
class QButtonGroup;
class QLabel;
class QPushButton;
class TextProgressBar;
class Trash;

// The EditList window: a working copy of the EditList with the jobs' states as colours, the
// commands that edit it, the copy, move and delete jobs, and a drop zone that adds files and
// folders. The EditList is rewritten from the copy after each drop and when the window closes.
// Jobs, folder searches and the search for duplicates run on worker threads; the window stays
// live meanwhile, its commands switched off.
class EditListWindow : public QWidget
{
    Q_OBJECT

public:
    struct Services
    {
        EditListStore &store;
        MediaTypes &types;
        Prompter &prompter;
        FileIconProvider &icons;
        Trash &trash;
        PlayingFile player;
    };

    explicit EditListWindow(Services services, QWidget *parent = nullptr);
    ~EditListWindow() override;

    // Buffer sizes of the copy and move jobs, by option.
    static constexpr qint64 BufferSizes[3] = {8192, 32768, 65536};
    qint64 bufferSize() const;

    EntryListView *list() const { return m_list; }
    // Writes the working copy back to the EditList if it has changed since it was last written,
    // so that the EditList can be saved while the window is open.
    void keepChanges();

Q_SIGNALS:
    // A job took the player's file away: it is to be given back.
    void fileToGiveBack(const TakenFile &taken);
    // The window has closed and written its list back; showAfterClose is the file the user asked
    // to see in the main window, or empty.
    void closed(const QString &showAfterClose);

protected:
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QWidget *makeOperations();
    QWidget *makeLegend();
    QWidget *makeBufferSizes();
    QWidget *makeDropFrame();
    QWidget *makeSearchPanel();
    void fillList();
    void writeBack();
    void updateCaption();
    void updatePattern();
    void setCommandsEnabled(bool on);
    // Work that runs on after the call that started it: the commands are off until it ends, and
    // a close asked for meanwhile happens then.
    void beginBusy();
    void endBusy();
    bool hasSelection() const;

    void copyOrMove(bool move);
    void deleteFiles();
    // Runs the job; afterwards runs once it has ended.
    void runJob(std::unique_ptr<EditListJob> job, std::function<void()> afterwards);
    void offerToClearProcessed();
    void removeDuplicates();
    void duplicatesFound(const QList<int> &rows);
    void editPattern();
    void showInMainWindow();
    void addDropped(const QStringList &paths);
    // Adds the dropped paths still waiting, up to a folder, whose search then goes on.
    void addNextDropped();
    bool searchFolder(const QString &folder);
    void searchEnded();
    void showFoundBytes();

    Services m_services;
    EntryListView *m_list = nullptr;
    std::unique_ptr<EditListCommands> m_commands;
    std::unique_ptr<FolderWalker> m_walker;
    std::unique_ptr<EditListJob> m_job;
    QFutureWatcher<QList<int>> m_duplicates;
    QStringList m_pendingDrops;
    QList<QWidget *> m_commandWidgets;
    QButtonGroup *m_bufferOptions = nullptr;
    QLabel *m_pattern = nullptr;
    QWidget *m_searchPanel = nullptr;
    QLabel *m_searchFolder = nullptr;
    QLabel *m_searchCount = nullptr;
    QLabel *m_searchBytes = nullptr;
    QLabel *m_duplicatesLabel = nullptr;
    TextProgressBar *m_duplicatesBar = nullptr;
    QString m_showAfterClose;
    int m_foundCount = 0;
    double m_foundBytes = 0;
    bool m_captionPending = false;
    int m_busy = 0;
    bool m_closeRequested = false;
    // The working copy changed since it was last written back.
    bool m_listChanged = false;
};
