// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/SettingKeys.h"

#include "core/MediaTypes.h"
#include "platform/SettingsStore.h"

#include <QByteArray>
#include <array>

namespace SettingKeys {

namespace {

using E = SettingEncoding;
constexpr const char *G = GeneralSection;

constexpr std::array<SettingDefinition, Count> Table = {{
    {G, "showallfiles", E::FlagEqualsOne, "0"},
    {G, "FileFlySize", E::FlagEqualsOne, "1"},
    {G, "VideoFlySize", E::FlagEqualsOne, "0"},
    {G, "AutoMini", E::Decimal, "1"},
    {G, "Delete", E::Decimal, "1"},
    {G, "DeleteConfirm", E::FlagEqualsOne, "1"},
    {G, "DefLeft", E::Decimal, "50"},
    {G, "DefLeft2", E::Decimal, "70"},
    {G, "DefLeft3", E::Decimal, "25"},
    {G, "left", E::Twips, ""},
    {G, "top", E::Twips, ""},
    {G, "width", E::Twips, ""},
    {G, "height", E::Twips, ""},
    {G, "winstate", E::FixedWord, "normal"},
    {G, "AutoPlay", E::Decimal, "1"},
    {G, "AutoPlayStart", E::Decimal, "0"},
    {G, "AutoPlayNext", E::Decimal, "0"},
    {G, "RestoreSpeed", E::Decimal, "0"},
    {G, "MaintainSpeed", E::Decimal, "0"},
    {G, "CurSpeed", E::WholeInteger, "100"},
    {G, "Offset", E::WholeInteger, "0"},
    {G, "Slide", E::WholeInteger, "0"},
    {G, "RemPos", E::Decimal, "1"},
    {G, "LastPos", E::WholeInteger, "0"},
    {G, "LastFile", E::Text, ""},
    {G, "LastPath", E::Text, ""},
    {G, "FirstUse", E::FixedWord, ""},
    {G, "ModernTypes", E::Decimal, "1"},
    {G, "FitViewer", E::Decimal, "1"},
    {G, "Thumbnails", E::FlagEqualsOne, "0"},
    {G, "ThumbnailSize", E::WholeInteger, "64"},
    // The player's volume in thousandths.
    {G, "Volume", E::WholeInteger, "1000"},
}};

// Keys "0" to "33" live as long as the program: the table hands out pointers to them. Rows 21 to
// 33 are the modern media types, after the 21 rows of the classic table.
const std::array<QByteArray, MediaTypes::AllCount> &rowKeys()
{
    static const std::array<QByteArray, MediaTypes::AllCount> keys = [] {
        std::array<QByteArray, MediaTypes::AllCount> result;
        for (int row = 0; row < MediaTypes::AllCount; ++row)
            result[std::size_t(row)] = QByteArray::number(row);
        return result;
    }();
    return keys;
}

} // namespace

const SettingDefinition &definition(SettingKey key)
{
    return Table[std::size_t(key)];
}

SettingDefinition dragDrop(int row)
{
    const auto &keys = rowKeys();
    const char *key = row >= 0 && row < int(keys.size()) ? keys[std::size_t(row)].constData() : "";
    return {DragDropSection, key, SettingEncoding::BooleanWord, "False"};
}

QString read(const SettingsStore &store, const SettingDefinition &definition)
{
    return store.value(QLatin1String(definition.section), QLatin1String(definition.key),
                       QLatin1String(definition.defaultValue));
}

void write(SettingsStore &store, const SettingDefinition &definition, const QString &text)
{
    store.setValue(QLatin1String(definition.section), QLatin1String(definition.key), text);
}

} // namespace SettingKeys
