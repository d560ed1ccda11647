// SPDX-License-Identifier: GPL-3.0-or-later
#include "mainwindow/PaneLayout.h"

#include "core/Twips.h"
#include "mainwindow/TitleStrip.h"
#include "widgets/SplitterPane.h"

#include <QAbstractScrollArea>
#include <QMenu>

using PaneArrangement::Splitter;

PaneLayout::PaneLayout(QWidget *container, const Panels &panels, Prompter &prompter, QObject *parent)
    : QObject(parent), m_panels(panels)
{
    m_folders = new SplitterPane(container);
    m_lists = new SplitterPane(m_folders);
    m_files = new SplitterPane(m_lists);
    m_folders->setObjectName(QStringLiteral("foldersSplitter"));
    m_lists->setObjectName(QStringLiteral("listsSplitter"));
    m_files->setObjectName(QStringLiteral("filesSplitter"));
    m_folders->setAccessibleName(tr("Folders and lists"));
    m_lists->setAccessibleName(tr("Lists and player"));
    m_files->setAccessibleName(tr("Files and playlist"));
    for (SplitterPane *pane : {m_files, m_lists, m_folders}) {
        pane->setPrompter(&prompter);
        pane->setLiveResize(false);
        connect(pane, &SplitterPane::mouseReleased, this, &PaneLayout::repaintLists);
    }

    const std::array<QString, 4> captions = {tr("FOLDERS"), tr("FILES"), tr("PLAYLIST"), tr("PLAYER")};
    const std::array<const char *, 4> names = {"foldersTitle", "filesTitle", "playlistTitle", "playerTitle"};
    const std::array<SplitterPane *, 4> holders = {m_folders, m_files, m_files, m_lists};
    for (std::size_t i = 0; i < m_titles.size(); ++i) {
        m_titles[i] = new TitleStrip(int(i), captions[i], holders[i]);
        m_titles[i]->setObjectName(QLatin1String(names[i]));
        connect(m_titles[i], &TitleStrip::released, this, &PaneLayout::titleReleased);
    }
    panels.folders->setParent(m_folders);
    panels.files->setParent(m_files);
    panels.playlist->setParent(m_files);
    panels.player->setParent(m_lists);
    for (SplitterPane *pane : {m_files, m_lists, m_folders})
        pane->bar()->raise();

    connect(m_folders, &SplitterPane::panesResized, this,
            [this](int leftPos, int leftWidth, int rightPos, int rightWidth, int, int bottomPos) {
                placeFolders(leftPos, leftWidth, rightPos, rightWidth, bottomPos);
            });
    connect(m_lists, &SplitterPane::panesResized, this,
            [this](int, int leftWidth, int rightPos, int rightWidth, int, int bottomPos) {
                placeLists(leftWidth, rightPos, rightWidth, bottomPos);
            });
    connect(m_files, &SplitterPane::panesResized, this,
            [this](int leftPos, int leftWidth, int rightPos, int rightWidth, int, int bottomPos) {
                placeFiles(leftPos, leftWidth, rightPos, rightWidth, bottomPos);
            });
    // The player's buttons and options do not shrink: the pane keeps their width.
    m_lists->setRightMinimum(panels.player->minimumSizeHint().width());
    m_folders->setLeftPercent(25);
    m_lists->setLeftPercent(70);
    m_files->setLeftPercent(50);

    m_arrangeMenu = new QMenu(container);
    m_arrangeMenu->setObjectName(QStringLiteral("arrangeMenu"));
    QAction *arrange = m_arrangeMenu->addAction(tr("Auto arrange to 25 %"), this, &PaneLayout::autoArrange);
    arrange->setObjectName(QStringLiteral("autoArrange"));
}

void PaneLayout::setPlaylistCount(int count)
{
    const QString caption = tr("PLAYLIST");
    m_titles[PaneArrangement::Playlist]->setCaption(count > 0 ? caption + QStringLiteral(" (%1)").arg(count)
                                                              : caption);
}

void PaneLayout::autoArrange()
{
    apply(PaneArrangement::autoArrange());
}

void PaneLayout::updatePanels()
{
    m_files->updateSize();
    m_lists->updateSize();
}

int PaneLayout::titleHeight() const
{
    return m_titles[0]->stripHeight();
}

int PaneLayout::pixels(int twips) const
{
    return qRound(twips / Twips::perPixelX(*m_folders));
}

void PaneLayout::placeFolders(int leftPos, int leftWidth, int rightPos, int rightWidth, int bottomPos)
{
    const int height = pixels(bottomPos);
    const int title = titleHeight();
    m_lists->setGeometry(pixels(rightPos), 0, pixels(rightWidth), height);
    if (height - title - 2 > 0)
        m_panels.folders->setGeometry(pixels(leftPos), title + 2, pixels(leftWidth), height - title - 2);
    m_titles[PaneArrangement::Folders]->setGeometry(0, 1, pixels(leftWidth), title);
}

void PaneLayout::placeLists(int leftWidth, int rightPos, int rightWidth, int bottomPos)
{
    const int height = pixels(bottomPos);
    const int title = titleHeight();
    m_files->setGeometry(0, 0, pixels(leftWidth), height);
    m_panels.player->setGeometry(pixels(rightPos), title + 2, pixels(rightWidth),
                                 qMax(0, height - title - 2));
    m_titles[PaneArrangement::Player]->setGeometry(pixels(rightPos) - 1, 1, pixels(rightWidth), title);
}

void PaneLayout::placeFiles(int leftPos, int leftWidth, int rightPos, int rightWidth, int bottomPos)
{
    const int height = pixels(bottomPos);
    const int title = titleHeight();
    if (height - title - 2 > 0) {
        m_panels.files->setGeometry(pixels(leftPos), title + 2, pixels(leftWidth), height - title - 2);
        m_panels.playlist->setGeometry(pixels(rightPos), title + 2, pixels(rightWidth), height - title - 2);
    }
    m_titles[PaneArrangement::Files]->setGeometry(0, 1, pixels(leftWidth), title);
    m_titles[PaneArrangement::Playlist]->setGeometry(pixels(rightPos), 1, pixels(rightWidth), title);
}

void PaneLayout::titleReleased(int index, Qt::MouseButton button, const QPoint &globalPosition)
{
    if (button == Qt::LeftButton)
        apply(PaneArrangement::assignments(index, m_files->minSize(), m_lists->minSize(),
                                           m_folders->minSize()));
    else if (button == Qt::RightButton)
        m_arrangeMenu->popup(globalPosition);
}

void PaneLayout::apply(const QList<PaneArrangement::Assignment> &assignments)
{
    for (const PaneArrangement::Assignment &assignment : assignments) {
        SplitterPane *splitter = assignment.splitter == Splitter::Files   ? m_files
                                 : assignment.splitter == Splitter::Lists ? m_lists
                                                                          : m_folders;
        splitter->setLeftPercent(assignment.percent);
    }
}

void PaneLayout::repaintLists()
{
    // After a drag the lists repaint at once rather than when their next event comes.
    for (QWidget *panel : {m_panels.files, m_panels.playlist}) {
        for (auto *view : panel->findChildren<QAbstractScrollArea *>())
            view->viewport()->update();
        if (auto *view = qobject_cast<QAbstractScrollArea *>(panel))
            view->viewport()->update();
    }
}
