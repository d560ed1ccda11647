// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/SettingKeys.h"

#include <QString>

class SettingsStore;

// One stored option: its key and the pair of codec functions that turn the stored text (or the
// key's default) into a value and a value back into text. The pair is fixed where the option is
// declared, so no reader chooses how the text is decoded.
template <typename Value, typename Input, Value (*Decode)(const QString &), QString (*Encode)(Input)>
class SettingOption
{
public:
    SettingOption(SettingsStore &store, SettingKey key) : m_store(store), m_key(key) {}

    Value operator()() const { return Decode(SettingKeys::read(m_store, SettingKeys::definition(m_key))); }
    void set(Input value) { SettingKeys::write(m_store, SettingKeys::definition(m_key), Encode(value)); }

private:
    SettingsStore &m_store;
    SettingKey m_key;
};
