// SPDX-License-Identifier: GPL-3.0-or-later
#include "mainwindow/AppIcon.h"

#include "widgets/AppIconPainter.h"

#include <QPainter>
#include <QPixmap>

QIcon appIcon()
{
    QIcon icon;
    for (int size : {16, 32, 64}) {
        QPixmap pixmap(size, size);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        paintAppIcon(painter, size);
        painter.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}
