// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <memory>

class QSettings;

// The per-user settings store: (section, key) -> text, kept in an INI file. The application name
// is always "Kestrove"; it names the file, not a level inside it.
class SettingsStore
{
public:
    explicit SettingsStore(const QString &iniPath);
    ~SettingsStore();

    // ~/.config/Kestrove/Kestrove.ini (under the test folder when test mode is on).
    static QString defaultPath();

    QString value(const QString &section, const QString &key, const QString &defaultValue) const;
    void setValue(const QString &section, const QString &key, const QString &value);

    // Writes pending changes to disk; false when the file could not be written.
    bool sync();

private:
    std::unique_ptr<QSettings> m_settings;
};
