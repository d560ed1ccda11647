// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/ScrollingTextLayout.h"

#include <QByteArray>

namespace ScrollingTextLayout {

QStringList buildLines(const QString &text, int direction, bool wordWrap, int maxWidth,
                       const std::function<int(const QString &)> &widthOf)
{
    if (direction == Left) {
        QString line = text;
        return {line.replace(QLatin1Char('|'), QLatin1String("    "))};
    }
    const QStringList lines = text.split(QLatin1Char('|'));
    if (!wordWrap || maxWidth <= 0)
        return lines;
    QStringList wrapped;
    for (const QString &line : lines) {
        const QStringList words = line.split(QLatin1Char(' '));
        QString current;
        for (const QString &word : words) {
            const QString candidate = current.isEmpty() ? word : current + QLatin1Char(' ') + word;
            if (!current.isEmpty() && widthOf(candidate) > maxWidth) {
                wrapped.append(current);
                current = word;
            } else {
                current = candidate;
            }
        }
        wrapped.append(current);
    }
    return wrapped;
}

int lineX(int align, int pictureWidth, int lineWidth, int shadowSize)
{
    switch (align) {
    case 1:
        return pictureWidth / 2 - lineWidth / 2 - shadowSize - 8;
    case 2:
        return pictureWidth - lineWidth - 2 * shadowSize;
    default:
        return shadowSize + 1;
    }
}

QPoint shadowStep(int shadowDirection)
{
    switch (shadowDirection) {
    case 0:
    case 4:
        return {-1, -1};
    case 1:
        return {1, 1};
    case 2:
        return {-1, 1};
    case 3:
        return {1, -1};
    default:
        return {0, 0};
    }
}

std::optional<int> slowDown(int interval)
{
    if (interval < 60)
        return interval + 15;
    return std::nullopt;
}

QString fromFileContent(const QByteArray &content)
{
    QString text = QString::fromUtf8(content);
    text.replace(QLatin1String("\r\n"), QLatin1String("|"));
    text.replace(QLatin1Char('\n'), QLatin1Char('|'));
    return text;
}

} // namespace ScrollingTextLayout
