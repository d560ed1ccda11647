// SPDX-License-Identifier: GPL-3.0-or-later
#include "browse/EntryDelegate.h"

#include "browse/EntryListModel.h"
#include "browse/ListThumbnails.h"
#include "browse/PathElision.h"
#include "widgets/ReadableColour.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QHelpEvent>
#include <QToolTip>

QColor EntryDelegate::jobStateText(int state)
{
    switch (ListEntry::JobState(state)) {
    case ListEntry::JobState::Processed:
        return {0, 128, 0};
    case ListEntry::JobState::Skipped:
        return {192, 0, 192};
    case ListEntry::JobState::SkippedWithError:
        return {255, 0, 0};
    case ListEntry::JobState::Normal:
        break;
    }
    return {0, 0, 0};
}

namespace {

constexpr int ThumbnailMargin = 1;

} // namespace

void EntryDelegate::setThumbnails(ListThumbnails *thumbnails)
{
    m_thumbnails = thumbnails;
}

void EntryDelegate::initStyleOption(QStyleOptionViewItem *option, const QModelIndex &index) const
{
    QStyledItemDelegate::initStyleOption(option, index);
    if (m_thumbnails) {
        if (const QPixmap thumbnail = m_thumbnails->thumbnail(index.row()); !thumbnail.isNull())
            option->icon = QIcon(thumbnail);
    }
    QColor text = option->palette.color(QPalette::Text);
    if (const int state = index.data(EntryListModel::JobStateRole).toInt();
        state != int(ListEntry::JobState::Normal))
        text = jobStateText(state);
    if (index.data(EntryListModel::OnEditListRole).toBool())
        text = EditListText;
    if (index.data(EntryListModel::PlayingRole).toBool()) {
        if (m_playingLook == PlayingLook::Yellow) {
            option->backgroundBrush = PlayingYellow;
        } else {
            option->backgroundBrush = PlayingBlue;
            text = Qt::white;
        }
    }
    if (index.data(EntryListModel::MenuTargetRole).toBool())
        option->backgroundBrush = MenuTargetBackground;
    // The colours that say what an entry is are shaded to read on a light or a dark theme alike.
    const QColor background = option->backgroundBrush.style() == Qt::NoBrush
                                  ? option->palette.color(QPalette::Base)
                                  : option->backgroundBrush.color();
    option->palette.setColor(QPalette::Text, readableOn(background, text));
}

QColor EntryDelegate::readableOn(const QColor &background, const QColor &text) const
{
    // Rows are drawn in a handful of colour pairs; each is shaded once.
    const quint64 key = quint64(background.rgba()) << 32 | text.rgba();
    auto found = m_readable.constFind(key);
    if (found == m_readable.cend())
        found = m_readable.insert(key, ReadableColour::on(background, text).rgba());
    return QColor::fromRgba(*found);
}

void EntryDelegate::paint(QPainter *painter, const QStyleOptionViewItem &option,
                          const QModelIndex &index) const
{
    // Only rows drawn ask for thumbnails: sizes are asked of rows far out of sight.
    if (m_thumbnails)
        m_thumbnails->drawing(index.row());
    if (!m_paths) {
        RowTextDelegate::paint(painter, option, index);
        return;
    }
    QStyleOptionViewItem row = option;
    initStyleOption(&row, index);
    row.text = shownText(row);
    paintRow(painter, row);
}

QString EntryDelegate::shownText(const QStyleOptionViewItem &row) const
{
    const int room = textRoom(row);
    if (m_paths)
        return PathElision::elided(row.text, row.fontMetrics, room);
    return row.fontMetrics.horizontalAdvance(row.text) <= room
               ? row.text
               : row.fontMetrics.elidedText(row.text, row.textElideMode, room);
}

int EntryDelegate::textRoom(const QStyleOptionViewItem &row)
{
    const QStyle *style = row.widget ? row.widget->style() : QApplication::style();
    // The style keeps a margin on each side of the text.
    const int margin = style->pixelMetric(QStyle::PM_FocusFrameHMargin, &row, row.widget) + 1;
    return style->subElementRect(QStyle::SE_ItemViewItemText, &row, row.widget).width() - 2 * margin;
}

QSize EntryDelegate::sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    QSize hint = QStyledItemDelegate::sizeHint(option, index);
    if (m_rowWidth > 0)
        hint.setWidth(m_rowWidth);
    // Rows without a picture of their own are as tall as the others: the list's rows are uniform.
    if (m_thumbnails)
        hint.setHeight(qMax(hint.height(), m_thumbnails->side() + 2 * ThumbnailMargin));
    return hint;
}

bool EntryDelegate::helpEvent(QHelpEvent *event, QAbstractItemView *view, const QStyleOptionViewItem &option,
                              const QModelIndex &index)
{
    if (event->type() != QEvent::ToolTip || !index.isValid())
        return QStyledItemDelegate::helpEvent(event, view, option, index);
    QStyleOptionViewItem shown = option;
    initStyleOption(&shown, index);
    shown.widget = view;
    if (shownText(shown) == shown.text) {
        QToolTip::hideText();
        return true;
    }
    QToolTip::showText(event->globalPos(), shown.text, view);
    return true;
}
