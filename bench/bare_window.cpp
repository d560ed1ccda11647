// SPDX-License-Identifier: GPL-3.0-or-later
#include <QApplication>
#include <QMainWindow>
#include <QTimer>
#include <cstdio>
#include <ctime>

// Shows an empty main window, prints the time once it is up, and exits: the reference point for
// the program's own start-up time.
int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QMainWindow window;
    window.resize(753, 452);
    window.show();
    QTimer::singleShot(0, &window, [] {
        timespec now{};
        clock_gettime(CLOCK_REALTIME, &now);
        std::printf("startup-probe %lld\n", static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec);
        std::fflush(stdout);
        std::_Exit(0);
    });
    return app.exec();
}
