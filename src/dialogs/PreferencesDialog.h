// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

class MediaTypes;
class Prompter;
class QCheckBox;
class Settings;

// "Kestrove Setup": the options that are set nowhere else. "Close" saves them; the window's close
// box saves nothing.
class PreferencesDialog : public QDialog
{
    Q_OBJECT

public:
    PreferencesDialog(Settings &settings, Prompter &prompter, const MediaTypes &types, bool showAll,
                      QWidget *parent = nullptr);

    // The supported types as "Supported filetypes ?" shows them.
    static QString supportedTypesText(const MediaTypes &types);

private:
    void save();

    Settings &m_settings;
    QCheckBox *m_fileFly = nullptr;
    QCheckBox *m_videoFly = nullptr;
    QCheckBox *m_autoMini = nullptr;
    QCheckBox *m_delete = nullptr;
    QCheckBox *m_deleteConfirm = nullptr;
    QCheckBox *m_showAll = nullptr;
};
