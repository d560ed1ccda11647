// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPoint>
#include <QStringList>
#include <functional>
#include <optional>

// The arithmetic of the scrolling text: lines from the text, where each line starts, how its
// shadow is printed, and how a pause slows the scroll down.
namespace ScrollingTextLayout {

enum Direction
{
    Up = 0,
    UpToo = 1,
    Left = 2
};

// Upward modes split the text at every "|" (and, with word wrap, at blanks to fit the width);
// the leftward mode makes one line with four blanks for every "|".
QStringList buildLines(const QString &text, int direction, bool wordWrap, int maxWidth,
                       const std::function<int(const QString &)> &widthOf);

// Start of a line in the text picture: 0 or 3 left, 1 centred, 2 right.
int lineX(int align, int pictureWidth, int lineWidth, int shadowSize);

// The one-pixel move after each shadow print: 0 or 4 left and up, 1 right and down,
// 2 left and down, 3 right and up, anything else none.
QPoint shadowStep(int shadowDirection);

// The next timer interval of a pausing scroll: 15 ms more while below 60 ms; nothing once the
// interval has reached 60 ms, when the scroll stops.
std::optional<int> slowDown(int interval);

// "|"-separated text from a file's content: every line break becomes "|".
QString fromFileContent(const QByteArray &content);

} // namespace ScrollingTextLayout
