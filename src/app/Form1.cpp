#include "Form1.h"

#include "AddRem.h"
#include "FileListController.h"
#include "FolderTree.h"
#include "ListModel.h"
#include "M3uFile.h"
#include "NimB.h"
#include "OptionsPanel.h"
#include "OwnerDrawList.h"
#include "PathProcedures.h"
#include "PlayerGlyph.h"
#include "Preferences.h"
#include "Prompter.h"
#include "PropertiesSheet.h"
#include "SavedFileList.h"
#include "Scroller.h"
#include "Search.h"
#include "SettingCodec.h"
#include "SettingsStore.h"
#include "SplitterPane.h"
#include "SystemImageList.h"
#include "TitleClick.h"
#include "TitleStrip.h"
#include "Trash.h"
#include "Twips.h"
#include "VersionTitle.h"
#include "frmAbout.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QDesktopServices>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QStorageInfo>
#include <QTimer>
#include <QVBoxLayout>
#include <array>

using namespace PathProcedures;

namespace {

constexpr double DesignWidthTwips = 11295;
constexpr double DesignHeightTwips = 6780;
constexpr int EventSliceMs = 15;

const QLatin1String ProgramTitle("Kestrove");
// The playlist panel's two rows of buttons, in twips.
constexpr int PlaylistRow1Top = 390;
constexpr int PlaylistRow2Top = 720;
constexpr int PlaylistButtonHeight = 315;
// The program's own web page, offered by the web-site command.
constexpr const char *ProjectPage = "https://kestrove.org/";
const QLatin1String PlaylistFileName("default.m3u");
const QLatin1String FileListFileName("files.ini");

enum ItemRole
{
    KindRole = Qt::UserRole,
    PathRole
};

bool hasLocalFile(const QMimeData *data)
{
    if (!data || !data->hasUrls())
        return false;
    const QList<QUrl> urls = data->urls();
    return std::any_of(urls.begin(), urls.end(), [](const QUrl &url) { return url.isLocalFile(); });
}

} // namespace

Form1::Form1(const AppServices &services, const StartOptions &options, QWidget *parent)
    : QMainWindow(parent), m_settings(*services.settings), m_prompter(*services.prompter),
      m_icons(*services.icons), m_trash(*services.trash), m_dataFolder(WithSeparator(services.dataFolder)),
      m_start(options), m_search(*services.prompter)
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(ProgramTitle);
    setAcceptDrops(true);
    buildWindow();
    resize(Twips::toPixels(DesignWidthTwips), Twips::toPixels(DesignHeightTwips));

    UnloadTimer = new QTimer(this);
    UnloadTimer->setObjectName(QStringLiteral("UnloadTimer"));
    UnloadTimer->setSingleShot(true);
    UnloadTimer->setInterval(10);
    connect(UnloadTimer, &QTimer::timeout, this, &Form1::unloadSecondInstance);

    // Every event of the program passes this window's filter once: the window sees every key of
    // its controls first (key preview), and handles the list, tree, title and path bar events.
    QCoreApplication::instance()->installEventFilter(this);
}

Form1::~Form1()
{
    QCoreApplication::instance()->removeEventFilter(this);
}

void Form1::buildWindow()
{
    auto *central = new QWidget(this);
    setCentralWidget(central);

    PathInfo = new QFrame(central);
    PathInfo->setObjectName(QStringLiteral("PathInfo"));
    Label5 = new QLabel(tr("Path:"), PathInfo);
    Label5->setObjectName(QStringLiteral("Label5"));
    PathTxt = new QLineEdit(PathInfo);
    PathTxt->setObjectName(QStringLiteral("PathTxt"));
    Label5->setBuddy(PathTxt);
    connect(PathTxt, &QLineEdit::returnPressed, this, &Form1::pathEntered);
    auto *pathLayout = new QHBoxLayout(PathInfo);
    pathLayout->setContentsMargins(2, 2, 2, 2);
    pathLayout->addWidget(Label5);
    pathLayout->addWidget(PathTxt, 1);
    auto *arrange = new QPushButton(tr("Auto arrange"), PathInfo);
    arrange->setObjectName(QStringLiteral("Command2"));
    arrange->setFocusPolicy(Qt::ClickFocus);
    connect(arrange, &QPushButton::clicked, this, &Form1::AutoArrange);
    pathLayout->addWidget(arrange);
    for (QWidget *target : {static_cast<QWidget *>(PathInfo), static_cast<QWidget *>(Label5),
                            static_cast<QWidget *>(PathTxt)}) {
        target->setAcceptDrops(true);
    }

    line2 = new QFrame(central);
    line2->setObjectName(QStringLiteral("line2"));
    line2->setFrameShape(QFrame::HLine);
    line2->setFrameShadow(QFrame::Sunken);

    Folder1 = new FolderTree;
    Folder1->setObjectName(QStringLiteral("Folder1"));
    Folder1->setImageList(&m_icons);
    connect(Folder1, &FolderTree::folderSelected, this, &Form1::folderSelected);
    connect(Folder1, &FolderTree::rightClicked, this, &Form1::treeRightClicked);

    List1 = new OwnerDrawList;
    List1->setObjectName(QStringLiteral("List1"));
    List1->items()->setImageList(&m_icons);
    connect(List1, &QAbstractItemView::doubleClicked, this, [this](const QModelIndex &index) {
        if (index.isValid())
            List1DblClick(index.row());
    });
    m_fileList = std::make_unique<FileListController>(*List1->items(), m_editList, &m_icons);
    buildFileMenu();
    Arrange = new QMenu(this);
    Arrange->setObjectName(QStringLiteral("Arrange"));
    QAction *autoArrange = Arrange->addAction(tr("Auto arrange to 25 %"), this, &Form1::AutoArrange);
    autoArrange->setObjectName(QStringLiteral("AutoArrange"));

    // Until the player panel has its buttons, Preferences and About are reached by keys.
    auto *preferences = new QAction(tr("Preferences"), this);
    preferences->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Comma));
    connect(preferences, &QAction::triggered, this, &Form1::Preferences_Click);
    auto *about = new QAction(tr("About"), this);
    about->setShortcut(QKeySequence(Qt::Key_F1));
    connect(about, &QAction::triggered, this, &Form1::About_Click);
    addActions({preferences, about});

    PLIST = new OwnerDrawList;
    PLIST->setObjectName(QStringLiteral("PLIST"));
    PLIST->items()->setImageList(&m_icons);

    Video = new QFrame;
    Video->setObjectName(QStringLiteral("Video0"));
    Video->setFrameShape(QFrame::StyledPanel);
    Video->setAutoFillBackground(true);
    QPalette videoPalette = Video->palette();
    videoPalette.setColor(QPalette::Window, Qt::black);
    Video->setPalette(videoPalette);

    FileInfo = new QPlainTextEdit;
    FileInfo->setObjectName(QStringLiteral("FileInfo"));
    FileInfo->setReadOnly(true);
    FileInfo->setMinimumHeight(fontMetrics().height() * 3);
    m_options = new OptionsPanel;

    // Below the media window: the position read-out and the row of player buttons.
    Picture1 = new QWidget;
    Picture1->setObjectName(QStringLiteral("Picture1"));
    m_readOut = new QLabel(QStringLiteral("00:00:00 / 00:00:00"), Picture1);
    m_readOut->setObjectName(QStringLiteral("ReadOut"));
    auto *buttonRow = new QHBoxLayout;
    buttonRow->setSpacing(1);
    buttonRow->setContentsMargins(0, 0, 0, 0);
    const std::array<QString, 9> buttons = {tr("Up one folder"),        tr("Play in a separate window"),
                                            tr("Media window command"), tr("Open in the default program"),
                                            tr("Preferences"),          tr("Show the playing file"),
                                            tr("Open EditList"),        tr("Play in the media player window"),
                                            tr("About Kestrove")};
    for (int i = 0; i < int(buttons.size()); ++i) {
        auto *button = new NimB(Picture1);
        button->setObjectName(QStringLiteral("But%1").arg(i));
        button->setText(QString());
        button->setPicture(PlayerGlyph(i, devicePixelRatioF(), palette().color(QPalette::WindowText)));
        button->setBorderSpace(1);
        button->setToolTip(buttons[std::size_t(i)]);
        button->setAccessibleName(buttons[std::size_t(i)]);
        connect(button, &NimB::Click, this, [this, i] { But_Click(i); });
        But[std::size_t(i)] = button;
        buttonRow->addWidget(button);
    }
    buttonRow->addStretch();
    // The buttons whose windows come with later parts of the program wait for them.
    for (int i : {1, 2, 5, 6, 7})
        But[std::size_t(i)]->setEnabled(false);
    auto *stripLayout = new QVBoxLayout(Picture1);
    stripLayout->setContentsMargins(0, 0, 0, 0);
    stripLayout->setSpacing(1);
    stripLayout->addWidget(m_readOut);
    stripLayout->addLayout(buttonRow);

    // The information box takes the rest of the column; on a short window it scrolls, with the
    // playback options below it.
    auto *infoColumn = new QWidget;
    auto *infoLayout = new QVBoxLayout(infoColumn);
    infoLayout->setContentsMargins(0, 0, 0, 0);
    infoLayout->addWidget(FileInfo, 1);
    infoLayout->addWidget(m_options);
    m_infoArea = new QScrollArea;
    m_infoArea->setObjectName(QStringLiteral("FileInfoArea"));
    m_infoArea->setWidget(infoColumn);
    m_infoArea->setWidgetResizable(true);
    m_infoArea->setFrameShape(QFrame::NoFrame);

    // The playlist's buttons.
    Panel = new QWidget;
    Panel->setObjectName(QStringLiteral("Panel"));
    UsePlaylist = new QCheckBox(tr("USE PLAYLIST"), Panel);
    UsePlaylist->setObjectName(QStringLiteral("UsePlaylist"));
    const std::array<QString, 6> captions = {tr("LOAD"),      tr("ADD TO EDITLIST"), tr("CLEAR ALL"),
                                             tr("CLEAR SEL"), tr("SAVE AS"),         tr("OPTIONS")};
    for (int i = 0; i < int(captions.size()); ++i) {
        auto *button = new NimB(Panel);
        button->setObjectName(QStringLiteral("PLCTL%1").arg(i));
        button->setText(captions[std::size_t(i)]);
        button->setAutoSizeButton(false);
        button->setToolTip(captions[std::size_t(i)]);
        QFont small = button->font();
        small.setPointSizeF(small.pointSizeF() * 0.85);
        button->setTextFont(small);
        button->setFixedHeight(Twips::toPixels(PlaylistButtonHeight));
        connect(button, &NimB::Click, this, [this, i] { PLCTL_Click(i); });
        PLCTL[std::size_t(i)] = button;
    }
    for (int i : {0, 4, 5})
        PLCTL[std::size_t(i)]->setEnabled(false);
    Panel->setFixedHeight(Twips::toPixels(PlaylistRow2Top + PlaylistButtonHeight) + 2);

    SplitterPane3 = new SplitterPane(central);
    SplitterPane2 = new SplitterPane(SplitterPane3);
    SplitterPane1 = new SplitterPane(SplitterPane2);
    for (SplitterPane *pane : {SplitterPane1, SplitterPane2, SplitterPane3}) {
        pane->setPrompter(&m_prompter);
        pane->setFlySize(false);
        // After a drag the lists repaint.
        connect(pane, &SplitterPane::MouseUp, this, &Form1::RefLists);
    }
    SplitterPane1->setObjectName(QStringLiteral("SplitterPane1"));
    SplitterPane2->setObjectName(QStringLiteral("SplitterPane2"));
    SplitterPane3->setObjectName(QStringLiteral("SplitterPane3"));

    const std::array<QString, 4> titles = {tr("FOLDERS"), tr("FILES"), tr("PLAYLIST"), tr("PLAYER")};
    const std::array<SplitterPane *, 4> titleParents = {SplitterPane3, SplitterPane1, SplitterPane1,
                                                        SplitterPane2};
    for (int i = 0; i < 4; ++i) {
        Title[std::size_t(i)] = new TitleStrip(i, titles[std::size_t(i)], titleParents[std::size_t(i)]);
        connect(Title[std::size_t(i)], &TitleStrip::released, this, &Form1::titleReleased);
    }
    Folder1->setParent(SplitterPane3);
    List1->setParent(SplitterPane1);
    PLIST->setParent(SplitterPane1);
    Panel->setParent(SplitterPane1);
    for (QWidget *player : {static_cast<QWidget *>(Video), Picture1, static_cast<QWidget *>(m_infoArea)})
        player->setParent(SplitterPane2);
    for (SplitterPane *pane : {SplitterPane1, SplitterPane2, SplitterPane3})
        pane->bar()->raise();

    connect(SplitterPane3, &SplitterPane::NewSize, this, &Form1::SplitterPane3NewSize);
    connect(SplitterPane2, &SplitterPane::NewSize, this, &Form1::SplitterPane2NewSize);
    connect(SplitterPane1, &SplitterPane::NewSize, this, &Form1::SplitterPane1NewSize);
    SplitterPane3->setDefLeftProc(25);
    SplitterPane2->setDefLeftProc(70);
    SplitterPane1->setDefLeftProc(50);

    auto *layout = new QVBoxLayout(central);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->setSpacing(2);
    layout->addWidget(PathInfo);
    layout->addWidget(line2);
    layout->addWidget(SplitterPane3, 1);
}

int Form1::titleHeight() const
{
    return Title[0]->sizeHint().height();
}

int Form1::pixels(int twips) const
{
    return qRound(twips / Twips::perPixelX(*this));
}

void Form1::SplitterPane3NewSize(int LeftPos, int LeftWidth, int RightPos, int RightWidth, int, int ButtomPos)
{
    const int height = pixels(ButtomPos);
    const int title = titleHeight();
    SplitterPane2->setGeometry(pixels(RightPos), 0, pixels(RightWidth), height);
    if (height - title - 2 > 0)
        Folder1->setGeometry(pixels(LeftPos), title + 2, pixels(LeftWidth), height - title - 2);
    Title[0]->setGeometry(0, 1, pixels(LeftWidth), title);
}

void Form1::SplitterPane2NewSize(int, int LeftWidth, int RightPos, int RightWidth, int, int ButtomPos)
{
    const int height = pixels(ButtomPos);
    const int title = titleHeight();
    SplitterPane1->setGeometry(0, 0, pixels(LeftWidth), height);
    // The media window stays square.
    const int side = qMax(0, pixels(RightWidth) - 2);
    const QRect video(pixels(RightPos), title + 2, side, side);
    Video->setGeometry(video);
    Title[3]->setGeometry(pixels(RightPos) - 1, 1, pixels(RightWidth), title);
    const int strip = Picture1->sizeHint().height();
    Picture1->setGeometry(video.left(), video.bottom() + 3, video.width(), strip);
    const int infoTop = video.bottom() + 3 + strip;
    const int infoHeight = height - infoTop - 2;
    if (infoHeight > 0)
        m_infoArea->setGeometry(video.left(), infoTop, video.width(), infoHeight);
    else
        m_infoArea->setGeometry(video.left(), infoTop, video.width(), 0);
}

void Form1::SplitterPane1NewSize(int LeftPos, int LeftWidth, int RightPos, int RightWidth, int, int ButtomPos)
{
    const int height = pixels(ButtomPos);
    const int title = titleHeight();
    if (height - title - 2 > 0)
        List1->setGeometry(pixels(LeftPos), title + 2, pixels(LeftWidth), height - title - 2);
    const int playlistHeight = height - title - Panel->height() - 2;
    if (playlistHeight > 0)
        PLIST->setGeometry(pixels(RightPos), title + 2, pixels(RightWidth), playlistHeight);
    Panel->setGeometry(PLIST->x(), PLIST->geometry().bottom() + 2, PLIST->width(), Panel->height());
    Title[1]->setGeometry(0, 1, pixels(LeftWidth), title);
    Title[2]->setGeometry(pixels(RightPos), 1, pixels(RightWidth), title);
    placePlaylistButtons();
}

void Form1::placePlaylistButtons()
{
    // Three columns 15 twips apart: CLEAR SEL, CLEAR ALL, LOAD above ADD TO EDITLIST, OPTIONS, SAVE AS.
    const int gap = pixels(15);
    const int width = qMax(1, (Panel->width() - pixels(45)) / 3);
    const int first = gap;
    const int second = first + width + gap;
    const int third = second + width + gap;
    const int row1 = pixels(PlaylistRow1Top);
    const int row2 = pixels(PlaylistRow2Top);
    const int height = PLCTL[0]->height();
    PLCTL[3]->setGeometry(first, row1, width, height);
    PLCTL[2]->setGeometry(second, row1, width, height);
    PLCTL[0]->setGeometry(third, row1, width, height);
    PLCTL[1]->setGeometry(first, row2, width, height);
    PLCTL[5]->setGeometry(second, row2, width, height);
    PLCTL[4]->setGeometry(third, row2, width, height);
    UsePlaylist->setGeometry(0, 0, Panel->width(), row1);
}

void Form1::RefLists()
{
    List1->viewport()->update();
    PLIST->viewport()->update();
}

void Form1::But_Click(int index)
{
    switch (index) {
    case 0:
        if (List1->items()->ListCount() > 0 && List1->items()->kind(0) == ListEntry::Kind::Parent) {
            List1->setListIndex(0);
            List1DblClick(0);
        }
        break;
    case 3: {
        const QString path = m_fileList->GetFullPath(List1->ListIndex());
        if (List1->ListIndex() > 0 && QFileInfo::exists(path))
            QDesktopServices::openUrl(QUrl::fromLocalFile(path));
        break;
    }
    case 4:
        Preferences_Click();
        break;
    case 8:
        About_Click();
        break;
    default:
        break;
    }
}

void Form1::PLCTL_Click(int index)
{
    ListModel *playlist = PLIST->items();
    switch (index) {
    case 1:
        for (int i = 0; i < playlist->ListCount(); ++i) {
            if (!m_editList.contains(playlist->List(i)))
                m_editList.append(playlist->List(i));
        }
        m_fileList->CheckFileList();
        CheckPlayList();
        break;
    case 2:
        playlist->Clear();
        break;
    case 3:
        for (int i = playlist->ListCount() - 1; i >= 0; --i) {
            if (PLIST->Selected(i))
                playlist->RemoveItem(i);
        }
        break;
    default:
        break;
    }
}

void Form1::load()
{
    // Until the window is up, a selection in the folder tree opens nothing.
    Folder1->setLoading(true);
    // 1. Show-all flag.
    m_showAll = SettingCodec::flagEqualsOne(m_settings.get(SettingKey::ShowAllFiles));

    // 2-3. The caption is fixed; the title strips are laid out with their panes.
    setWindowTitle(ProgramTitle);

    // 4. Tab cycles path box -> folder tree -> file list only.
    const QList<QWidget *> children = findChildren<QWidget *>();
    for (QWidget *child : children) {
        if (child->focusPolicy() & Qt::TabFocus)
            child->setFocusPolicy(Qt::ClickFocus);
    }
    for (QWidget *stop :
         {static_cast<QWidget *>(PathTxt), static_cast<QWidget *>(Folder1), static_cast<QWidget *>(List1)})
        stop->setFocusPolicy(Qt::StrongFocus);
    setTabOrder(PathTxt, Folder1);
    setTabOrder(Folder1, List1);

    // 5. Preset lists of the Offset and Slide boxes.
    m_options->fillPresetLists();

    // 6. Drag-and-drop flags of the media-type table.
    for (int row = 0; row < MediaTypes::Count; ++row) {
        if (const std::optional<bool> flag =
                SettingCodec::booleanWord(m_settings.get(SettingKeys::dragDrop(row))))
            m_types.setDragDrop(row, *flag);
    }

    // 7. Picture range and file pattern.
    m_types.setPictureRange(MediaTypes::FirstPictureRow, MediaTypes::LastPictureRow);
    UpdateFilePattern();

    // 8. A second copy closes 10 ms after its start-up has finished. It never writes settings,
    // however it is closed: a logout while its message is up must not overwrite the first copy's.
    if (m_start.anotherInstanceRunning) {
        m_skipSave = true;
        UnloadTimer->start();
        hide();
    }

    // 9. Saved file lists.
    m_fileListUnreadable = !SavedFileList::LoadFileList(m_editList, m_dataFolder + FileListFileName);

    // 10-15. Splitters, options and the window rectangle.
    applyStoredSettings();

    // 16. Show the window.
    if (m_maximizeOnShow)
        showMaximized();
    else
        show();

    // 17. Start location.
    Folder1->setLoading(false);
    openStartLocation();

    // 18. Auto-advance.
    if (const std::optional<bool> on = SettingCodec::checkBox(m_settings.get(SettingKey::AutoPlayNext)))
        m_options->Check1->setChecked(*on);

    // 19. Splitters recompute their panes; the file list takes the focus.
    SplitterPane1->UpdateSize();
    SplitterPane2->UpdateSize();
    List1->setFocus();

    // 20. AutoMini flag.
    if (const std::optional<bool> on = SettingCodec::checkBox(m_settings.get(SettingKey::AutoMini)))
        m_autoMini = *on;

    // 21. First run.
    if (m_settings.get(SettingKey::FirstUse).isEmpty()) {
        m_settings.save(SettingKey::FirstUse, QStringLiteral("false"));
        m_settings.sync();
    }

    // 22. The playlist of the last run.
    const QString playlist = m_dataFolder + PlaylistFileName;
    if (FileExists(playlist))
        m_playlistUnreadable = !loadPlaylist(playlist);

    // 23. Mark the playlist entries that are on the EditList.
    CheckPlayList();
}

void Form1::applyStoredSettings()
{
    using namespace SettingCodec;

    // 10. Splitter shares; the splitter clamps what it is given.
    SplitterPane1->setDefLeftProc(decimalInteger(m_settings.get(SettingKey::DefLeft)));
    SplitterPane2->setDefLeftProc(decimalInteger(m_settings.get(SettingKey::DefLeft2)));
    SplitterPane3->setDefLeftProc(decimalInteger(m_settings.get(SettingKey::DefLeft3)));

    // 11. Autoplay options; auto-advance is enabled only while autoplay is ticked.
    if (const std::optional<bool> on = checkBox(m_settings.get(SettingKey::AutoPlay)))
        m_options->AutoPlay->setChecked(*on);
    if (const std::optional<bool> on = checkBox(m_settings.get(SettingKey::AutoPlayStart)))
        m_options->AutoplayStart->setChecked(*on);

    // 12. Window rectangle and state.
    applyWindowRectangle();

    // 13. The speed slider's set menu.
    m_options->Scroller2->SetMenuCaption(QStringLiteral("1%"), QStringLiteral("100%"),
                                         QStringLiteral("200%"));

    // 14. Live resizing.
    SplitterPane1->setFlySize(flagEqualsOne(m_settings.get(SettingKey::FileFlySize)));
    SplitterPane2->setFlySize(flagEqualsOne(m_settings.get(SettingKey::VideoFlySize)));

    // 15. Last file and position, start offset, slide delay and speed.
    m_currentFile = m_settings.get(SettingKey::LastFile);
    if (const std::optional<bool> on = checkBox(m_settings.get(SettingKey::RemPos)))
        m_options->RemPos->setChecked(*on);
    if (const std::optional<qint32> position = wholeInteger(m_settings.get(SettingKey::LastPos)))
        m_lastPosition = *position;
    if (const std::optional<qint32> offset = wholeInteger(m_settings.get(SettingKey::Offset)))
        m_options->Offset->setCurrentIndex(*offset >= 0 && *offset <= 9 ? *offset : 0);
    if (const std::optional<qint32> slide = wholeInteger(m_settings.get(SettingKey::Slide));
        slide && *slide >= 0 && *slide < m_options->Slide->count())
        m_options->Slide->setCurrentIndex(*slide);
    if (const std::optional<bool> on = checkBox(m_settings.get(SettingKey::RestoreSpeed)))
        m_options->RestoreSpeed->setChecked(*on);
    if (const std::optional<bool> on = checkBox(m_settings.get(SettingKey::MaintainSpeed)))
        m_options->MaintainSpeed->setChecked(*on);
    if (m_options->RestoreSpeed->isChecked()) {
        Scroller *speed = m_options->Scroller2;
        if (const std::optional<qint32> value = wholeInteger(m_settings.get(SettingKey::CurSpeed));
            value && *value >= speed->Min() && *value <= speed->Max())
            speed->setValue(*value);
    }
}

void Form1::applyWindowRectangle()
{
    using namespace SettingCodec;

    const QScreen *display = screen() ? screen() : QGuiApplication::primaryScreen();
    const QRect screenRect = display ? display->geometry() : QRect(0, 0, 1024, 768);
    const double screenWidth = Twips::fromPixels(screenRect.width());
    const double screenHeight = Twips::fromPixels(screenRect.height());
    const double currentWidth = Twips::fromPixels(width());
    const double currentHeight = Twips::fromPixels(height());

    // A stored text with no number in it is left alone rather than read as a zero-sized window.
    double left =
        leadingNumberIfAny(m_settings.get(SettingKey::Left)).value_or((screenWidth - currentWidth) / 2);
    double top =
        leadingNumberIfAny(m_settings.get(SettingKey::Top)).value_or((screenHeight - currentHeight) / 2);
    double windowWidth = leadingNumberIfAny(m_settings.get(SettingKey::Width)).value_or(DesignWidthTwips);
    double windowHeight = leadingNumberIfAny(m_settings.get(SettingKey::Height)).value_or(DesignHeightTwips);

    if (windowWidth > screenWidth)
        windowWidth = screenWidth / 1.5;
    if (left + windowWidth > screenWidth)
        left = screenWidth - windowWidth;
    if (top > screenHeight)
        top = screenHeight - currentHeight;

    move(screenRect.x() + Twips::toPixels(left), screenRect.y() + Twips::toPixels(top));
    resize(Twips::toPixels(windowWidth), Twips::toPixels(windowHeight));

    m_maximizeOnShow = m_settings.get(SettingKey::WinState) == QLatin1String("max");
}

void Form1::UpdateFilePattern()
{
    m_pattern = FilePattern(m_types.filePattern(m_showAll));
}

void Form1::openStartLocation()
{
    const QString lastPath = m_settings.get(SettingKey::LastPath);
    if (!m_start.commandLine.isEmpty())
        OpenCmd(m_start.commandLine);
    else if (!lastPath.isEmpty() && lastPath.compare(computerRootPath(), Qt::CaseInsensitive) != 0)
        OpenCmd(lastPath);
    // A path that no longer leads anywhere opens the computer root rather than an empty list.
    if (m_currentFolder.isEmpty())
        selectComputerRoot();
}

void Form1::unloadSecondInstance()
{
    UnloadTimer->stop();
    m_prompter.message(tr("Kestrove is allready running !"), ProgramTitle, Prompter::Buttons::Ok,
                       Prompter::Icon::Exclamation);
    close();
}

void Form1::OpenCmd(const QString &value, const QString &path)
{
    QString text = path.isEmpty() ? value : path;
    if (text.isEmpty())
        return;
    text.remove(QLatin1Char('"'));

    if (FolderExists(text)) {
        selectFolder(WithSeparator(text));
        return;
    }
    if (!FileExists(text)) {
        const QString folder = FolderOf(text);
        if (FolderExists(folder))
            selectFolder(folder);
        return;
    }
    QCoreApplication::processEvents();
    selectFolder(FolderOf(text));
    selectFileEntry(FileNameOf(text));
}

void Form1::DropFile(const QString &path)
{
    if (path.isEmpty())
        return;
    PathTxt->setText(path);
    pathEntered();
}

void Form1::LinkExecute(const QString &command)
{
    QString requested = command;
    requested.remove(QLatin1Char('"'));
    const bool sameFolder = FolderOf(m_currentFolder) == FolderOf(requested);
    const bool keepAdvance = sameFolder && m_options->Check1->isChecked();
    OpenCmd(command);
    m_options->Check1->setChecked(keepAdvance);
    if (isMinimized())
        showNormal();
    raise();
    activateWindow();
}

void Form1::OpenPlayList(const QString &path)
{
    if (!FileExists(path)) {
        m_prompter.message(tr("ERROR! File don't exist !"), ProgramTitle, Prompter::Buttons::Ok,
                           Prompter::Icon::Critical);
        return;
    }
    if (!loadPlaylist(path))
        m_prompter.message(tr("The playlist %1 cannot be read.").arg(path), ProgramTitle,
                           Prompter::Buttons::Ok, Prompter::Icon::Critical);
}

bool Form1::loadPlaylist(const QString &path)
{
    const std::optional<QStringList> entries = M3uFile::read(path);
    if (!entries)
        return false;
    PLIST->items()->Clear();
    PLIST->items()->AddItems(*entries);
    return true;
}

void Form1::CheckPlayList()
{
    ListModel *entries = PLIST->items();
    QElapsedTimer slice;
    slice.start();
    // Only entries whose mark changes are touched, all in one notification per colour.
    QList<int> marked;
    QList<int> unmarked;
    const int count = entries->ListCount();
    for (int i = 0; i < count; ++i) {
        if ((i & 255) == 0 && slice.elapsed() >= EventSliceMs) {
            QCoreApplication::processEvents();
            slice.restart();
            if (entries->ListCount() != count)
                return;
        }
        const bool onEditList = m_editList.contains(entries->List(i));
        if (onEditList != (entries->ItemForeColor(i) == FileListController::EditListColour))
            (onEditList ? marked : unmarked).append(i);
    }
    entries->setItemForeColors(marked, FileListController::EditListColour);
    entries->setItemForeColors(unmarked, QColor());
}

void Form1::selectFolder(const QString &folder)
{
    // The tree is where the current folder is chosen; its selection fills the list.
    if (!Folder1->setSelectedPath(folder))
        showFolder(folder);
}

void Form1::selectComputerRoot()
{
    Folder1->setSelectedPath(computerRootPath());
}

void Form1::folderSelected(const QString &path, const QString &displayText)
{
    if (!path.isEmpty()) {
        showFolder(path);
        return;
    }
    const QString special = FolderTree::GetSpcFolder(displayText);
    if (special.isEmpty()) {
        List1->items()->Clear();
        PathTxt->setText(Folder1->selectedPath());
    } else if (special.compare(QLatin1String("MC"), Qt::CaseInsensitive) == 0) {
        PathTxt->setText(displayText);
        m_fileList->AddDrives();
        m_currentFolder = computerRootPath();
    } else {
        showFolder(special);
    }
}

void Form1::showFolder(const QString &folder)
{
    const QString path = WithSeparator(folder);
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    QElapsedTimer slice;
    slice.start();
    m_fileList->UpdateList(path, m_pattern, [&slice] {
        // Long listings let the window repaint and answer now and then; short ones never wait.
        if (slice.elapsed() < EventSliceMs)
            return;
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
        slice.restart();
    });
    QGuiApplication::restoreOverrideCursor();
    PathTxt->setText(path);
    m_currentFolder = path;
    CheckPathTxt();
}

void Form1::UpdateList()
{
    if (m_currentFolder == computerRootPath())
        m_fileList->AddDrives();
    else if (!m_currentFolder.isEmpty())
        showFolder(m_currentFolder);
}

void Form1::RefreshList()
{
    // The entry selected before is selected again, without being previewed a second time.
    const QString selected = List1->items()->List(List1->ListIndex());
    Folder1->refresh();
    UpdateList();
    m_suppressPreview = true;
    selectFileEntry(selected);
    m_suppressPreview = false;
}

void Form1::CheckPathTxt()
{
    const QString text = PathTxt->text();
    if (FolderExists(text) && !text.endsWith(Separator))
        PathTxt->setText(text + Separator);
    PathTxt->setCursorPosition(int(PathTxt->text().size()));
}

void Form1::selectFileEntry(const QString &name)
{
    // Names differing only in case are different files here: an exact match comes first.
    const ListModel *entries = List1->items();
    int match = entries->FindItem(name);
    for (int i = 0; i < entries->ListCount() && match < 0; ++i) {
        if (entries->List(i).compare(name, Qt::CaseInsensitive) == 0)
            match = i;
    }
    if (match >= 0)
        List1->setListIndex(match);
}

void Form1::List1DblClick(int row)
{
    const ListModel *entries = List1->items();
    switch (entries->kind(row)) {
    case ListEntry::Kind::Parent: {
        const QString parent = GetPrevPath(m_currentFolder);
        if (parent.isEmpty())
            selectComputerRoot();
        else
            selectFolder(parent);
        break;
    }
    case ListEntry::Kind::Volume:
        if (FolderExists(entries->List(row)))
            selectFolder(entries->List(row));
        break;
    case ListEntry::Kind::Folder:
    case ListEntry::Kind::File: {
        const QString full = m_fileList->GetFullPath(row);
        if (FolderExists(full))
            selectFolder(full);
        break;
    }
    }
}

void Form1::List1Enter()
{
    const int row = List1->ListIndex();
    if (row < 0)
        return;
    const ListModel *entries = List1->items();
    if (entries->kind(row) == ListEntry::Kind::Parent) {
        List1DblClick(row);
        List1->setListIndex(0);
        return;
    }
    CheckPathTxt();
    if (entries->kind(row) == ListEntry::Kind::File) {
        List1DblClick(row);
        QCoreApplication::processEvents();
        List1->setFocus();
        return;
    }
    List1DblClick(row);
    List1->setListIndex(0);
    List1->setFocus();
}

void Form1::pathEntered()
{
    const QString text = PathTxt->text();
    if (FolderExists(text)) {
        PathTxt->setText(WithSeparator(text));
        selectFolder(WithSeparator(text));
    } else if (FileExists(text)) {
        selectFolder(FolderOf(text));
        PathTxt->setText(text);
        selectFileEntry(FileNameOf(text));
    } else if (text.compare(computerRootPath(), Qt::CaseInsensitive) == 0) {
        selectComputerRoot();
    } else {
        QApplication::beep();
        PathTxt->selectAll();
        PathTxt->setFocus();
    }
}

void Form1::buildFileMenu()
{
    File = new QMenu(this);
    File->setObjectName(QStringLiteral("File"));
    auto add = [this](const char *name, const QString &caption, void (Form1::*handler)()) {
        QAction *action = File->addAction(caption, this, handler);
        action->setObjectName(QLatin1String(name));
        return action;
    };
    add("AddToPlayList", tr("Add to playlist >>"), &Form1::AddToPlayList_Click);
    add("AddAllToPlayList", tr("Add all to playlist >>>>"), &Form1::AddAllToPlayList_Click);
    File->addSeparator();
    add("AddToEditList", tr("Add to EditList ( + && .. )"), &Form1::AddToEditList_Click);
    add("AddAllToEditList", tr("Add all to EditList ( + && Enter )"), &Form1::AddAllToEditList_Click);
    File->addSeparator();
    add("RemoveFromEditList", tr("Remove from EditList ( - && .. )"), &Form1::RemoveFromEditList_Click);
    add("RemoveAllFromEditList", tr("Remove all from EditList ( - && Enter )"),
        &Form1::RemoveAllFromEditList_Click);
    File->addSeparator();
    add("OpenEditList", tr("Open EditList"), &Form1::OpenEditList_Click);
    File->addSeparator();
    add("opendef", tr("Open in default player / viewer"), &Form1::opendef_Click);
    add("opensep", tr("Open in seperate window"), &Form1::opensep_Click);
    File->addSeparator();
    add("FileProp", tr("Properties"), &Form1::FileProp_Click);
}

void Form1::SetMenuState()
{
    if (m_contextKind != 0 && m_contextKind != 1 && m_contextKind != 2)
        return;
    const bool file = m_contextKind == 2;
    for (const char *name : {"AddAllToPlayList", "AddToEditList", "AddAllToEditList", "RemoveFromEditList",
                             "RemoveAllFromEditList", "opendef", "opensep"})
        File->findChild<QAction *>(QLatin1String(name))->setEnabled(file);
    if (file)
        File->findChild<QAction *>(QStringLiteral("AddToPlayList"))->setEnabled(true);
}

int Form1::menuEntry() const
{
    // The entry the menu was opened on; from the keyboard, the selected entry.
    return m_menuIndex >= 0 ? m_menuIndex : List1->ListIndex();
}

void Form1::List1RightClick(const QPoint &position)
{
    if (m_editListWindow) {
        m_prompter.message(tr("This option is not available when the EditList is open!"), ProgramTitle,
                           Prompter::Buttons::Ok, Prompter::Icon::Exclamation);
        return;
    }
    ListModel *entries = List1->items();
    const int under = List1->ItemFromPoint(position);
    const int index = under < 0 ? -1 : entries->FindItem(entries->List(under));
    if (index > 0)
        entries->setItemBackColor(index, QColor(0, 255, 0));
    const QString full = m_fileList->GetFullPath(index);
    m_contextKind = index > 0 && FileExists(full) ? 2 : 1;
    SetMenuState();
    if (index > 0) {
        m_menuIndex = index;
        File->exec(List1->viewport()->mapToGlobal(position));
        m_menuIndex = -1;
        entries->setItemBackColor(index, QColor(255, 255, 255));
    }
}

void Form1::treeRightClicked(const QPoint &globalPosition)
{
    m_contextKind = 0;
    SetMenuState();
    m_menuIndex = 0;
    File->exec(globalPosition);
    m_menuIndex = -1;
}

void Form1::AddToPlayList_Click()
{
    const ListModel *entries = List1->items();
    const int index = menuEntry();
    if (index > 0 && entries->kind(index) == ListEntry::Kind::File) {
        const QString path = m_fileList->GetFullPath(index);
        if (PLIST->items()->FindItem(path) < 0)
            addToPlaylist(path);
        return;
    }
    QString folder = m_fileList->GetFullPath(0);
    if (index > 0 && entries->kind(index) == ListEntry::Kind::Folder)
        folder = m_fileList->GetFullPath(index);
    else if (index > 0 && entries->kind(index) == ListEntry::Kind::Volume)
        folder = entries->List(index);
    if (!FolderExists(folder) || m_search.busy())
        return;
    const QString pattern = AddRem::choose(m_types, tr("Add files to playlist"), this);
    if (!pattern.isEmpty())
        searchIntoPlaylist(folder, pattern);
}

void Form1::AddAllToPlayList_Click()
{
    const ListModel *entries = List1->items();
    for (int i = 0; i < entries->ListCount(); ++i) {
        const QString path = m_fileList->GetFullPath(i);
        if (entries->kind(i) != ListEntry::Kind::File || PLIST->items()->FindItem(path) >= 0 ||
            FolderExists(path))
            continue;
        addToPlaylist(path);
    }
}

void Form1::addToPlaylist(const QString &path)
{
    const int row = PLIST->items()->AddItem(path);
    PLIST->items()->setItemIcon(row, m_icons.ItemIndex(path));
}

void Form1::AddToEditList_Click()
{
    m_fileList->AddToEditList(menuEntry());
    CheckPlayList();
}

void Form1::AddAllToEditList_Click()
{
    m_fileList->AddAllToEditListProc(QString());
    CheckPlayList();
}

void Form1::RemoveFromEditList_Click()
{
    m_fileList->RemoveFromEditList(menuEntry());
    CheckPlayList();
}

void Form1::RemoveAllFromEditList_Click()
{
    m_fileList->RemoveAllProc(QString());
    CheckPlayList();
}

void Form1::OpenEditList_Click()
{
    Q_EMIT editListRequested();
}

void Form1::opendef_Click()
{
    const QString path = m_fileList->GetFullPath(menuEntry());
    if (FileExists(path))
        QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

void Form1::opensep_Click()
{
    Q_EMIT separateWindowRequested(m_fileList->GetFullPath(menuEntry()));
}

void Form1::FileProp_Click()
{
    const int index = m_menuIndex;
    const ListModel *entries = List1->items();
    QString path;
    if (index > 0 && entries->kind(index) == ListEntry::Kind::File &&
        FileExists(m_fileList->GetFullPath(index)))
        path = m_fileList->GetFullPath(index);
    else if (index > 0 && FolderExists(m_fileList->GetFullPath(index)))
        path = m_fileList->GetFullPath(index);
    else if (FolderExists(m_fileList->GetFullPath(0)))
        path = m_fileList->GetFullPath(0);
    else if (FolderExists(Folder1->selectedPath()))
        path = Folder1->selectedPath();
    if (!path.isEmpty())
        PropertiesSheet::show(path, this);
}

void Form1::changeEditListByPattern(bool add)
{
    const QString pattern =
        AddRem::choose(m_types, add ? tr("Add files to editlist") : tr("Remove files to editlist"), this);
    if (pattern.isEmpty())
        return;
    if (add)
        m_fileList->AddAllToEditListProc(pattern);
    else
        m_fileList->RemoveAllProc(pattern);
    CheckPlayList();
    List1->setFocus();
}

void Form1::DeleteFile()
{
    const int index = List1->ListIndex();
    if (index < 0)
        return;
    ListModel *entries = List1->items();
    // The ".." entry stands for the folder shown: Delete there removes nothing.
    if (entries->kind(index) == ListEntry::Kind::Parent)
        return;
    if (entries->kind(index) == ListEntry::Kind::Volume) {
        m_prompter.message(tr("You can't delete entier drives !"), ProgramTitle, Prompter::Buttons::Ok,
                           Prompter::Icon::Exclamation);
        return;
    }
    const QString path = m_fileList->GetFullPath(index);
    const bool folder = entries->kind(index) == ListEntry::Kind::Folder;
    if (folder || SettingCodec::flagEqualsOne(m_settings.get(SettingKey::DeleteConfirm))) {
        const QString question =
            folder ? tr("Delete folder \"%1\" ?").arg(path) : tr("Delete file \"%1\" ?").arg(path);
        const QString title = folder ? tr("Send folder to Recycle Bin ?") : tr("Send file to Recycle Bin ?");
        if (m_prompter.message(question, title, Prompter::Buttons::OkCancel, Prompter::Icon::Exclamation) !=
            Prompter::Answer::Ok)
            return;
    }
    if (m_trash.RecycleFile(path) != 0) {
        m_prompter.message(tr("Unable to delete \"%1\".").arg(path), ProgramTitle, Prompter::Buttons::Ok,
                           Prompter::Icon::Exclamation);
        return;
    }
    entries->RemoveItem(index);
    const int next = FileListController::indexAfterRemoval(*entries, index);
    List1->setListIndex(next);
}

void Form1::DeleteFolder()
{
    const QString path = Folder1->selectedPath();
    if (!FolderExists(path)) {
        m_prompter.message(tr("You can't delete special folders !"), ProgramTitle, Prompter::Buttons::Ok,
                           Prompter::Icon::Exclamation);
        return;
    }
    const QString folder = WithSeparator(path);
    if (folder == QLatin1String("/") || WithSeparator(QStorageInfo(folder).rootPath()) == folder) {
        m_prompter.message(tr("You can't delete entier drives !"), ProgramTitle, Prompter::Buttons::Ok,
                           Prompter::Icon::Exclamation);
        return;
    }
    if (m_prompter.message(tr("Delete folder \"%1\" ?").arg(path), tr("Send folder to Recycle Bin ?"),
                           Prompter::Buttons::OkCancel, Prompter::Icon::Exclamation) != Prompter::Answer::Ok)
        return;
    if (m_trash.RecycleFile(path) != 0) {
        m_prompter.message(tr("Unable to delete folder \"%1\".").arg(path), ProgramTitle,
                           Prompter::Buttons::Ok, Prompter::Icon::Exclamation);
        return;
    }
    // The folder is gone: its parent is shown instead.
    Folder1->refresh();
    const QString parent = GetPrevPath(folder);
    if (parent.isEmpty())
        selectComputerRoot();
    else
        selectFolder(parent);
}

void Form1::searchIntoPlaylist(const QString &folder, const QString &pattern)
{
    Search window(this);
    window.setLines(QStringLiteral("..."), tr("Total files found so far : 0"));
    window.show();
    int found = 0;
    ListModel *playlist = PLIST->items();
    const QMetaObject::Connection cancel =
        connect(&window, &Search::cancelRequested, &m_search, &extract::CancelProcess);
    const QMetaObject::Connection file =
        connect(&m_search, &extract::FileFound, this, [&](const QString &path) {
            const QString extension = ExtensionOf(path, true);
            for (int row = 0; row < MediaTypes::Count; ++row) {
                if (extension.compare(m_types.extension(row), Qt::CaseInsensitive) != 0)
                    continue;
                if (playlist->FindItem(path) < 0) {
                    addToPlaylist(path);
                    window.showFound(path, ++found);
                }
            }
        });
    m_search.ExtractDir(folder, pattern);
    disconnect(cancel);
    disconnect(file);
    window.finish();
}

void Form1::closeEvent(QCloseEvent *event)
{
    if (m_editListWindow) {
        m_editListWindow->show();
        m_editListWindow->raise();
        m_editListWindow->activateWindow();
        event->ignore();
        return;
    }
    // A search still running stops at its next step; what it added so far is saved.
    m_search.CancelProcess();
    if (!m_skipSave) {
        saveSettings();
        saveLists();
    }
    if (!m_playlistUnreadable) {
        QStringList entries;
        entries.reserve(PLIST->items()->ListCount());
        for (int i = 0; i < PLIST->items()->ListCount(); ++i)
            entries.append(PLIST->items()->List(i));
        M3uFile::write(m_dataFolder + PlaylistFileName, entries);
    }
    event->accept();
}

void Form1::saveSettings()
{
    using namespace SettingCodec;

    m_settings.save(SettingKey::LastPos, fromInteger(m_lastPosition));

    m_settings.save(SettingKey::CurSpeed, fromInteger(m_options->Scroller2->Value()));
    m_settings.save(SettingKey::RestoreSpeed, fromCheckBox(m_options->RestoreSpeed->isChecked()));
    m_settings.save(SettingKey::MaintainSpeed, fromCheckBox(m_options->MaintainSpeed->isChecked()));
    m_settings.save(SettingKey::AutoPlay, fromCheckBox(m_options->AutoPlay->isChecked()));
    m_settings.save(SettingKey::AutoPlayNext, fromCheckBox(m_options->Check1->isChecked()));
    m_settings.save(SettingKey::AutoPlayStart, fromCheckBox(m_options->AutoplayStart->isChecked()));
    m_settings.save(SettingKey::DefLeft, fromInteger(SplitterPane1->DefLeftProc()));
    m_settings.save(SettingKey::DefLeft2, fromInteger(SplitterPane2->DefLeftProc()));
    m_settings.save(SettingKey::DefLeft3, fromInteger(SplitterPane3->DefLeftProc()));

    if (isMaximized()) {
        m_settings.save(SettingKey::WinState, QStringLiteral("max"));
    } else if (!isMinimized()) {
        m_settings.save(SettingKey::WinState, QStringLiteral("normal"));
        m_settings.save(SettingKey::Left, fromTwips(Twips::fromPixels(x())));
        m_settings.save(SettingKey::Top, fromTwips(Twips::fromPixels(y())));
        m_settings.save(SettingKey::Width, fromTwips(Twips::fromPixels(width())));
        m_settings.save(SettingKey::Height, fromTwips(Twips::fromPixels(height())));
    }

    m_settings.save(SettingKey::LastPath, m_currentFolder.isEmpty() ? computerRootPath() : m_currentFolder);
    m_settings.save(SettingKey::LastFile, m_currentFile);
    m_settings.save(SettingKey::RemPos, fromCheckBox(m_options->RemPos->isChecked()));
    m_settings.save(SettingKey::Offset, fromInteger(m_options->Offset->currentIndex()));
    m_settings.save(SettingKey::Slide, fromInteger(m_options->Slide->currentIndex()));
}

void Form1::saveLists()
{
    if (!m_fileListUnreadable)
        SavedFileList::SaveFileList(m_editList, m_dataFolder + FileListFileName);
    for (int row = 0; row < MediaTypes::Count; ++row)
        m_settings.save(SettingKeys::dragDrop(row), SettingCodec::fromBoolean(m_types.dragDrop(row)));
    m_settings.sync();
}

void Form1::dragEnterEvent(QDragEnterEvent *event)
{
    if (hasLocalFile(event->mimeData()))
        event->acceptProposedAction();
}

void Form1::dropEvent(QDropEvent *event)
{
    const QList<QUrl> urls = event->mimeData()->urls();
    for (const QUrl &url : urls) {
        if (url.isLocalFile()) {
            DropFile(url.toLocalFile());
            break;
        }
    }
    // The dropped file is only opened: the source must not think it was moved or copied.
    event->setDropAction(Qt::IgnoreAction);
    event->accept();
}

bool Form1::isPathBar(const QObject *object) const
{
    return object == PathInfo || object == Label5 || object == PathTxt;
}

void Form1::applySplitterShares(const QList<TitleClick::Assignment> &assignments)
{
    for (const TitleClick::Assignment &assignment : assignments) {
        SplitterPane *splitter = assignment.splitter == 1   ? SplitterPane1
                                 : assignment.splitter == 2 ? SplitterPane2
                                                            : SplitterPane3;
        splitter->setDefLeftProc(assignment.percent);
    }
}

void Form1::titleReleased(int index, Qt::MouseButton button, const QPoint &globalPosition)
{
    if (button == Qt::LeftButton) {
        applySplitterShares(TitleClick::assignments(index, SplitterPane1->MinSize(), SplitterPane2->MinSize(),
                                                    SplitterPane3->MinSize()));
    } else if (button == Qt::RightButton) {
        Arrange->popup(globalPosition);
    }
}

void Form1::AutoArrange()
{
    applySplitterShares(TitleClick::autoArrange());
}

void Form1::StartStopAutoplayNext(bool set, int value)
{
    QCheckBox *advance = m_options->Check1;
    advance->setChecked(set ? value == 1 : !advance->isChecked());
}

void Form1::GotoNextFile()
{
    const int index = List1->ListIndex();
    if (index < List1->items()->ListCount() - 1)
        List1->setListIndex(index + 1);
}

void Form1::GotoPreviousFile()
{
    const int index = List1->ListIndex();
    if (index > 0 && List1->items()->kind(index - 1) == ListEntry::Kind::File)
        List1->setListIndex(index - 1);
}

void Form1::windowKey(const QKeyEvent *key)
{
    switch (key->key()) {
    case Qt::Key_F6:
        PathTxt->setFocus();
        PathTxt->selectAll();
        break;
    case Qt::Key_PageDown:
        GotoNextFile();
        break;
    case Qt::Key_PageUp:
        GotoPreviousFile();
        break;
    case Qt::Key_Space: {
        // Only Shift alone removes; Space with any other modifiers adds.
        const Qt::KeyboardModifiers modifiers = key->modifiers() & ~Qt::KeypadModifier;
        m_menuIndex = List1->ListIndex();
        if (modifiers == Qt::ShiftModifier)
            RemoveFromEditList_Click();
        else
            AddToEditList_Click();
        m_menuIndex = -1;
        break;
    }
    case Qt::Key_F2:
        StartStopAutoplayNext(false, 0);
        break;
    case Qt::Key_F5:
        RefreshList();
        break;
    default:
        break;
    }
}

void Form1::Preferences_Click()
{
    Preferences window(m_settings, m_prompter, m_types, m_showAll, this);
    window.exec();
    // Re-read whatever the answer: a cancelled window left the stored values as they were.
    m_showAll = SettingCodec::flagEqualsOne(m_settings.get(SettingKey::ShowAllFiles));
    SplitterPane1->setFlySize(SettingCodec::flagEqualsOne(m_settings.get(SettingKey::FileFlySize)));
    SplitterPane2->setFlySize(SettingCodec::flagEqualsOne(m_settings.get(SettingKey::VideoFlySize)));
    if (const std::optional<bool> on = SettingCodec::checkBox(m_settings.get(SettingKey::AutoMini)))
        m_autoMini = *on;
    UpdateFilePattern();
    UpdateList();
}

void Form1::About_Click()
{
    frmAbout window(VersionTitle(), m_prompter, this);
    connect(&window, &frmAbout::titleClicked, this, &Form1::WebSite);
    window.exec();
}

void Form1::WebSite()
{
    if (m_prompter.message(tr("Go to our website ?"), ProgramTitle, Prompter::Buttons::OkCancel,
                           Prompter::Icon::Question) == Prompter::Answer::Ok)
        QDesktopServices::openUrl(QUrl(QString::fromLatin1(ProjectPage)));
}

bool Form1::eventFilter(QObject *watched, QEvent *event)
{
    // Key preview: the window acts on its keys first; the focused control still gets them.
    if (event->type() == QEvent::KeyPress && watched->isWidgetType() &&
        static_cast<QWidget *>(watched)->window() == this) {
        const auto *key = static_cast<QKeyEvent *>(event);
        auto *receiver = static_cast<QWidget *>(watched);
        // A key the focused control passes on reaches its parents too; it is acted on once.
        const bool passedOn = key == m_previewedKey && m_previewedReceiver &&
                              receiver != m_previewedReceiver && receiver->isAncestorOf(m_previewedReceiver);
        m_previewedKey = key;
        m_previewedReceiver = receiver;
        if (!passedOn)
            windowKey(key);
    }
    if (watched == List1 && event->type() == QEvent::KeyPress) {
        const auto *key = static_cast<QKeyEvent *>(event);
        const bool keypad = key->modifiers() & Qt::KeypadModifier;
        if (key->key() == Qt::Key_Delete) {
            DeleteFile();
            return true;
        }
        if (keypad && (key->key() == Qt::Key_Plus || key->key() == Qt::Key_Minus)) {
            changeEditListByPattern(key->key() == Qt::Key_Plus);
            return true;
        }
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            List1Enter();
            return true;
        }
        // Space, Page Up and Page Down are the window's keys here (EditList, previous and next file);
        // the list must not also toggle its selection or jump a page.
        if (key->key() == Qt::Key_Space || key->key() == Qt::Key_PageUp || key->key() == Qt::Key_PageDown)
            return true;
    } else if (watched == Folder1 && event->type() == QEvent::KeyPress &&
               static_cast<QKeyEvent *>(event)->key() == Qt::Key_Delete) {
        DeleteFolder();
        return true;
    } else if (watched == List1->viewport() && event->type() == QEvent::MouseButtonPress) {
        m_lastListButton = static_cast<QMouseEvent *>(event)->button();
        // A right click marks its entry green for the menu; it neither selects nor previews it.
        if (m_lastListButton == Qt::RightButton)
            return true;
    } else if (watched == List1->viewport() && event->type() == QEvent::MouseButtonRelease) {
        const auto *mouse = static_cast<QMouseEvent *>(event);
        if (m_lastListButton == Qt::RightButton && mouse->button() == Qt::RightButton) {
            m_lastListButton = Qt::NoButton;
            List1RightClick(mouse->position().toPoint());
            return true;
        }
    } else if (!isPathBar(watched)) {
        return QMainWindow::eventFilter(watched, event);
    } else if (event->type() == QEvent::DragEnter || event->type() == QEvent::DragMove) {
        auto *drag = static_cast<QDragMoveEvent *>(event);
        if (hasLocalFile(drag->mimeData())) {
            drag->acceptProposedAction();
            return true;
        }
    } else if (event->type() == QEvent::Drop) {
        auto *drop = static_cast<QDropEvent *>(event);
        if (hasLocalFile(drop->mimeData())) {
            dropEvent(drop);
            return true;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

QString Form1::computerRootPath()
{
    return FolderTree::specialFolderText(FolderTree::Computer);
}
