// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/Settings.h"

#include "platform/SettingsStore.h"

bool Settings::isFirstRun() const
{
    return SettingKeys::read(m_store, SettingKeys::definition(SettingKey::FirstUse)).isEmpty();
}

void Settings::recordFirstRun()
{
    SettingKeys::write(m_store, SettingKeys::definition(SettingKey::FirstUse), QStringLiteral("false"));
}

std::optional<bool> Settings::dropCollects(int row) const
{
    return SettingCodec::booleanWord(SettingKeys::read(m_store, SettingKeys::dragDrop(row)));
}

void Settings::setDropCollects(int row, bool on)
{
    SettingKeys::write(m_store, SettingKeys::dragDrop(row), SettingCodec::fromBoolean(on));
}

bool Settings::sync()
{
    return m_store.sync();
}
