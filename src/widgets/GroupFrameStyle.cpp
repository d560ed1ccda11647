// SPDX-License-Identifier: GPL-3.0-or-later
#include "GroupFrameStyle.h"

#include "PoolTask.h"

#include <QGroupBox>
#include <QImageReader>
#include <QStyleOption>
#include <qdrawutil.h>

namespace {

// The space Fusion leaves above a group box's frame, below the title row.
constexpr int FusionGroupBoxTopMargin = 3;

} // namespace

GroupFrameStyle::GroupFrameStyle()
{
    // Later Qt versions lay the frame out before this call and keep the picture cached themselves;
    // there the base style draws as it is.
#if QT_VERSION < QT_VERSION_CHECK(6, 5, 0)
    if (baseStyle()->name().compare(QLatin1String("fusion"), Qt::CaseInsensitive) != 0)
        return;
    m_frameRead = startInPool([] {
        QImageReader reader(QStringLiteral(":/qt-project.org/styles/commonstyle/images/fusion_groupbox.png"),
                            "png");
        reader.setAutoDetectImageFormat(false);
        return reader.read();
    });
#endif
}

const QPixmap &GroupFrameStyle::frame() const
{
    if (m_frameRead.valid())
        m_frame = QPixmap::fromImage(m_frameRead.get());
    return m_frame;
}

void GroupFrameStyle::drawPrimitive(PrimitiveElement element, const QStyleOption *option, QPainter *painter,
                                    const QWidget *widget) const
{
    if (element != PE_FrameGroupBox || frame().isNull()) {
        QProxyStyle::drawPrimitive(element, option, painter, widget);
        return;
    }
    const auto *box = qobject_cast<const QGroupBox *>(widget);
    const int topMargin = box && !box->isCheckable() && box->title().isEmpty()
                              ? FusionGroupBoxTopMargin
                              : qMax(pixelMetric(PM_ExclusiveIndicatorHeight), option->fontMetrics.height()) +
                                    FusionGroupBoxTopMargin;
    qDrawBorderPixmap(painter, option->rect.adjusted(0, topMargin, 0, 0), QMargins(6, 6, 6, 6), frame());
}
