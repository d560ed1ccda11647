// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

class QLabel;

// The small window shown while a folder is searched: what is being added, how many files were
// found so far, and "Cancel".
class SearchProgressDialog : public QDialog
{
    Q_OBJECT

public:
    // Width, in pixels, that the path shown in the first line is shortened to.
    static constexpr int PathWidth = 410;

    explicit SearchProgressDialog(QWidget *parent = nullptr);

    void setLines(const QString &first, const QString &second);
    void showFound(const QString &path, int count);
    // Closes the window without counting it as a cancel, once the search has ended.
    void finish();

Q_SIGNALS:
    void cancelRequested();

public:
    // Cancel, Esc and the close box all cancel the search.
    void reject() override;

private:
    QLabel *m_activity = nullptr;
    QLabel *m_count = nullptr;
    bool m_finished = false;
};
