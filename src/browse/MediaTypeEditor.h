// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

class MediaTypes;
class EntryListView;
class QPushButton;

// Edits which media types folders dropped on the EditList collect. Only "Cancel" (or Esc)
// discards the changes; "Ok" and the window's close box both keep them.
class MediaTypeEditor : public QDialog
{
    Q_OBJECT

public:
    explicit MediaTypeEditor(MediaTypes &types, QWidget *parent = nullptr);

    bool cancelled() const { return m_cancelled; }

    void reject() override;

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void applyChoices();

    MediaTypes &m_types;
    EntryListView *m_list = nullptr;
    bool m_cancelled = false;
    bool m_finished = false;
};
