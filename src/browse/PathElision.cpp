// SPDX-License-Identifier: GPL-3.0-or-later
#include "browse/PathElision.h"

#include <QFontMetrics>

namespace PathElision {

QString elided(const QString &path, const QFontMetrics &metrics, int width)
{
    if (metrics.horizontalAdvance(path) <= width)
        return path;
    const qsizetype slash = path.lastIndexOf(QLatin1Char('/'));
    const QString name = path.mid(slash + 1);
    const int nameWidth = metrics.horizontalAdvance(name);
    if (nameWidth >= width)
        return metrics.elidedText(name, Qt::ElideMiddle, width);
    const QString folder = path.left(slash + 1);
    int room = width - nameWidth;
    QString shown = metrics.elidedText(folder, Qt::ElideMiddle, room) + name;
    // Letters meeting at the join may take a pixel or two more than apart.
    for (int over = metrics.horizontalAdvance(shown) - width; over > 0 && room > 0;
         over = metrics.horizontalAdvance(shown) - width) {
        room -= over;
        shown = metrics.elidedText(folder, Qt::ElideMiddle, room) + name;
    }
    return room > 0 ? shown : name;
}

} // namespace PathElision
