// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>
#include <functional>
#include <optional>

class MediaTypes;
class Prompter;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QHBoxLayout;
class QListWidget;
class QPushButton;
class Settings;

// "Kestrove Setup": the options that are set nowhere else. "Close" saves them; the window's close
// box saves nothing.
class PreferencesDialog : public QDialog
{
    Q_OBJECT

public:
    // The association of the "Browse with Kestrove..." verb: its status lines, making it (putting
    // the new lines in place of those shown; false when file managers cannot offer the verb, its
    // desktop entry not written) and removing it (settling the lines shown). Without them the
    // buttons are disabled.
    // Making and removing run on a worker thread. What the store has to tell about its file after
    // either (a file left unread, a damaged one replaced) is asked on the window's thread.
    struct AssociationCommands
    {
        std::function<QStringList()> status;
        std::function<bool(QStringList &lines)> make;
        std::function<void(QStringList &lines)> remove;
        std::function<QString()> notice;
    };

    PreferencesDialog(Settings &settings, Prompter &prompter, const MediaTypes &types, bool showAll,
                      const AssociationCommands &commands = {}, QWidget *parent = nullptr);

    // The supported types as "Supported filetypes ?" shows them.
    static QString supportedTypesText(const MediaTypes &types);

    void done(int result) override;

private:
    void createOptions(bool showAll);
    QHBoxLayout *createThumbnailSize();
    QGroupBox *createAssociationFrame(Prompter &prompter);
    void connectAssociation(QPushButton *make, QPushButton *remove, Prompter &prompter);
    // Tells what the association store has to tell about its file, if anything.
    void tellStoreNotice(Prompter &prompter);
    QHBoxLayout *createButtons(Prompter &prompter, const MediaTypes &types);
    void save();
    // Runs association work on the status lines shown, off the window's thread, with the window's
    // controls hidden behind the "please wait" line; shows the lines it leaves, then calls finished
    // with whether it succeeded.
    void whileUpdating(std::function<bool(QStringList &lines)> work,
                       const std::function<void(bool done)> &finished);

    Settings &m_settings;
    AssociationCommands m_association;
    QCheckBox *m_fileFly = nullptr;
    QCheckBox *m_videoFly = nullptr;
    QCheckBox *m_autoMini = nullptr;
    QCheckBox *m_delete = nullptr;
    QCheckBox *m_deleteConfirm = nullptr;
    QCheckBox *m_showAll = nullptr;
    QCheckBox *m_modernTypes = nullptr;
    QCheckBox *m_fitViewer = nullptr;
    QCheckBox *m_thumbnails = nullptr;
    QComboBox *m_thumbnailSize = nullptr;
    QListWidget *m_status = nullptr;
    QWidget *m_updating = nullptr;
    bool m_updatingNow = false;
    std::optional<int> m_closeWhenUpdated;
};
