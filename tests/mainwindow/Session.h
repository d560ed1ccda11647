// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "mainwindow/MainWindow.h"
#include "platform/FileIconProvider.h"
#include "support/FakePlayer.h"
#include "support/FolderTrash.h"
#include "support/ScriptedPrompter.h"
#include "support/TemporaryFolder.h"

#include <QApplication>
#include <QString>
#include <memory>

class Settings;
class SettingsStore;
class StartupReads;

// One run of the program against a settings file and a data folder of the test's own.
class Session
{
    // Declared first: the trash folder lives inside it.
    TemporaryFolder m_dir;

public:
    Session();
    ~Session();

    QString media(const QString &name = QString()) const;
    QString dataFile(const char *name) const;
    QString iniPath() const;

    void preset(const QString &key, const QString &value, const QString &section = QStringLiteral("General"));
    QString stored(const QString &key, const QString &section = QStringLiteral("General")) const;

    MainWindow &start(const QString &commandLine = QString(), bool anotherInstance = false,
                      bool closeDuringStartUp = false, StartupReads *reads = nullptr);
    // Waits until the folder shown is listed whole, as a person waits for the list to fill.
    void settle() const;
    void close();

    // Keys of a control act only while it has the focus in the active window.
    template <typename T> T *focused(const char *name) const
    {
        settle();
        QApplication::setActiveWindow(window.get());
        T *control = child<T>(name);
        control->setFocus();
        return control;
    }

    template <typename T> T *child(const char *name) const
    {
        settle();
        return window->findChild<T *>(QLatin1String(name));
    }

    ScriptedPrompter prompter;
    FileIconProvider icons;
    FakePlayer player;
    // The player of the separate window while one is open.
    FakePlayer *secondPlayer = nullptr;
    FolderTrash trash{m_dir.filePath(QStringLiteral("trash"))};
    std::unique_ptr<MainWindow> window;
    bool loaded = false;

private:
    std::unique_ptr<SettingsStore> m_store;
    std::unique_ptr<Settings> m_settings;
};
