// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

// What the program was asked to do on its command line.
struct CommandLine
{
    enum class Action
    {
        Run,
        ShowHelp,
        ShowVersion,
        Error
    };

    Action action = Action::Run;
    // All positional arguments joined by one blank, quotes removed, made absolute against the
    // folder the program was started in. Empty when none were given.
    QString path;
    bool startupProbe = false;
    // Show the custom controls' demonstration window instead of the main window: a developer's
    // option (--demo-controls), left out of the help and the manual page.
    bool demoControls = false;
    QString message;

    static CommandLine parse(const QStringList &arguments, const QString &startFolder);
    // Whether a file or folder is there, by the path's own bytes.
    static bool exists(const QString &path);
    // The path itself when it exists, else the nearest folder above it that does ("/" at last).
    static QString nearestExisting(const QString &path);
    static QString helpText(const QString &programName);
    // What --version prints: the command's name and the version number, as other commands do.
    static QString versionText();
};
