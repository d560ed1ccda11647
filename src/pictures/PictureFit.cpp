// SPDX-License-Identifier: GPL-3.0-or-later
#include "pictures/PictureFit.h"

#include "core/Rounding.h"

#include <QtGlobal>

namespace PictureFit {

QRect fit(const QSize &picture, const QSize &panel)
{
    double width = qMax(0, picture.width());
    double height = qMax(0, picture.height());
    const double panelWidth = qMax(0, panel.width());
    const double panelHeight = qMax(0, panel.height());
    if (width > panelWidth || height > panelHeight) {
        for (int pass = 0; pass < 2; ++pass) {
            if (width > panelWidth) {
                const int percent = Rounding::halfEven(panelWidth / (width / 100.0));
                height = Rounding::halfEven(height / 100.0 * percent);
                width = panelWidth;
            }
            if (height > panelHeight) {
                const int percent = Rounding::halfEven(panelHeight / (height / 100.0));
                width = Rounding::halfEven(width / 100.0 * percent);
                height = panelHeight;
            }
        }
    }
    const int w = int(width);
    const int h = int(height);
    return {int(panelWidth) / 2 - w / 2, int(panelHeight) / 2 - h / 2, w, h};
}

} // namespace PictureFit
