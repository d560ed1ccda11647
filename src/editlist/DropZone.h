// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFrame>

// The place files and folders are dropped on to add them to the EditList.
class DropZone : public QFrame
{
    Q_OBJECT

public:
    explicit DropZone(QWidget *parent = nullptr);

    QSize sizeHint() const override;

Q_SIGNALS:
    // The local files and folders dropped, in order.
    void pathsDropped(const QStringList &paths);
    // Something that is no list of files was dropped.
    void unsupportedDropped();

protected:
    void paintEvent(QPaintEvent *event) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dragMoveEvent(QDragMoveEvent *event) override;
    void dropEvent(QDropEvent *event) override;
};
