// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <optional>

class SettingsStore;

// The program's options, one accessor per option. Each reader applies its key's stored encoding
// and default; a reader returning nothing means the stored text cannot be applied, and the caller
// leaves its control as it was.
class Settings
{
public:
    explicit Settings(SettingsStore &store) : m_store(store) {}

    // Ticked exactly when the stored number is 1.
    bool showAllFiles() const;
    void setShowAllFiles(bool on);
    bool liveResizeLists() const;
    void setLiveResizeLists(bool on);
    bool liveResizePlayer() const;
    void setLiveResizePlayer(bool on);
    bool confirmDelete() const;
    void setConfirmDelete(bool on);

    // Check boxes stored as 0 or 1.
    std::optional<bool> minimiseForEditList() const;
    void setMinimiseForEditList(bool on);
    // "Also show modern media types": off unless the stored number is 1.
    bool modernTypes() const;
    void setModernTypes(bool on);
    std::optional<bool> deleteToTrash() const;
    void setDeleteToTrash(bool on);
    std::optional<bool> autoPlay() const;
    void setAutoPlay(bool on);
    std::optional<bool> autoPlayAtStart() const;
    void setAutoPlayAtStart(bool on);
    std::optional<bool> autoAdvance() const;
    void setAutoAdvance(bool on);
    std::optional<bool> restoreSpeed() const;
    void setRestoreSpeed(bool on);
    std::optional<bool> keepSpeed() const;
    void setKeepSpeed(bool on);
    std::optional<bool> rememberPosition() const;
    void setRememberPosition(bool on);

    // Percentages of the three splitters, rounded halves to even; the splitters clamp them.
    int filesShare() const;
    void setFilesShare(int percent);
    int listsShare() const;
    void setListsShare(int percent);
    int foldersShare() const;
    void setFoldersShare(int percent);

    // The window rectangle in twips; nothing when the stored text holds no number.
    std::optional<double> windowLeft() const;
    std::optional<double> windowTop() const;
    std::optional<double> windowWidth() const;
    std::optional<double> windowHeight() const;
    void setWindowRectangle(double left, double top, double width, double height);
    bool windowMaximised() const;
    void setWindowMaximised(bool maximised);

    // Whole integers; nothing when the text is not one.
    std::optional<qint32> speed() const;
    void setSpeed(qint32 percent);
    std::optional<qint32> startOffsetChoice() const;
    void setStartOffsetChoice(qint32 index);
    std::optional<qint32> slideDelayChoice() const;
    void setSlideDelayChoice(qint32 index);
    std::optional<qint32> lastPosition() const;
    void setLastPosition(qint32 milliseconds);

    QString lastFile() const;
    void setLastFile(const QString &path);
    QString lastFolder() const;
    void setLastFolder(const QString &folder);

    // True until the first run has been recorded.
    bool isFirstRun() const;
    void recordFirstRun();

    // Whether folders dropped on the EditList collect a media type (by its row).
    std::optional<bool> dropCollects(int row) const;
    void setDropCollects(int row, bool on);

    // Writes pending changes to disk; false when the file could not be written.
    bool sync();

private:
    SettingsStore &m_store;
};
