// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

// Name, type, size, dates, permissions and location of a file or folder.
class PropertiesDialog : public QDialog
{
    Q_OBJECT

public:
    explicit PropertiesDialog(const QString &path, QWidget *parent = nullptr);

    // "rwxr-x---" for the owner, group and others.
    static QString permissionText(int permissions);
};
