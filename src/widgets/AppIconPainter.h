// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QPainter;

// The program's icon, drawn into a square of the given size: the window icon, the installed PNG
// icons and the SVG icon all come from this one drawing.
void paintAppIcon(QPainter &painter, double size);
