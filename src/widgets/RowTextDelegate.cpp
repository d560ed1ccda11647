// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/RowTextDelegate.h"

#include <QApplication>
#include <QPainter>
#include <QProxyStyle>
#include <QTextLayout>

namespace {

// Qt's own styles lay rows out and draw their text in one common way, which the drawing here
// follows; another style may draw them its own way.
bool drawsRowsCommonly(const QStyle *style)
{
    while (const auto *proxy = qobject_cast<const QProxyStyle *>(style))
        style = proxy->baseStyle();
    const QString name = style->name();
    return name == QLatin1String("fusion") || name == QLatin1String("windows");
}

// The rows whose text is drawn here as the style would draw it: one line, shortened at a side or in
// the middle when it is too long, in a row that is shown selected as a whole.
bool textDrawnHere(const QStyleOptionViewItem &row)
{
    return !row.text.isEmpty() && row.showDecorationSelected &&
           !row.features.testFlag(QStyleOptionViewItem::WrapText) &&
           !row.state.testFlag(QStyle::State_Editing) && row.textElideMode != Qt::ElideNone &&
           !row.text.contains(QChar::LineSeparator) && !row.text.contains(QLatin1Char('\n'));
}

// The layout's text on one line of the given width.
void layOut(QTextLayout &layout, int width)
{
    layout.beginLayout();
    QTextLine line = layout.createLine();
    line.setLineWidth(width);
    line.setPosition(QPointF(0, 0));
    layout.endLayout();
}

// The text in the place the style gives it, shortened as the style shortens it.
void drawText(QPainter *painter, const QStyleOptionViewItem &row, const QRect &place, const QStyle &style)
{
    const int margin = style.pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, row.widget) + 1;
    const QRect room = place.adjusted(margin, 0, -margin, 0);
    QTextOption option;
    option.setWrapMode(QTextOption::ManualWrap);
    option.setTextDirection(row.direction);
    option.setAlignment(QStyle::visualAlignment(row.direction, row.displayAlignment));
    QTextLayout layout(row.text, row.font);
    layout.setTextOption(option);
    layOut(layout, room.width());
    const QRect box = QStyle::alignedRect(Qt::LayoutDirectionAuto, row.displayAlignment,
                                          layout.boundingRect().size().toSize(), room);
    if (layout.lineAt(0).naturalTextWidth() > room.width()) {
        layout.setText(QFontMetrics(row.font).elidedText(row.text, row.textElideMode, room.width()));
        layOut(layout, room.width());
    }
    QPalette::ColorGroup group =
        row.state.testFlag(QStyle::State_Enabled) ? QPalette::Normal : QPalette::Disabled;
    if (group == QPalette::Normal && !row.state.testFlag(QStyle::State_Active))
        group = QPalette::Inactive;
    painter->save();
    painter->setClipRect(row.rect);
    painter->setPen(row.palette.color(
        group, row.state.testFlag(QStyle::State_Selected) ? QPalette::HighlightedText : QPalette::Text));
    layout.draw(painter, QPointF(room.x(), box.top()));
    painter->restore();
}

void drawFocusFrame(QPainter *painter, const QStyleOptionViewItem &row, const QRect &place,
                    const QStyle &style)
{
    QStyleOptionFocusRect frame;
    frame.QStyleOption::operator=(row);
    frame.rect = place;
    frame.state |= QStyle::State_KeyboardFocusChange | QStyle::State_Item;
    const QPalette::ColorGroup group =
        row.state.testFlag(QStyle::State_Enabled) ? QPalette::Normal : QPalette::Disabled;
    frame.backgroundColor = row.palette.color(
        group, row.state.testFlag(QStyle::State_Selected) ? QPalette::Highlight : QPalette::Window);
    painter->save();
    painter->setClipRect(row.rect);
    style.drawPrimitive(QStyle::PE_FrameFocusRect, &frame, painter, row.widget);
    painter->restore();
}

// The row as the style draws it from the option, its text drawn here when it can be.
void drawRow(QPainter *painter, const QStyleOptionViewItem &row)
{
    const QStyle *style = row.widget ? row.widget->style() : QApplication::style();
    if (!drawsRowsCommonly(style) || !textDrawnHere(row)) {
        style->drawControl(QStyle::CE_ItemViewItem, &row, painter, row.widget);
        return;
    }
    // Without its text the style places the row's parts without laying any text out; the text's
    // place does not depend on the text in a row shown selected as a whole. The focus frame goes
    // over the text, as the style draws it.
    QStyleOptionViewItem bare = row;
    bare.text.clear();
    bare.state.setFlag(QStyle::State_HasFocus, false);
    style->drawControl(QStyle::CE_ItemViewItem, &bare, painter, row.widget);
    drawText(painter, row, style->subElementRect(QStyle::SE_ItemViewItemText, &bare, row.widget), *style);
    if (row.state.testFlag(QStyle::State_HasFocus))
        drawFocusFrame(painter, row,
                       style->subElementRect(QStyle::SE_ItemViewItemFocusRect, &bare, row.widget), *style);
}

} // namespace

void RowTextDelegate::paint(QPainter *painter, const QStyleOptionViewItem &option,
                            const QModelIndex &index) const
{
    QStyleOptionViewItem row = option;
    initStyleOption(&row, index);
    drawRow(painter, row);
}

void RowTextDelegate::paintRow(QPainter *painter, const QStyleOptionViewItem &row) const
{
    drawRow(painter, row);
}
