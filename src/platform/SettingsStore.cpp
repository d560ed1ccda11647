// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/SettingsStore.h"

#include "platform/NativePath.h"

#include <QDir>
#include <QSettings>
#include <QStandardPaths>

SettingsStore::SettingsStore(const QString &iniPath)
    : m_settings(std::make_unique<QSettings>(iniPath, QSettings::IniFormat))
{
}

SettingsStore::~SettingsStore() = default;

QString SettingsStore::defaultPath()
{
    return QDir(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation))
        .filePath(QStringLiteral("Kestrove/Kestrove.ini"));
}

QString SettingsStore::value(const QString &section, const QString &key, const QString &defaultValue) const
{
    // Values are read as text whatever QSettings makes of them; a value it stored as a list
    // (a comma in the text) comes back joined by commas.
    const QVariant value = m_settings->value(section + QLatin1Char('/') + key);
    if (!value.isValid())
        return defaultValue;
    if (value.typeId() == QMetaType::QStringList)
        return value.toStringList().join(QLatin1Char(','));
    if (value.typeId() == QMetaType::QByteArray)
        return NativePath::fromBytes(value.toByteArray());
    return value.toString();
}

void SettingsStore::setValue(const QString &section, const QString &key, const QString &value)
{
    // A path that is not valid UTF-8 is kept as its bytes, which the INI file writes escaped.
    const QVariant stored =
        NativePath::hasUndecodableBytes(value) ? QVariant(NativePath::toBytes(value)) : QVariant(value);
    const QString name = section + QLatin1Char('/') + key;
    // QSettings rewrites its file for every value set, even one it holds already; the settings are
    // saved again and again while the program runs, and a file unchanged is not written.
    if (m_settings->value(name) != stored)
        m_settings->setValue(name, stored);
}

bool SettingsStore::sync()
{
    m_settings->sync();
    return m_settings->status() == QSettings::NoError;
}
