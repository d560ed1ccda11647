#pragma once

#include "AppServices.h"
#include "EditListStore.h"
#include "FilePattern.h"
#include "MediaTypes.h"
#include "extract.h"

#include <QMainWindow>
#include <QPointer>

class OptionsPanel;
class OwnerDrawList;
class PercentSplitter;
class QFileSystemModel;
class QFrame;
class QLabel;
class QLineEdit;
class QMenu;
class QPlainTextEdit;
class QTimer;
class QTreeView;

// The main window: it owns every pane and the program-wide state, runs the start-up sequence and
// saves everything when it closes.
class Form1 : public QMainWindow
{
    Q_OBJECT

public:
    Form1(const AppServices &services, const StartOptions &options, QWidget *parent = nullptr);
    ~Form1() override;

    // The start-up sequence; the window is shown at its end.
    void load();

    void OpenCmd(const QString &value, const QString &path = QString());
    void DropFile(const QString &path);
    void LinkExecute(const QString &command);
    void OpenPlayList(const QString &path);
    // "Add to playlist >>": the file the file menu was opened on, or the media files of a folder
    // and all its subfolders (the folder the menu was opened on, else the current folder).
    void AddToPlayList_Click();
    void CheckPlayList();

    // While the EditList window is open the main window refuses to close and brings it forward.
    void setEditListWindow(QWidget *window) { m_editListWindow = window; }

    QString currentFolder() const { return m_currentFolder; }
    QString currentFile() const { return m_currentFile; }
    qint32 lastPosition() const { return m_lastPosition; }
    bool showAll() const { return m_showAll; }
    bool autoMini() const { return m_autoMini; }
    const FilePattern &filePattern() const { return m_pattern; }
    EditListStore &editList() { return m_editList; }
    MediaTypes &mediaTypes() { return m_types; }
    OptionsPanel *options() const { return m_options; }

    // The path the folder tree gives for the computer root, the list of volumes.
    static QString computerRootPath() { return QString(); }

protected:
    void closeEvent(QCloseEvent *event) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dropEvent(QDropEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildWindow();
    QWidget *titledPane(int index, const QString &caption, QWidget *content);

    void applyStoredSettings();
    void applyWindowRectangle();
    void UpdateFilePattern();
    void openStartLocation();
    void unloadSecondInstance();

    void selectFolder(const QString &folder);
    void selectComputerRoot();
    void UpdateList();
    void selectFileEntry(const QString &name);
    void listEntryActivated(const QModelIndex &index);
    void treeFolderClicked(const QModelIndex &index);
    void pathEntered();
    void fileListMenuRequested(const QPoint &position);
    void searchIntoPlaylist(const QString &folder, const QString &pattern);

    void saveSettings();
    void saveLists();

    SettingsStore &m_settings;
    Prompter &m_prompter;
    QString m_dataFolder;
    StartOptions m_start;

    MediaTypes m_types;
    FilePattern m_pattern;
    EditListStore m_editList;

    QString m_currentFolder;
    QString m_currentFile;
    qint32 m_lastPosition = 0;
    bool m_showAll = false;
    bool m_autoMini = true;
    bool m_skipSave = false;
    bool m_maximizeOnShow = false;
    // A list file that exists but could not be read is not overwritten at shutdown.
    bool m_fileListUnreadable = false;
    bool m_playlistUnreadable = false;
    QPointer<QWidget> m_editListWindow;
    // The file-list entry the file menu was opened on; -1 when it runs without one.
    int m_menuIndex = -1;
    extract m_search;

    QFrame *PathInfo = nullptr;
    QLabel *Label5 = nullptr;
    QLineEdit *PathTxt = nullptr;
    QFrame *line2 = nullptr;
    PercentSplitter *SplitterPane1 = nullptr;
    PercentSplitter *SplitterPane2 = nullptr;
    PercentSplitter *SplitterPane3 = nullptr;
    QTreeView *Folder1 = nullptr;
    QFileSystemModel *m_folderModel = nullptr;
    OwnerDrawList *List1 = nullptr;
    OwnerDrawList *PLIST = nullptr;
    QFrame *Video = nullptr;
    QPlainTextEdit *FileInfo = nullptr;
    OptionsPanel *m_options = nullptr;
    QTimer *UnloadTimer = nullptr;
    QMenu *File = nullptr;
};
