// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/SettingCodec.h"
#include "core/SettingOption.h"

#include <QString>
#include <optional>

class SettingsStore;

// The program's options, one accessor per option: `settings.autoPlay()` reads, `settings.autoPlay.set(on)`
// writes. Each option's type fixes its key's stored encoding; a reader returning nothing means the
// stored text cannot be applied, and the caller leaves its control as it was.
class Settings
{
    SettingsStore &m_store;

public:
    // Ticked exactly when the stored number is 1.
    using Flag = SettingOption<bool, bool, &SettingCodec::flagEqualsOne, &SettingCodec::fromCheckBox>;
    // Check boxes stored as 0 or 1.
    using CheckBox =
        SettingOption<std::optional<bool>, bool, &SettingCodec::checkBox, &SettingCodec::fromCheckBox>;
    using CheckBoxOrOff =
        SettingOption<bool, bool, &SettingCodec::checkBoxOrOff, &SettingCodec::fromCheckBox>;
    // Percentages of the splitters, rounded halves to even; the splitters clamp them.
    using Share = SettingOption<int, qint64, &SettingCodec::decimalInteger, &SettingCodec::fromInteger>;
    // Window coordinates in twips; nothing when the stored text holds no number.
    using Twips = SettingOption<std::optional<double>, double, &SettingCodec::leadingNumberIfAny,
                                &SettingCodec::fromTwips>;
    // Whole integers; nothing when the text is not one.
    using Integer =
        SettingOption<std::optional<qint32>, qint64, &SettingCodec::wholeInteger, &SettingCodec::fromInteger>;
    using Text = SettingOption<QString, const QString &, &SettingCodec::plainText, &SettingCodec::plainText>;
    using WindowState = SettingOption<bool, bool, &SettingCodec::maximisedWord, &SettingCodec::fromMaximised>;

    explicit Settings(SettingsStore &store) : m_store(store) {}

    Flag showAllFiles{m_store, SettingKey::ShowAllFiles};
    Flag liveResizeLists{m_store, SettingKey::FileFlySize};
    Flag liveResizePlayer{m_store, SettingKey::VideoFlySize};
    Flag confirmDelete{m_store, SettingKey::DeleteConfirm};
    // "Show thumbnails" in the file list: off until chosen.
    Flag thumbnails{m_store, SettingKey::Thumbnails};

    CheckBox minimiseForEditList{m_store, SettingKey::AutoMini};
    // "Also show modern media types": on while nothing is stored, so that a first start lists a
    // person's ordinary files; a stored value other than 1 turns it off.
    CheckBoxOrOff modernTypes{m_store, SettingKey::ModernTypes};
    // "Fit large pictures to the screen" in the full-screen viewer: on while nothing is stored.
    CheckBoxOrOff fitViewer{m_store, SettingKey::FitViewer};
    CheckBox deleteToTrash{m_store, SettingKey::Delete};
    CheckBox autoPlay{m_store, SettingKey::AutoPlay};
    CheckBox autoPlayAtStart{m_store, SettingKey::AutoPlayStart};
    CheckBox autoAdvance{m_store, SettingKey::AutoPlayNext};
    CheckBox restoreSpeed{m_store, SettingKey::RestoreSpeed};
    CheckBox keepSpeed{m_store, SettingKey::MaintainSpeed};
    CheckBox rememberPosition{m_store, SettingKey::RemPos};

    Share filesShare{m_store, SettingKey::DefLeft};
    Share listsShare{m_store, SettingKey::DefLeft2};
    Share foldersShare{m_store, SettingKey::DefLeft3};

    Twips windowLeft{m_store, SettingKey::Left};
    Twips windowTop{m_store, SettingKey::Top};
    Twips windowWidth{m_store, SettingKey::Width};
    Twips windowHeight{m_store, SettingKey::Height};
    WindowState windowMaximised{m_store, SettingKey::WinState};

    Integer speed{m_store, SettingKey::CurSpeed};
    Integer startOffsetChoice{m_store, SettingKey::Offset};
    Integer slideDelayChoice{m_store, SettingKey::Slide};
    Integer lastPosition{m_store, SettingKey::LastPos};
    Integer thumbnailSize{m_store, SettingKey::ThumbnailSize};
    Integer volume{m_store, SettingKey::Volume};

    Text lastFile{m_store, SettingKey::LastFile};
    Text lastFolder{m_store, SettingKey::LastPath};

    // The side of the file list's thumbnails in pixels, one of ThumbnailSides.
    static constexpr int ThumbnailSides[] = {64, 128};
    int thumbnailSide() const;

    // True until the first run has been recorded.
    bool isFirstRun() const;
    void recordFirstRun();

    // Whether folders dropped on the EditList collect a media type (by its row).
    std::optional<bool> dropCollects(int row) const;
    void setDropCollects(int row, bool on);
    // False until a drop flag has been stored: a fresh profile.
    bool dropFlagsStored() const;

    // Writes pending changes to disk; false when the file could not be written.
    bool sync();
};
