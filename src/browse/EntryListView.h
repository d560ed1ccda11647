// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QListView>

class EntryListModel;
class ListThumbnails;

// The list every list of files is made of: a view over its own EntryListModel, drawn by the
// EntryDelegate, with the index-based selection calls the windows use.
class EntryListView : public QListView
{
    Q_OBJECT

public:
    explicit EntryListView(QWidget *parent = nullptr);

    EntryListModel *items() const { return m_model; }

    // The current entry, -1 when none. Setting it selects that entry alone and shows it.
    int currentRow() const;
    void setCurrentRow(int index);

    bool isRowSelected(int index) const;
    void setRowSelected(int index, bool selected);
    void selectRange(bool selected, int first, int last);

    // The entry under a point of the viewport, -1 below the last entry.
    int rowAt(const QPoint &point) const;

    // With the context menu on, a right click neither selects nor moves the current entry: its
    // release raises contextMenuAt for the menu to open on the entry under the pointer.
    void setContextMenuOnRightClick(bool on) { m_contextMenu = on; }
    // Rows as wide as the list, for lists of paths: a path longer than its row is shortened in its
    // folder, its file's name kept whole (the tooltip has it whole), instead of a list as wide as
    // its longest text.
    void setRowsFitWidth(bool on);

    // Rows as tall as the thumbnails' side, showing them; none gives the rows of icons back.
    void showThumbnails(ListThumbnails *thumbnails);

Q_SIGNALS:
    void contextMenuAt(const QPoint &viewportPosition);
    // In a list of single selection, a left press on the entry that was current already: the
    // entry is chosen (again) though the current entry does not change.
    void chosenAgain(int row);

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    // The menu key opens the menu on the current entry.
    void contextMenuEvent(QContextMenuEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void giveRowsTheirWidth();

    EntryListModel *m_model = nullptr;
    bool m_contextMenu = false;
    bool m_rightPressed = false;
    bool m_rowsFitWidth = false;
};
