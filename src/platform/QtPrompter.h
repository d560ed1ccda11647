// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/Prompter.h"

#include <QPointer>
#include <QWidget>
#include <functional>

// Shows questions as QMessageBox / QInputDialog / QFileDialog windows, modal over the window in
// front (the given parent when none is).
class QtPrompter : public Prompter
{
public:
    explicit QtPrompter(QWidget *parent = nullptr);

    void setParent(QWidget *parent);
    // The folder the file choosers open in: the one shown, asked for when they open; the home
    // folder when it gives none that exists. The folder chooser picks where things go rather than
    // where they come from: it opens at the folder last chosen in it, else at home.
    void setFolderShown(std::function<QString()> folderShown) { m_folderShown = std::move(folderShown); }

    Answer message(const QString &text, const QString &title, Buttons buttons, Icon icon,
                   const QStringList &buttonLabels = {}) override;
    std::optional<QString> chooseFile(FileDialog kind, const QString &title,
                                      const QStringList &filters) override;
    std::optional<QString> input(const QString &prompt, const QString &title,
                                 const QString &defaultText) override;
    void stopAsking() override;

private:
    QWidget *owner() const;
    QString startFolder() const;

    QPointer<QWidget> m_parent;
    bool m_stopped = false;
    std::function<QString()> m_folderShown;
    // Kept for the session.
    QString m_lastFolderChosen;
};
