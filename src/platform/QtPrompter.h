// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Prompter.h"

#include <QPointer>
#include <QWidget>

// Shows questions as QMessageBox / QInputDialog windows, modal over the given parent.
class QtPrompter : public Prompter
{
public:
    explicit QtPrompter(QWidget *parent = nullptr);

    void setParent(QWidget *parent);

    Answer message(const QString &text, const QString &title, Buttons buttons, Icon icon) override;
    std::optional<QString> chooseFile(FileDialog kind, const QString &title,
                                      const QStringList &filters) override;
    std::optional<QString> input(const QString &prompt, const QString &title,
                                 const QString &defaultText) override;

private:
    QPointer<QWidget> m_parent;
};
