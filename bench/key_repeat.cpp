// SPDX-License-Identifier: GPL-3.0-or-later
#include "EventGapMeter.h"
#include "core/Settings.h"
#include "mainwindow/AppServices.h"
#include "mainwindow/MainWindow.h"
#include "platform/FileIconProvider.h"
#include "platform/FreedesktopTrash.h"
#include "platform/QtPrompter.h"
#include "platform/SettingsStore.h"
#include "playback/MpvPlayer.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QTimer>
#include <cstdio>

// bench_key_repeat FOLDER DATA: the main window shows FOLDER, its first file chosen, and the Down
// key is held on the file list as the keyboard repeats it (30 times a second) until the last file;
// every file chosen starts to play. Prints the longest time the window went without handling
// events, in milliseconds, and the number of files chosen.
int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    const QStringList arguments = app.arguments();
    if (arguments.size() != 3) {
        std::fprintf(stderr, "usage: bench_key_repeat FOLDER DATA\n");
        return 2;
    }
    const QString data = QDir(arguments.at(2)).absolutePath() + QLatin1Char('/');
    SettingsStore store(data + QStringLiteral("Kestrove.ini"));
    Settings settings(store);
    QtPrompter prompter;
    FileIconProvider icons;
    FreedesktopTrash trash;
    MpvPlayer player({false, false});
    const AppServices services{&settings, &prompter, &icons, &trash, &player, data, {}};
    const QStringList files = QDir(arguments.at(1)).entryList(QDir::Files, QDir::Name);
    if (files.isEmpty())
        return 2;
    MainWindow window(services, StartOptions{QDir(arguments.at(1)).filePath(files.first()), false});
    if (!window.load())
        return 1;
    auto *list = window.findChild<QAbstractItemView *>(QStringLiteral("fileList"));
    QApplication::setActiveWindow(&window);
    list->setFocus();

    EventGapMeter gaps;

    int chosen = 0;
    QTimer keyboard;
    keyboard.setTimerType(Qt::PreciseTimer);
    QObject::connect(&keyboard, &QTimer::timeout, [&] {
        if (list->currentIndex().row() + 1 >= list->model()->rowCount()) {
            keyboard.stop();
            QTimer::singleShot(1000, &app, &QCoreApplication::quit);
            return;
        }
        QKeyEvent press(QEvent::KeyPress, Qt::Key_Down, Qt::NoModifier, QString(), true);
        QApplication::sendEvent(list, &press);
        ++chosen;
    });
    QTimer::singleShot(500, [&] {
        gaps.restart();
        keyboard.start(33);
    });
    app.exec();
    std::printf("%lld %d\n", static_cast<long long>(gaps.longest()), chosen);
    return 0;
}
