// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/Prompter.h"

#include <QObject>

// Asks a worker thread's questions through a prompter of the window's thread: the worker waits
// for the answer while the question is shown there, so a job's questions come in the order it asks
// them. Made on the window's thread; it must outlive every worker that asks through it.
class WindowThreadPrompter : public Prompter
{
public:
    explicit WindowThreadPrompter(Prompter &windowPrompter);

    Answer message(const QString &text, const QString &title, Buttons buttons, Icon icon,
                   const QStringList &buttonLabels = {}) override;
    std::optional<QString> input(const QString &prompt, const QString &title,
                                 const QString &defaultText) override;
    std::optional<QString> chooseFile(FileDialog kind, const QString &title,
                                      const QStringList &filters) override;
    void stopAsking() override;

private:
    Prompter &m_windowPrompter;
    // Lives on the window's thread: questions are handed to it.
    QObject m_windowThread;
};
