#pragma once

#include "AppServices.h"
#include "EditListStore.h"
#include "FilePattern.h"
#include "MediaTypes.h"
#include "TitleClick.h"
#include "extract.h"

#include <QMainWindow>
#include <QPointer>
#include <array>
#include <memory>

class FileListController;
class FolderTree;
class OptionsPanel;
class SystemImageList;
class Trash;
class OwnerDrawList;
class NimB;
class SplitterPane;
class TitleStrip;
class QFrame;
class QLabel;
class QLineEdit;
class QCheckBox;
class QKeyEvent;
class QScrollArea;
class QMenu;
class QPlainTextEdit;
class QTimer;

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
    void CheckPlayList();
    // Reads the folder shown again, keeping the selected entry selected without previewing it.
    void RefreshList();
    void DeleteFile();
    void DeleteFolder();

    void AddToPlayList_Click();
    void AddAllToPlayList_Click();
    void AddToEditList_Click();
    void AddAllToEditList_Click();
    void RemoveFromEditList_Click();
    void RemoveAllFromEditList_Click();
    void OpenEditList_Click();
    void opendef_Click();
    void opensep_Click();
    void FileProp_Click();

    void GotoNextFile();
    void GotoPreviousFile();
    // set true: "Auto play next" takes value (1 on, 0 off); set false: it is toggled.
    void StartStopAutoplayNext(bool set, int value);
    void AutoArrange();
    void Preferences_Click();
    void About_Click();
    void WebSite();
    // Makes the file list and the playlist repaint (after a splitter drag).
    void RefLists();

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

    // The text the folder tree gives for the computer root, the list of volumes.
    static QString computerRootPath();

Q_SIGNALS:
    // The file menu asked for windows that other parts of the program provide.
    void editListRequested();
    void separateWindowRequested(const QString &path);

protected:
    void closeEvent(QCloseEvent *event) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dropEvent(QDropEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildWindow();
    int titleHeight() const;
    int pixels(int twips) const;
    void SplitterPane3NewSize(int LeftPos, int LeftWidth, int RightPos, int RightWidth, int TopPos,
                              int ButtomPos);
    void SplitterPane2NewSize(int LeftPos, int LeftWidth, int RightPos, int RightWidth, int TopPos,
                              int ButtomPos);
    void SplitterPane1NewSize(int LeftPos, int LeftWidth, int RightPos, int RightWidth, int TopPos,
                              int ButtomPos);
    void placePlaylistButtons();
    void But_Click(int index);
    void PLCTL_Click(int index);

    void applyStoredSettings();
    void applyWindowRectangle();
    void UpdateFilePattern();
    void openStartLocation();
    void unloadSecondInstance();

    void selectFolder(const QString &folder);
    void selectComputerRoot();
    void folderSelected(const QString &path, const QString &displayText);
    void showFolder(const QString &folder);
    void UpdateList();
    void CheckPathTxt();
    void selectFileEntry(const QString &name);
    void List1DblClick(int row);
    void List1Enter();
    void List1RightClick(const QPoint &position);
    void treeRightClicked(const QPoint &globalPosition);
    void pathEntered();
    void buildFileMenu();
    void windowKey(const QKeyEvent *key);
    bool isPathBar(const QObject *object) const;
    void titleReleased(int index, Qt::MouseButton button, const QPoint &globalPosition);
    void applySplitterShares(const QList<TitleClick::Assignment> &assignments);
    void SetMenuState();
    int menuEntry() const;
    void changeEditListByPattern(bool add);
    void addToPlaylist(const QString &path);
    // Replaces the playlist with a file's entries; false when the file cannot be read.
    bool loadPlaylist(const QString &path);
    void searchIntoPlaylist(const QString &folder, const QString &pattern);

    void saveSettings();
    void saveLists();

    SettingsStore &m_settings;
    Prompter &m_prompter;
    SystemImageList &m_icons;
    Trash &m_trash;
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
    // 0 the folder tree, 1 a folder or nothing usable, 2 a file: what the file menu offers.
    int m_contextKind = 1;
    Qt::MouseButton m_lastListButton = Qt::NoButton;
    bool m_suppressPreview = false;
    std::unique_ptr<FileListController> m_fileList;
    extract m_search;

    QFrame *PathInfo = nullptr;
    QLabel *Label5 = nullptr;
    QLineEdit *PathTxt = nullptr;
    QFrame *line2 = nullptr;
    SplitterPane *SplitterPane1 = nullptr;
    SplitterPane *SplitterPane2 = nullptr;
    SplitterPane *SplitterPane3 = nullptr;
    std::array<TitleStrip *, 4> Title{};
    QWidget *Picture1 = nullptr;
    QLabel *m_readOut = nullptr;
    std::array<NimB *, 9> But{};
    QScrollArea *m_infoArea = nullptr;
    QWidget *Panel = nullptr;
    QCheckBox *UsePlaylist = nullptr;
    std::array<NimB *, 6> PLCTL{};
    FolderTree *Folder1 = nullptr;
    OwnerDrawList *List1 = nullptr;
    OwnerDrawList *PLIST = nullptr;
    QFrame *Video = nullptr;
    QPlainTextEdit *FileInfo = nullptr;
    OptionsPanel *m_options = nullptr;
    QTimer *UnloadTimer = nullptr;
    QMenu *File = nullptr;
    QMenu *Arrange = nullptr;
    const QKeyEvent *m_previewedKey = nullptr;
    QPointer<QWidget> m_previewedReceiver;
};
