// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/PlainItemDelegate.h"

#include <QApplication>
#include <QPainter>
#include <QTextLayout>

void PlainItemDelegate::paint(QPainter *painter, const QStyleOptionViewItem &option,
                              const QModelIndex &index) const
{
    QStyleOptionViewItem entry = option;
    initStyleOption(&entry, index);
    if (paintPlainly(painter, entry))
        return;
    const QWidget *widget = entry.widget;
    QStyle *style = widget ? widget->style() : QApplication::style();
    style->drawControl(QStyle::CE_ItemViewItem, &entry, painter, widget);
}

bool PlainItemDelegate::paintPlainly(QPainter *painter, const QStyleOptionViewItem &option)
{
    constexpr QStyle::State drawnByStyle =
        QStyle::State_Selected | QStyle::State_HasFocus | QStyle::State_Editing;
    constexpr QStyleOptionViewItem::ViewItemFeatures laidOutByStyle =
        QStyleOptionViewItem::HasCheckIndicator | QStyleOptionViewItem::WrapText;
    if ((option.state & drawnByStyle) || (option.features & laidOutByStyle) ||
        !(option.features & QStyleOptionViewItem::HasDisplay) || option.text.isEmpty() ||
        option.direction != Qt::LeftToRight || option.decorationPosition != QStyleOptionViewItem::Left ||
        option.displayAlignment != (Qt::AlignLeft | Qt::AlignVCenter) ||
        option.text.contains(QLatin1Char('\n')) || option.text.contains(QChar::LineSeparator))
        return false;

    const QWidget *widget = option.widget;
    // A style sheet may lay entries out in any way.
    if (widget && widget->testAttribute(Qt::WA_StyleSheet))
        return false;
    const QStyle *style = widget ? widget->style() : QApplication::style();
    // The style's layout: the icon in a margined cell at the left, the text after it, each with
    // the focus frame's margin and one pixel more on either side.
    const int margin = style->pixelMetric(QStyle::PM_FocusFrameHMargin, &option, widget) + 1;
    const bool hasIcon = (option.features & QStyleOptionViewItem::HasDecoration) &&
                         option.decorationSize.isValid() && !option.decorationSize.isEmpty();
    const int iconCell = hasIcon ? option.decorationSize.width() + 2 * margin : 0;
    const QRect &item = option.rect;
    const QRect iconArea(item.left(), item.top(), iconCell, item.height());
    const QRect textArea(iconArea.right() + 1, item.top(), item.width() - iconCell, item.height());

    QTextOption textOption;
    textOption.setWrapMode(QTextOption::ManualWrap);
    textOption.setTextDirection(Qt::LeftToRight);
    textOption.setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    QTextLayout text(option.text, option.font);
    text.setTextOption(textOption);
    // Kept after the layout, so that drawing does not shape the text again.
    text.setCacheEnabled(true);
    text.beginLayout();
    QTextLine line = text.createLine();
    const int textWidth = textArea.width() - 2 * margin;
    line.setLineWidth(textWidth);
    line.setPosition(QPointF(0, 0));
    const bool oneLine = !text.createLine().isValid();
    text.endLayout();
    // Text that does not fit is elided by the style.
    if (!oneLine || line.naturalTextWidth() > textWidth)
        return false;

    painter->save();
    painter->setClipRect(item);
    style->drawPrimitive(QStyle::PE_PanelItemViewItem, &option, painter, widget);
    if (hasIcon) {
        const QIcon::Mode mode = option.state & QStyle::State_Enabled ? QIcon::Normal : QIcon::Disabled;
        const QIcon::State state = option.state & QStyle::State_Open ? QIcon::On : QIcon::Off;
        option.icon.paint(
            painter,
            QStyle::alignedRect(Qt::LeftToRight, option.decorationAlignment, option.decorationSize, iconArea),
            option.decorationAlignment, mode, state);
    }
    QPalette::ColorGroup group = option.state & QStyle::State_Enabled ? QPalette::Normal : QPalette::Disabled;
    if (group == QPalette::Normal && !(option.state & QStyle::State_Active))
        group = QPalette::Inactive;
    painter->setPen(option.palette.color(group, QPalette::Text));
    // Placed as the style places it: the text's bounds aligned in the text area within its margins.
    const QRect placed =
        QStyle::alignedRect(Qt::LeftToRight, Qt::AlignLeft | Qt::AlignVCenter,
                            text.boundingRect().size().toSize(), textArea.adjusted(margin, 0, -margin, 0));
    line.draw(painter, placed.topLeft());
    painter->restore();
    return true;
}
