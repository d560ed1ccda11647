// SPDX-License-Identifier: GPL-3.0-or-later
#include "StartupReads.h"

#include "EditListFile.h"
#include "FilePattern.h"
#include "ListFiles.h"
#include "M3uFile.h"

#include <fontconfig/fontconfig.h>

namespace {

// Loads the font configuration and its caches, and goes through the font list and the default
// family's fallbacks as the first text of the window will: that text then finds the caches' pages
// in memory.
void loadFontConfiguration()
{
    FcInit();
    FcPattern *all = FcPatternCreate();
    FcObjectSet *objects =
        FcObjectSetBuild(FC_FAMILY, FC_STYLE, FC_WEIGHT, FC_SLANT, FC_SPACING, FC_FILE, FC_INDEX, FC_LANG,
                         FC_CHARSET, FC_FOUNDRY, FC_SCALABLE, FC_PIXEL_SIZE, FC_WIDTH, FC_FAMILYLANG,
                         FC_CAPABILITY, FC_FONTFORMAT, FC_COLOR, nullptr);
    FcFontSetDestroy(FcFontList(nullptr, all, objects));
    FcObjectSetDestroy(objects);
    FcPatternDestroy(all);
    FcPattern *sans = FcNameParse(reinterpret_cast<const FcChar8 *>("sans-serif"));
    FcConfigSubstitute(nullptr, sans, FcMatchPattern);
    FcDefaultSubstitute(sans);
    FcResult result = FcResultMatch;
    FcFontSetDestroy(FcFontSort(nullptr, sans, FcFalse, nullptr, &result));
    FcPatternDestroy(FcFontMatch(nullptr, sans, &result));
    FcPatternDestroy(sans);
}

} // namespace

StartupReads::StartupReads(const QString &dataFolder, const QString &startFolder, const FilePattern &pattern)
    : m_dataFolder(dataFolder), m_fonts(std::async(std::launch::async, loadFontConfiguration)),
      m_editList(std::async(std::launch::async,
                            [path = dataFolder + ListFiles::EditList] {
                                EditListRead read;
                                read.problem = EditListFile::load(read.store, path);
                                return read;
                            })),
      m_playlist(std::async(std::launch::async,
                            [path = dataFolder + ListFiles::Playlist] { return M3uFile::read(path); }))
{
    if (!startFolder.isEmpty())
        m_startFolder.emplace(startFolder, pattern);
}

QString StartupReads::takeEditList(EditListStore &store)
{
    EditListRead read = m_editList.get();
    store = std::move(read.store);
    return read.problem;
}

TextLineFile::Contents StartupReads::takePlaylist()
{
    return m_playlist.get();
}
