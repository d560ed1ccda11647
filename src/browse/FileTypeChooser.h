// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

class MediaTypes;
class QComboBox;

// Asks for one file pattern: "*.*" or one media type. The chosen pattern is empty when the
// window was cancelled, closed or left with Esc; callers act only on a non-empty pattern.
class FileTypeChooser : public QDialog
{
    Q_OBJECT

public:
    FileTypeChooser(const MediaTypes &types, const QString &caption, QWidget *parent = nullptr);

    QString chosenPattern() const { return m_chosen; }

    static QString choose(const MediaTypes &types, const QString &caption, QWidget *parent);

private:
    QComboBox *m_combo = nullptr;
    QString m_chosen;
};
