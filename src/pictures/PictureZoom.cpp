// SPDX-License-Identifier: GPL-3.0-or-later
#include "pictures/PictureZoom.h"

#include "pictures/PictureFit.h"

#include <QtMath>

void PictureZoom::setPicture(const QSize &natural, bool fitLarge)
{
    m_natural = natural;
    if (fitLarge)
        fit();
    else
        showNaturalSize();
}

void PictureZoom::setView(const QSize &view)
{
    m_view = view;
    if (m_mode == Mode::Fitted)
        fit();
    else
        centre();
}

void PictureZoom::fit()
{
    m_mode = Mode::Fitted;
    if (m_natural.isEmpty()) {
        m_scale = 1.0;
        centre();
        return;
    }
    // The same whole-percent fitting as the preview panel.
    const QRect fitted = PictureFit::fit(m_natural, m_view);
    m_scale = qMin(1.0, double(fitted.width()) / m_natural.width());
    m_origin = fitted.topLeft();
    m_fittedSize = fitted.size();
}

void PictureZoom::showNaturalSize()
{
    m_mode = Mode::Natural;
    m_scale = 1.0;
    centre();
}

void PictureZoom::zoom(int steps, const QPointF &anchor)
{
    const double scale = qBound(SmallestScale, m_scale * qPow(StepFactor, steps), LargestScale);
    const QPointF onPicture = (anchor - m_origin) / m_scale;
    m_scale = scale;
    m_origin = anchor - onPicture * scale;
    m_mode = Mode::Zoomed;
}

void PictureZoom::moveTo(const QPointF &origin)
{
    m_origin = origin;
    if (m_mode == Mode::Fitted)
        m_mode = Mode::Zoomed;
}

bool PictureZoom::overflows(Qt::Orientation orientation) const
{
    const QSize shown = area().size().toSize();
    return orientation == Qt::Horizontal ? shown.width() > m_view.width() : shown.height() > m_view.height();
}

void PictureZoom::pan(Qt::Orientation orientation, int steps)
{
    if (!overflows(orientation) || steps == 0)
        return;
    const bool across = orientation == Qt::Horizontal;
    const QRectF shown = area();
    const double view = across ? m_view.width() : m_view.height();
    const double start = across ? shown.left() : shown.top();
    // The picture moves against the way the view goes. An edge dragged past the screen's by the
    // mouse is left where it is rather than pulled back.
    const double target = start - steps * view / 10.0;
    const double stop =
        steps < 0 ? qMax(start, 0.0) : qMin(start, view - (across ? shown.width() : shown.height()));
    const double moved = steps < 0 ? qMin(target, stop) : qMax(target, stop);
    moveTo(across ? QPointF(moved, shown.top()) : QPointF(shown.left(), moved));
}

QRectF PictureZoom::area() const
{
    // Fitting goes by whole percentages, which may leave the height a pixel off the width's scale.
    if (m_mode == Mode::Fitted && !m_natural.isEmpty())
        return {m_origin, QSizeF(m_fittedSize)};
    return {m_origin, QSizeF(m_natural) * m_scale};
}

int PictureZoom::percent() const
{
    return qRound(m_scale * 100.0);
}

void PictureZoom::centre()
{
    // Whole pixels, as the picture is placed at its own size: a larger one overflows evenly.
    const QSizeF size = QSizeF(m_natural) * m_scale;
    m_origin = QPointF(m_view.width() / 2 - qRound(size.width()) / 2,
                       m_view.height() / 2 - qRound(size.height()) / 2);
}
