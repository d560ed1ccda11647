// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/WindowGeometry.h"

#include "core/Twips.h"

#include <cmath>

namespace WindowGeometry {

namespace {

double pixels(double twips)
{
    return twips / Twips::PerPixel;
}

double distance(const QRect &screen, const QPointF &point)
{
    const double dx = std::max({double(screen.left()) - point.x(), 0.0, point.x() - double(screen.right())});
    const double dy = std::max({double(screen.top()) - point.y(), 0.0, point.y() - double(screen.bottom())});
    return std::hypot(dx, dy);
}

// A side no longer than the screen's: stored texts may hold any number at all. A side not stored,
// or one that makes no window, takes three quarters of the screen's.
double fitted(std::optional<double> stored, int available)
{
    const double side = stored ? pixels(*stored) : 0;
    if (!std::isfinite(side) || side < 1)
        return available * 0.75;
    return side > available ? available / 1.5 : side;
}

double placed(std::optional<double> stored, double side, int start, int available)
{
    const double centred = start + (available - side) / 2;
    const double wanted = stored && std::isfinite(*stored) ? pixels(*stored) : centred;
    return std::clamp(wanted, double(start), start + available - side);
}

} // namespace

QRect restore(const Stored &stored, const QList<QRect> &screens)
{
    const QList<QRect> available = screens.isEmpty() ? QList<QRect>{QRect(0, 0, 1024, 768)} : screens;
    QRect screen = available.first();
    if (stored.left && stored.top && std::isfinite(*stored.left) && std::isfinite(*stored.top)) {
        const QPointF point(pixels(*stored.left), pixels(*stored.top));
        for (const QRect &candidate : available) {
            if (distance(candidate, point) < distance(screen, point))
                screen = candidate;
        }
    }
    const double width = fitted(stored.width, screen.width());
    const double height = fitted(stored.height, screen.height());
    const double left = placed(stored.left, width, screen.x(), screen.width());
    const double top = placed(stored.top, height, screen.y(), screen.height());
    return {qRound(left), qRound(top), qRound(width), qRound(height)};
}

} // namespace WindowGeometry
