#pragma once

#include "SettingKeys.h"

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

    QString GetSetting(const QString &section, const QString &key, const QString &defaultValue) const;
    void SaveSetting(const QString &section, const QString &key, const QString &value);

    QString get(const SettingDefinition &definition) const;
    QString get(SettingKey key) const { return get(SettingKeys::definition(key)); }
    void save(const SettingDefinition &definition, const QString &value);
    void save(SettingKey key, const QString &value) { save(SettingKeys::definition(key), value); }

    // Writes pending changes to disk; false when the file could not be written.
    bool sync();

private:
    std::unique_ptr<QSettings> m_settings;
};
