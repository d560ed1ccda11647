// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/StartupProbe.h"

#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <cstring>

// Shows an empty main window and, once it has painted itself, prints the time and exits: the
// reference point for the program's own start-up time. With --label the window shows one line of
// text, which is what loading the fonts costs any window that shows text.
int main(int argc, char **argv)
{
    const bool label = argc > 1 && std::strcmp(argv[1], "--label") == 0;
    QApplication app(argc, argv);
    QMainWindow window;
    window.resize(753, 452);
    if (label)
        window.setCentralWidget(new QLabel(QStringLiteral("Kestrove"), &window));
    StartupProbe::watch(window);
    window.show();
    return app.exec();
}
