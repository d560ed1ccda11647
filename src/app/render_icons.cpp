// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/AppIconPainter.h"

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgGenerator>
#include <cstdio>

// kestrove_render_icons FOLDER NAME: writes the program's icon as FOLDER/scalable/apps/NAME.svg and
// FOLDER/NxN/apps/NAME.png for the sizes desktops look for (the icon theme's layout), all from the
// window icon's drawing.
int main(int argc, char **argv)
{
    QGuiApplication app(argc, argv);
    const QStringList arguments = app.arguments();
    if (arguments.size() != 3) {
        std::fprintf(stderr, "usage: kestrove_render_icons FOLDER NAME\n");
        return 2;
    }
    const QDir folder(arguments.at(1));
    const QString name = arguments.at(2);
    constexpr int SvgSize = 256;
    folder.mkpath(QStringLiteral("scalable/apps"));
    QSvgGenerator svg;
    svg.setFileName(folder.filePath(QStringLiteral("scalable/apps/%1.svg").arg(name)));
    svg.setSize(QSize(SvgSize, SvgSize));
    svg.setViewBox(QRect(0, 0, SvgSize, SvgSize));
    svg.setTitle(QStringLiteral("Kestrove"));
    {
        QPainter painter(&svg);
        paintAppIcon(painter, SvgSize);
    }
    for (int size : {16, 32, 48, 64, 128, 256}) {
        const QString sized = QStringLiteral("%1x%1/apps").arg(size);
        folder.mkpath(sized);
        QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        {
            QPainter painter(&image);
            paintAppIcon(painter, size);
        }
        if (!image.save(folder.filePath(QStringLiteral("%1/%2.png").arg(sized, name)))) {
            std::fprintf(stderr, "cannot write the %s icon\n", qPrintable(sized));
            return 1;
        }
    }
    return 0;
}
