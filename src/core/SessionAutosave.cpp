// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/SessionAutosave.h"

#include "core/EditListStore.h"

#include <QAbstractItemModel>

SessionAutosave::SessionAutosave(Steps steps, const EditListStore &editList,
                                 const QAbstractItemModel &playlist, QObject *parent)
    : QObject(parent), m_steps(std::move(steps)), m_editList(editList), m_savedEditList(editList.revision())
{
    const auto playlistChanged = [this] { m_playlistChanged = true; };
    connect(&playlist, &QAbstractItemModel::rowsInserted, this, playlistChanged);
    connect(&playlist, &QAbstractItemModel::rowsRemoved, this, playlistChanged);
    connect(&playlist, &QAbstractItemModel::rowsMoved, this, playlistChanged);
    connect(&playlist, &QAbstractItemModel::modelReset, this, playlistChanged);
    connect(&playlist, &QAbstractItemModel::layoutChanged, this, playlistChanged);
    // The settings store writes its file only when a value differs from the one it holds, so a
    // look each second costs a few comparisons while nothing changes.
    m_timer.setTimerType(Qt::VeryCoarseTimer);
    m_timer.setInterval(IntervalMs);
    connect(&m_timer, &QTimer::timeout, this, &SessionAutosave::saveChanges);
    m_timer.start();
}

void SessionAutosave::saveChanges()
{
    m_steps.collect();
    m_steps.saveSettings();
    // A list that cannot be written is not tried again every second: the closing save says why.
    if (m_editList.revision() != m_savedEditList) {
        m_savedEditList = m_editList.revision();
        m_steps.saveEditList();
    }
    if (m_playlistChanged) {
        m_playlistChanged = false;
        m_steps.savePlaylist();
    }
}
