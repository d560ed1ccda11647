// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/Trash.h"

#include <QStringList>

// A trash for tests: items are moved into a folder of the test's own and recorded, or refused.
class FolderTrash : public Trash
{
public:
    explicit FolderTrash(const QString &folder) : m_folder(folder) {}

    void setRefuse(bool refuse) { m_refuse = refuse; }
    const QStringList &recycled() const { return m_recycled; }

    int moveToTrash(const QString &path) override;
    QString lastFailure() const override { return m_lastFailure; }

private:
    QString m_folder;
    bool m_refuse = false;
    QString m_lastFailure;
    QStringList m_recycled;
};
