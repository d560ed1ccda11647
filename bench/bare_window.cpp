// SPDX-License-Identifier: GPL-3.0-or-later
#include "StartupProbe.h"

#include <QApplication>
#include <QMainWindow>

// Shows an empty main window and, once it has painted itself, prints the time and exits: the
// reference point for the program's own start-up time.
int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QMainWindow window;
    window.resize(753, 452);
    StartupProbe::watch(window);
    window.show();
    return app.exec();
}
