// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "mainwindow/PaneArrangement.h"

#include <QObject>
#include <array>

class Prompter;
class QMenu;
class QWidget;
class SplitterPane;
class TitleStrip;

// The four panels in three nested splitters: folders | (files | playlist) | player. Each splitter
// places its panels and their title strips whenever its bar moves or its size changes. A click on
// a title gives that panel the most room; a right click offers to arrange the panels again.
class PaneLayout : public QObject
{
    Q_OBJECT

public:
    struct Panels
    {
        QWidget *folders;
        QWidget *files;
        QWidget *playlist;
        QWidget *player;
    };

    PaneLayout(QWidget *container, const Panels &panels, Prompter &prompter, QObject *parent = nullptr);

    // The outermost splitter, which holds all the others.
    SplitterPane *root() const { return m_folders; }
    SplitterPane *filesSplitter() const { return m_files; }
    SplitterPane *listsSplitter() const { return m_lists; }
    SplitterPane *foldersSplitter() const { return m_folders; }

    void autoArrange();
    // Shows how many entries the playlist holds in its title.
    void setPlaylistCount(int count);
    // Lays the inner panels out again from the splitters' current shares.
    void updatePanels();

private:
    int titleHeight() const;
    int pixels(int twips) const;
    void placeFolders(int leftPos, int leftWidth, int rightPos, int rightWidth, int bottomPos);
    void placeLists(int leftWidth, int rightPos, int rightWidth, int bottomPos);
    void placeFiles(int leftPos, int leftWidth, int rightPos, int rightWidth, int bottomPos);
    void titleReleased(int index, Qt::MouseButton button, const QPoint &globalPosition);
    void apply(const QList<PaneArrangement::Assignment> &assignments);
    void repaintLists();

    Panels m_panels;
    SplitterPane *m_folders = nullptr;
    SplitterPane *m_lists = nullptr;
    SplitterPane *m_files = nullptr;
    std::array<TitleStrip *, 4> m_titles{};
    QMenu *m_arrangeMenu = nullptr;
};
