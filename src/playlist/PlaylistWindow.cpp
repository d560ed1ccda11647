// SPDX-License-Identifier: GPL-3.0-or-later
#include "playlist/PlaylistWindow.h"

#include "browse/EntryDelegate.h"
#include "browse/EntryListModel.h"
#include "browse/EntryListView.h"
#include "core/OffThread.h"
#include "playlist/PlaylistOrder.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>
#include <utility>

PlaylistWindow::PlaylistWindow(const QStringList &entries, const QString &playingFile,
                               FileIconProvider &icons, QWidget *parent)
    : QDialog(parent), m_playingFile(playingFile)
{
    setWindowTitle(tr("PlayList"));
    setObjectName(QStringLiteral("playlistWindow"));
    m_list = new EntryListView(this);
    m_list->setObjectName(QStringLiteral("playlistCopy"));
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    m_list->setRowsFitWidth(true);
    m_list->items()->setIconProvider(&icons);
    auto *delegate = new EntryDelegate(m_list);
    delegate->setPlayingLook(EntryDelegate::PlayingLook::WhiteOnBlue);
    m_list->setItemDelegate(delegate);

    auto arrow = [this](Qt::ArrowType type, const char *name, const QString &text) {
        auto *button = new QToolButton(this);
        button->setArrowType(type);
        button->setObjectName(QLatin1String(name));
        button->setToolTip(text);
        button->setAccessibleName(text);
        return button;
    };
    QToolButton *up = arrow(Qt::UpArrow, "moveUp", tr("Move up"));
    QToolButton *down = arrow(Qt::DownArrow, "moveDown", tr("Move down"));
    auto *sort = new QPushButton(tr("Sort"), this);
    sort->setObjectName(QStringLiteral("sort"));
    auto *randomize = new QPushButton(tr("Randomize"), this);
    randomize->setObjectName(QStringLiteral("randomize"));
    auto *ok = new QPushButton(tr("OK"), this);
    ok->setObjectName(QStringLiteral("ok"));
    ok->setDefault(true);
    connect(up, &QToolButton::clicked, this, &PlaylistWindow::moveUp);
    connect(down, &QToolButton::clicked, this, &PlaylistWindow::moveDown);
    connect(sort, &QPushButton::clicked, this, &PlaylistWindow::sort);
    connect(randomize, &QPushButton::clicked, this, &PlaylistWindow::randomize);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    m_orderButtons = {up, down, sort, randomize};
    auto *buttons = new QHBoxLayout;
    for (QWidget *button : std::initializer_list<QWidget *>{up, down, sort, randomize, ok})
        buttons->addWidget(button);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_list, 1);
    layout->addLayout(buttons);
    resize(480, 400);
    fill(entries, -1);
}

QStringList PlaylistWindow::entries() const
{
    QStringList texts;
    const EntryListModel *items = m_list->items();
    texts.reserve(items->count());
    for (int i = 0; i < items->count(); ++i)
        texts.append(items->text(i));
    return texts;
}

void PlaylistWindow::fill(const QStringList &entries, int current)
{
    EntryListModel *items = m_list->items();
    items->clear();
    // Icons are found from the paths when the entries are first drawn.
    items->addItems(entries, ListEntry::Kind::File, EntryListModel::IconFromText);
    if (current >= 0)
        m_list->setCurrentRow(current);
    markPlaying();
}

void PlaylistWindow::markPlaying()
{
    const QStringList texts = entries();
    int playing = -1;
    for (int i = 0; i < texts.size() && playing < 0 && !m_playingFile.isEmpty(); ++i) {
        if (texts.at(i).compare(m_playingFile, Qt::CaseInsensitive) == 0)
            playing = i;
    }
    m_list->items()->setPlaying(playing);
}

void PlaylistWindow::moveUp()
{
    QStringList texts = entries();
    const int current = m_list->currentRow();
    const int moved = PlaylistOrder::moveUp(texts, current);
    if (moved != current)
        fill(texts, moved);
}

void PlaylistWindow::moveDown()
{
    QStringList texts = entries();
    const int current = m_list->currentRow();
    const int moved = PlaylistOrder::moveDown(texts, current);
    if (moved != current)
        fill(texts, moved);
}

void PlaylistWindow::sort()
{
    reorder([texts = entries()]() mutable { return PlaylistOrder::sorted(std::move(texts)); });
}

void PlaylistWindow::randomize()
{
    reorder([texts = entries()]() mutable {
        return PlaylistOrder::randomized(std::move(texts), PlaylistOrder::systemDraw);
    });
}

void PlaylistWindow::reorder(std::function<QStringList()> order)
{
    // A long list is put in order off the window's thread; until the new order is shown, the
    // commands that change the order wait.
    if (m_reordering)
        return;
    setReordering(true);
    OffThread::run(this, std::move(order), [this](QStringList ordered) {
        fill(ordered, -1);
        setReordering(false);
        if (m_closeWhenReordered)
            QDialog::done(*std::exchange(m_closeWhenReordered, std::nullopt));
    });
}

void PlaylistWindow::setReordering(bool on)
{
    m_reordering = on;
    for (QWidget *button : m_orderButtons)
        button->setEnabled(!on);
}

void PlaylistWindow::done(int result)
{
    // The order being made is the one the window hands back: a window closed meanwhile closes
    // once it is shown.
    if (m_reordering) {
        m_closeWhenReordered = result;
        return;
    }
    QDialog::done(result);
}
