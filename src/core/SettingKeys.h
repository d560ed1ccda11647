// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class SettingsStore;

// The one table of the program's persistent options. Every value is stored as text; the encoding
// says how a reader turns it back into a value.
enum class SettingEncoding
{
    Decimal,       // leading numeric part of the text, empty or non-numeric reads as 0
    FlagEqualsOne, // decimal, true exactly when the number is 1
    WholeInteger,  // the whole text must be an integer
    Twips,         // decimal text of a single-precision number
    FixedWord,     // one of a few fixed words
    BooleanWord,   // True / False
    Text,          // taken as it stands
};

enum class SettingKey
{
    ShowAllFiles,
    FileFlySize,
    VideoFlySize,
    AutoMini,
    Delete,
    DeleteConfirm,
    DefLeft,
    DefLeft2,
    DefLeft3,
    Left,
    Top,
    Width,
    Height,
    WinState,
    AutoPlay,
    AutoPlayStart,
    AutoPlayNext,
    RestoreSpeed,
    MaintainSpeed,
    CurSpeed,
    Offset,
    Slide,
    RemPos,
    LastPos,
    LastFile,
    LastPath,
    FirstUse,
    ModernTypes,
    FitViewer,
    Thumbnails,
    ThumbnailSize,
    Volume,
};

struct SettingDefinition
{
    const char *section;
    const char *key;
    SettingEncoding encoding;
    // "left" and "top" have no fixed default: their reader centres the window.
    const char *defaultValue;
};

namespace SettingKeys {

inline constexpr int Count = int(SettingKey::Volume) + 1;

const SettingDefinition &definition(SettingKey key);

inline constexpr const char *GeneralSection = "General";
inline constexpr const char *DragDropSection = "DragNDropExt";

// Section "DragNDropExt", key = the media-type row written in decimal, default False.
SettingDefinition dragDrop(int row);

// The stored text of a key, or its default when it is not stored.
QString read(const SettingsStore &store, const SettingDefinition &definition);
void write(SettingsStore &store, const SettingDefinition &definition, const QString &text);

} // namespace SettingKeys
