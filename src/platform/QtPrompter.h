// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/Prompter.h"

#include <QPointer>
#include <QWidget>

// Shows questions as QMessageBox / QInputDialog / QFileDialog windows, modal over the window in
// front (the given parent when none is).
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
    void stopAsking() override;

private:
    QWidget *owner() const;

    QPointer<QWidget> m_parent;
    bool m_stopped = false;
};
