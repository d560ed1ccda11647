// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/Settings.h"

#include "core/MediaTypes.h"
#include "platform/SettingsStore.h"

int Settings::thumbnailSide() const
{
    const std::optional<qint32> stored = thumbnailSize();
    return stored && *stored == ThumbnailSides[1] ? ThumbnailSides[1] : ThumbnailSides[0];
}

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

bool Settings::dropFlagsStored() const
{
    for (int row = 0; row < MediaTypes::AllCount; ++row) {
        const SettingDefinition flag = SettingKeys::dragDrop(row);
        if (!m_store.value(QLatin1String(flag.section), QLatin1String(flag.key), QString()).isEmpty())
            return true;
    }
    return false;
}

bool Settings::sync()
{
    return m_store.sync();
}
