// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAccessibleWidget>

class ScrollingText;

// The scrolling text as assistive technology sees it: a label holding the whole text, however little
// of it has scrolled into view.
class AccessibleScrollingText : public QAccessibleWidget
{
public:
    explicit AccessibleScrollingText(ScrollingText *text);

    QString text(QAccessible::Text type) const override;
};
