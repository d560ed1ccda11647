// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/ProgramStyle.h"

#include "core/PoolTask.h"

#include <QGroupBox>
#include <QImageReader>
#include <QPainter>
#include <QStyleOption>
#include <qdrawutil.h>

namespace {

// The space Fusion leaves above a group box's frame, below the title row.
constexpr int FusionGroupBoxTopMargin = 3;

} // namespace

ProgramStyle::ProgramStyle()
    : m_fusion(baseStyle()->name().compare(QLatin1String("fusion"), Qt::CaseInsensitive) == 0)
{
    // Later Qt versions lay the frame out before this call and keep the picture cached themselves;
    // there the base style draws as it is.
#if QT_VERSION < QT_VERSION_CHECK(6, 5, 0)
    if (!m_fusion)
        return;
    m_frameRead = startInPool([] {
        QImageReader reader(QStringLiteral(":/qt-project.org/styles/commonstyle/images/fusion_groupbox.png"),
                            "png");
        reader.setAutoDetectImageFormat(false);
        return reader.read();
    });
#endif
}

const QPixmap &ProgramStyle::frame() const
{
    if (m_frameRead.valid())
        m_frame = QPixmap::fromImage(m_frameRead.get());
    return m_frame;
}

void ProgramStyle::drawPrimitive(PrimitiveElement element, const QStyleOption *option, QPainter *painter,
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

void ProgramStyle::drawComplexControl(ComplexControl control, const QStyleOptionComplex *option,
                                      QPainter *painter, const QWidget *widget) const
{
    if (control != CC_ScrollBar || !m_fusion || option->rect.height() <= ScrollBarBand) {
        QProxyStyle::drawComplexControl(control, option, painter, widget);
        return;
    }
    // Fusion sets clips of its own while it draws a scroll bar, so each band is drawn on a picture
    // of its own size, whose edges clip it.
    const QRect &bar = option->rect;
    const qreal ratio = painter->device()->devicePixelRatio();
    for (int top = bar.top(); top <= bar.bottom(); top += ScrollBarBand) {
        const int height = qMin(ScrollBarBand, bar.bottom() + 1 - top);
        QImage band(QSize(bar.width(), height) * ratio, QImage::Format_ARGB32_Premultiplied);
        band.setDevicePixelRatio(ratio);
        band.fill(Qt::transparent);
        {
            QPainter bandPainter(&band);
            bandPainter.setRenderHints(painter->renderHints());
            bandPainter.setFont(painter->font());
            bandPainter.setPen(painter->pen());
            bandPainter.setBrush(painter->brush());
            bandPainter.setLayoutDirection(painter->layoutDirection());
            bandPainter.translate(-bar.left(), -top);
            QProxyStyle::drawComplexControl(control, option, &bandPainter, widget);
        }
        painter->drawImage(QPoint(bar.left(), top), band);
    }
}
