// SPDX-License-Identifier: GPL-3.0-or-later
#include "playlist/PlaylistPanel.h"

#include "browse/DroppedFiles.h"
#include "browse/EntryListModel.h"
#include "browse/EntryListView.h"
#include "core/EditListStore.h"
#include "core/ListFiles.h"
#include "core/M3uFile.h"
#include "core/OffThread.h"
#include "core/Twips.h"
#include "platform/FileIconProvider.h"
#include "widgets/FlatButton.h"

#include <QAction>
#include <QCheckBox>
#include <QDropEvent>

namespace {

// The button panel's two rows, in twips.
constexpr int Row1Top = 390;
constexpr int Row2Top = 720;
constexpr int ButtonHeight = 315;
constexpr int ColumnGap = 15;

enum Button
{
    Load,
    AddToEditList,
    ClearAll,
    ClearSelected,
    SaveAs,
    Options
};

// Up to this many entries are looked up on the window's thread, well within a frame; the marks of
// a short list are there as soon as it is.
constexpr int MarkAtOnceUpTo = 5000;

// The rows of the entries that are on the EditList, in ascending order.
QList<int> rowsOnEditList(const QStringList &texts, const QHash<QString, int> &editListCounts)
{
    QList<int> rows;
    if (editListCounts.isEmpty())
        return rows;
    for (int i = 0; i < int(texts.size()); ++i) {
        if (editListCounts.contains(texts.at(i)))
            rows.append(i);
    }
    return rows;
}

} // namespace

PlaylistPanel::PlaylistPanel(FileIconProvider &icons, const Commands &commands, QWidget *parent)
    : QWidget(parent), m_icons(icons)
{
    setObjectName(QStringLiteral("playlistPanel"));
    m_view = new EntryListView(this);
    m_view->setObjectName(QStringLiteral("playlistView"));
    m_view->setAccessibleName(tr("Playlist"));
    // Paths too long for the pane give way in their folder, keeping the file's name whole; the
    // tooltip has the whole path.
    m_view->setRowsFitWidth(true);
    m_view->viewport()->setAcceptDrops(true);
    m_view->viewport()->installEventFilter(this);
    m_view->items()->setIconProvider(&m_icons);

    m_buttonPanel = new QWidget(this);
    m_buttonPanel->setObjectName(QStringLiteral("playlistButtons"));
    m_usePlaylist = new QCheckBox(tr("USE PLAYLIST"), m_buttonPanel);
    m_usePlaylist->setObjectName(QStringLiteral("usePlaylist"));
    for (std::size_t i = 0; i < commands.size(); ++i) {
        auto *button = new FlatButton(m_buttonPanel);
        button->setObjectName(commands[i]->objectName() + QLatin1String("Button"));
        // Not sized to its text, so that the text is measured only when it is drawn.
        button->setAutoSize(false);
        button->setText(commands[i]->text());
        button->setToolTip(commands[i]->text());
        QFont small = button->font();
        small.setPointSizeF(small.pointSizeF() * 0.85);
        button->setTextFont(small);
        button->setFixedHeight(Twips::toPixels(ButtonHeight));
        button->setAction(commands[i]);
        m_buttons[i] = button;
    }
    m_buttonPanel->setFixedHeight(Twips::toPixels(Row2Top + ButtonHeight) + 2);
}

QStringList PlaylistPanel::paths() const
{
    return m_view->items()->texts();
}

bool PlaylistPanel::contains(const QString &path) const
{
    return m_view->items()->findItem(path) >= 0;
}

bool PlaylistPanel::addFile(const QString &path)
{
    if (!ListFiles::canHold(path))
        return false;
    const int row = m_view->items()->addItem(path);
    m_view->items()->setItemIcon(row, m_icons.iconIndex(path));
    return true;
}

QString PlaylistPanel::loadFile(const QString &path)
{
    return showFile(M3uFile::read(path));
}

QString PlaylistPanel::showFile(TextLineFile::Contents contents)
{
    if (contents.status == TextLineFile::Contents::Status::Missing)
        return tr("the file does not exist");
    if (contents.status == TextLineFile::Contents::Status::Refused)
        return contents.problem;
    // Icons are found from the paths when the entries are first drawn.
    setPaths(std::move(contents.lines));
    return {};
}

QString PlaylistPanel::saveFile(const QString &path) const
{
    return M3uFile::write(path, paths());
}

bool PlaylistPanel::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::DragEnter || event->type() == QEvent::DragMove) {
        auto *drag = static_cast<QDragMoveEvent *>(event);
        if (!DroppedFiles::paths(drag->mimeData()).isEmpty()) {
            drag->acceptProposedAction();
            return true;
        }
    } else if (event->type() == QEvent::Drop) {
        auto *drop = static_cast<QDropEvent *>(event);
        const QStringList paths = DroppedFiles::paths(drop->mimeData());
        if (!paths.isEmpty()) {
            // The files are only listed: the source must not think they were moved or copied.
            drop->setDropAction(Qt::IgnoreAction);
            drop->accept();
            Q_EMIT pathsDropped(paths);
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void PlaylistPanel::setPaths(QStringList paths)
{
    m_view->items()->clear();
    m_view->items()->addItems(std::move(paths), ListEntry::Kind::File, EntryListModel::IconFromText);
}

void PlaylistPanel::clearAll()
{
    m_view->items()->clear();
}

void PlaylistPanel::clearSelected()
{
    for (int i = m_view->items()->count() - 1; i >= 0; --i) {
        if (m_view->isRowSelected(i))
            m_view->items()->removeItem(i);
    }
}

void PlaylistPanel::markEditList(const EditListStore &editList)
{
    markAgainst(editList.countsByPath(), ++m_lastMarking);
}

void PlaylistPanel::markAgainst(const QHash<QString, int> &editListCounts, int request)
{
    const EntryListModel *entries = m_view->items();
    if (entries->count() <= MarkAtOnceUpTo) {
        showMarks(rowsOnEditList(entries->texts(), editListCounts));
        return;
    }
    OffThread::run(
        this, [texts = entries->texts(), editListCounts] { return rowsOnEditList(texts, editListCounts); },
        [this, editListCounts, request, revision = entries->revision()](const QList<int> &rows) {
            if (request != m_lastMarking)
                return;
            if (revision != m_view->items()->revision())
                markAgainst(editListCounts, request);
            else
                showMarks(rows);
        });
}

void PlaylistPanel::showMarks(const QList<int> &rowsOnEditList)
{
    EntryListModel *entries = m_view->items();
    QList<int> marked;
    QList<int> unmarked;
    qsizetype next = 0;
    for (int i = 0; i < entries->count(); ++i) {
        const bool onEditList = next < rowsOnEditList.size() && rowsOnEditList.at(next) == i;
        next += onEditList ? 1 : 0;
        if (onEditList != entries->isOnEditList(i))
            (onEditList ? marked : unmarked).append(i);
    }
    entries->setOnEditList(marked, true);
    entries->setOnEditList(unmarked, false);
    Q_EMIT editListMarked();
}

void PlaylistPanel::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    const int panelHeight = m_buttonPanel->height();
    const int listHeight = height() - panelHeight - 2;
    m_view->setGeometry(0, 0, width(), qMax(0, listHeight));
    m_buttonPanel->setGeometry(0, qMax(0, listHeight) + 1, width(), panelHeight);
    placeButtons();
}

void PlaylistPanel::placeButtons()
{
    // Three columns: CLEAR SEL, CLEAR ALL, LOAD above ADD TO EDITLIST, OPTIONS, SAVE AS.
    const int gap = Twips::toPixels(ColumnGap);
    const int width = qMax(1, (m_buttonPanel->width() - 3 * gap) / 3);
    const int first = gap;
    const int second = first + width + gap;
    const int third = second + width + gap;
    const int row1 = Twips::toPixels(Row1Top);
    const int row2 = Twips::toPixels(Row2Top);
    const int height = m_buttons[Load]->height();
    m_buttons[ClearSelected]->setGeometry(first, row1, width, height);
    m_buttons[ClearAll]->setGeometry(second, row1, width, height);
    m_buttons[Load]->setGeometry(third, row1, width, height);
    m_buttons[AddToEditList]->setGeometry(first, row2, width, height);
    m_buttons[Options]->setGeometry(second, row2, width, height);
    m_buttons[SaveAs]->setGeometry(third, row2, width, height);
    m_usePlaylist->setGeometry(0, 0, m_buttonPanel->width(), row1);
}
