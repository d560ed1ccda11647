// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "editlist/PlayingFile.h"

#include <QWidget>
#include <functional>
#include <memory>

class EditListCommands;
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
    void whileBusy(const std::function<void()> &work);
    bool hasSelection() const;

    void copyOrMove(bool move);
    void deleteFiles();
    void removeDuplicates();
    void editPattern();
    void showInMainWindow();
    void addDropped(const QStringList &paths);
    void searchFolder(const QString &folder);
    void showFoundBytes();

    Services m_services;
    EntryListView *m_list = nullptr;
    std::unique_ptr<EditListCommands> m_commands;
    std::unique_ptr<FolderWalker> m_walker;
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
    // Ends the copy, move or delete job that runs, if one does.
    std::function<void()> m_stopJob;
};
