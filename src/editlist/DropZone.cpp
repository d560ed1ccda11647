// SPDX-License-Identifier: GPL-3.0-or-later
#include "editlist/DropZone.h"

#include "browse/DroppedFiles.h"

#include <QDropEvent>
#include <QMimeData>
#include <QPainter>

DropZone::DropZone(QWidget *parent) : QFrame(parent)
{
    setObjectName(QStringLiteral("dropZone"));
    setFrameStyle(QFrame::Sunken | QFrame::StyledPanel);
    setAcceptDrops(true);
    setBackgroundRole(QPalette::Base);
    setAutoFillBackground(true);
    setMinimumHeight(sizeHint().height());
}

QSize DropZone::sizeHint() const
{
    return {120, 2 * fontMetrics().height() + 24};
}

void DropZone::paintEvent(QPaintEvent *event)
{
    QFrame::paintEvent(event);
    QPainter painter(this);
    painter.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::Text));
    const int line = fontMetrics().height();
    const QRect area = contentsRect();
    const int top = area.top() + (area.height() - 2 * line) / 2;
    painter.drawText(QRect(area.left(), top, area.width(), line), Qt::AlignHCenter, tr("Drag'n'Drop"));
    painter.drawText(QRect(area.left(), top + line, area.width(), line), Qt::AlignHCenter, tr("HERE"));
}

void DropZone::dragEnterEvent(QDragEnterEvent *event)
{
    // Anything may be dropped: what is not a list of files is refused with a message.
    event->acceptProposedAction();
}

void DropZone::dragMoveEvent(QDragMoveEvent *event)
{
    event->acceptProposedAction();
}

void DropZone::dropEvent(QDropEvent *event)
{
    const QStringList paths = DroppedFiles::paths(event->mimeData());
    // The files are only listed: the source must not think they were moved.
    event->setDropAction(Qt::IgnoreAction);
    event->accept();
    if (paths.isEmpty())
        Q_EMIT unsupportedDropped();
    else
        Q_EMIT pathsDropped(paths);
}
