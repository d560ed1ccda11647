// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/CommandLine.h"

#include "core/Paths.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace {

const QLatin1String ProbeOption("--startup-probe");

} // namespace

CommandLine CommandLine::parse(const QStringList &arguments, const QString &startFolder)
{
    CommandLine result;
    QStringList positional;
    bool optionsEnded = false;
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString &argument = arguments.at(i);
        if (!optionsEnded && argument.startsWith(QLatin1Char('-')) && argument.size() > 1) {
            if (argument == QLatin1String("--")) {
                optionsEnded = true;
            } else if (argument == QLatin1String("--help") || argument == QLatin1String("-h")) {
                result.action = Action::ShowHelp;
                return result;
            } else if (argument == QLatin1String("--version") || argument == QLatin1String("-v")) {
                result.action = Action::ShowVersion;
                return result;
            } else if (argument == ProbeOption) {
                result.startupProbe = true;
            } else if (argument == QLatin1String("--demo-controls")) {
                result.demoControls = true;
            } else {
                result.action = Action::Error;
                result.message = QStringLiteral("unknown option '%1'").arg(argument);
                return result;
            }
            continue;
        }
        positional.append(argument);
    }

    QString path = positional.join(QLatin1Char(' '));
    path.remove(QLatin1Char('"'));
    if (!path.isEmpty() && QDir::isRelativePath(path))
        path = QDir::cleanPath(QDir(startFolder).absoluteFilePath(path));
    result.path = path;
    return result;
}

bool CommandLine::exists(const QString &path)
{
    // The path keeps the bytes it was given, which need not be UTF-8.
    return Paths::fileExists(path) || Paths::folderExists(path);
}

QString CommandLine::nearestExisting(const QString &path)
{
    QString nearest = QDir::cleanPath(path);
    while (!exists(nearest) && nearest != QLatin1String("/")) {
        const QString above = QFileInfo(nearest).path();
        // A relative name runs out at "."; the root ends every absolute one.
        if (above == nearest)
            return QStringLiteral("/");
        nearest = above;
    }
    return nearest;
}

QString CommandLine::helpText(const QString &programName)
{
    return QStringLiteral(
               "Usage: %1 [OPTION]... [PATH]\n"
               "Browse, preview, play and organise media files.\n"
               "\n"
               "PATH is a folder to open, or a file whose folder is opened and the file selected.\n"
               "When Kestrove is already running, the path is handed to the running copy.\n"
               "\n"
               "  -h, --help     display this help and exit\n"
               "  -v, --version  output version information and exit\n")
        .arg(programName);
}

QString CommandLine::versionText()
{
    return QStringLiteral("kestrove %1.%2.%3")
        .arg(KESTROVE_VERSION_MAJOR)
        .arg(KESTROVE_VERSION_MINOR)
        .arg(KESTROVE_VERSION_PATCH);
}
