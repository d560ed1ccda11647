// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/CommandLine.h"
#include "app/Translations.h"
#include "core/FilePattern.h"
#include "core/Paths.h"
#include "core/Settings.h"
#include "integration/AssociationStore.h"
#include "mainwindow/AccessibleTitleStrip.h"
#include "mainwindow/AppIcon.h"
#include "mainwindow/AppServices.h"
#include "mainwindow/MainWindow.h"
#include "mainwindow/StartupReads.h"
#include "mainwindow/StartupRestore.h"
#include "mainwindow/StartupWarmUp.h"
#include "platform/FileIconProvider.h"
#include "platform/FreedesktopTrash.h"
#include "platform/NativePath.h"
#include "platform/QtPrompter.h"
#include "platform/SettingsStore.h"
#include "platform/SingleInstance.h"
#include "platform/UnixSignalWatcher.h"
#include "playback/AccessibleLevelMeter.h"
#include "playback/MpvPlayer.h"
#include "widgets/AccessibleWidgets.h"
#include "widgets/ContextMenuKeys.h"
#include "widgets/ControlGallery.h"
#include "widgets/StartupProbe.h"

#include <QAccessible>
#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <climits>
#include <cstdio>
#include <optional>
#include <unistd.h>

namespace {

QStringList argumentsOf(int argc, char **argv)
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments.append(NativePath::fromBytes(argv[i]));
    return arguments;
}

// The folder the program was started in, as its bytes.
QString startFolder()
{
    char folder[PATH_MAX];
    return ::getcwd(folder, sizeof folder) ? NativePath::fromBytes(folder) : QDir::currentPath();
}

// Answers --help, --version and a malformed command line; nothing when the program is to run.
std::optional<int> answerWithoutWindow(const CommandLine &command, const char *argv0)
{
    const QString programName = QFileInfo(QString::fromLocal8Bit(argv0)).fileName();
    switch (command.action) {
    case CommandLine::Action::ShowHelp:
        std::fputs(qPrintable(CommandLine::helpText(programName)), stdout);
        return 0;
    case CommandLine::Action::ShowVersion:
        std::printf("%s\n", qPrintable(CommandLine::versionText()));
        return 0;
    case CommandLine::Action::Error:
        std::fprintf(stderr, "%s: %s\nTry '%s --help' for more information.\n", qPrintable(programName),
                     qPrintable(command.message), qPrintable(programName));
        return 2;
    case CommandLine::Action::Run:
        break;
    }
    return std::nullopt;
}

// The program's own controls are seen by assistive technology, and Shift+F10 opens a context menu
// wherever the menu key does.
void makeAccessible(QApplication &app)
{
    QAccessible::installFactory(accessibleWidget);
    QAccessible::installFactory(AccessibleLevelMeter::create);
    QAccessible::installFactory(AccessibleTitleStrip::create);
    app.installEventFilter(new ContextMenuKeys(&app));
}

int showControlGallery(int argc, char **argv)
{
    QApplication app(argc, argv);
    const Translations translations(QLocale::system());
    makeAccessible(app);
    app.setWindowIcon(appIcon());
    ControlGallery demo;
    demo.show();
    return app.exec();
}

// A lock that can be neither taken nor replaced cannot keep a second copy from writing the same
// lists and settings: the start says so and ends instead of running a window of its own.
int refuseWithoutLock(int argc, char **argv, const QString &problem)
{
    QApplication app(argc, argv);
    const Translations translations(QLocale::system());
    app.setWindowIcon(appIcon());
    const QString text = QCoreApplication::translate(
                             "main", "Kestrove cannot make sure that only one copy of it runs, because "
                                     "its lock file can be neither used nor replaced (%1). Remove that "
                                     "file and start Kestrove again.")
                             .arg(problem);
    std::fprintf(stderr, "%s\n", qPrintable(text));
    QtPrompter().message(text, QStringLiteral("Kestrove"), Prompter::Buttons::Ok, Prompter::Icon::Critical);
    return 1;
}

// How long the end waits for work on other threads before it abandons it.
constexpr int AbandonWorkAfterMs = 300;

// The services the windows are given, built once for the whole run.
struct Services
{
    explicit Services(const QString &dataFolder)
        : player({true, true}), associations(dataFolder + QStringLiteral("associations.json"))
    {
    }

    QtPrompter prompter;
    FileIconProvider icons;
    FreedesktopTrash trash;
    MpvPlayer player;
    AssociationStore associations;
};

// Builds the window and runs the program's event loop.
int runWindow(QApplication &app, const CommandLine &command, SingleInstance &instance, bool first,
              Settings &settings, const QString &dataFolder, StartupReads &reads)
{
    Services made(dataFolder);
    const AppServices services{&settings,
                               &made.prompter,
                               &made.icons,
                               &made.trash,
                               &made.player,
                               dataFolder,
                               [] {
                                   return std::make_unique<MpvPlayer>(MpvPlayer::Options{true, true});
                               },
                               &made.associations};
    std::optional<MainWindow> window(std::in_place, services, StartOptions{command.path, !first, &reads});
    made.prompter.setParent(&*window);
    made.prompter.setFolderShown([&window] { return window->currentFolder(); });

    QObject::connect(&instance, &SingleInstance::executeRequested, &*window, &MainWindow::openHandedPath);
    UnixSignalWatcher signals;
    QObject::connect(&signals, &UnixSignalWatcher::terminationRequested, &*window,
                     &MainWindow::closeOnRequest);

    if (!window->load())
        return 0;
    if (command.startupProbe)
        StartupProbe::watch(*window);
    const int status = app.exec();
    // Everything a person made was saved as the window closed. Work that cannot be interrupted (a
    // thumbnail of a video that never decodes, libmpv probing a large file that is no medium)
    // would hold the end for up to its time limit: a quit or a logout must not wait for it, so the
    // program ends without it. libmpv ends after the window, whose video views draw with it.
    const auto endWithout = [status] {
        std::fflush(nullptr);
        ::_exit(status);
    };
    if (!window->finishBackgroundWork(AbandonWorkAfterMs))
        endWithout();
    window.reset();
    if (!made.player.finish(AbandonWorkAfterMs))
        endWithout();
    return status;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication::setApplicationName(QStringLiteral("Kestrove"));
    QCoreApplication::setApplicationVersion(CommandLine::versionText().section(QLatin1Char(' '), 1));
    // A Wayland window names its program by this, and the desktop shows the icon and name of the
    // desktop file so named: a Wayland window has no icon of its own.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.kestrove.Kestrove"));

    CommandLine command = CommandLine::parse(argumentsOf(argc, argv), startFolder());
    if (const std::optional<int> answered = answerWithoutWindow(command, argv[0]))
        return *answered;
    // A path that is not there is said once and the nearest folder above it shown instead.
    if (!command.path.isEmpty() && !CommandLine::exists(command.path)) {
        const QString nearest = CommandLine::nearestExisting(command.path);
        std::fprintf(stderr, "%s: %s does not exist; showing %s\n",
                     qPrintable(QFileInfo(QString::fromLocal8Bit(argv[0])).fileName()),
                     qPrintable(command.path), qPrintable(nearest));
        command.path = nearest;
    }
    if (command.demoControls)
        return showControlGallery(argc, argv);

    // A path for a copy that already runs is handed over before any window is made.
    const QString runtimeFolder = SingleInstance::defaultRuntimeFolder();
    SingleInstance instance(runtimeFolder);
    const bool first = instance.tryBecomeFirst();
    if (!first && !instance.lockProblem().isEmpty())
        return refuseWithoutLock(argc, argv, instance.lockProblem());
    if (!first && !command.path.isEmpty() &&
        SingleInstance::offerToRunning(runtimeFolder, command.path, 3000))
        return 0;

    SettingsStore store(SettingsStore::defaultPath());
    Settings settings(store);
    const QString dataFolder = Paths::dataFolder();
    StartupReads reads(dataFolder, StartupRestore::startFolder(command.path, settings),
                       StartupRestore::listingPattern(settings));

    QApplication app(argc, argv);
    const Translations translations(QLocale::system());
    makeAccessible(app);
    const StartupWarmUp warmUp;
    if (first)
        instance.listen();
    app.setWindowIcon(appIcon());
    return runWindow(app, command, instance, first, settings, dataFolder, reads);
}
