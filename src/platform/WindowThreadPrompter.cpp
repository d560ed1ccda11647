// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/WindowThreadPrompter.h"

#include "platform/WindowThread.h"

WindowThreadPrompter::WindowThreadPrompter(Prompter &windowPrompter) : m_windowPrompter(windowPrompter) {}

Prompter::Answer WindowThreadPrompter::message(const QString &text, const QString &title, Buttons buttons,
                                               Icon icon, const QStringList &buttonLabels)
{
    return WindowThread::call(
        &m_windowThread, [&] { return m_windowPrompter.message(text, title, buttons, icon, buttonLabels); },
        Answer::Cancel);
}

std::optional<QString> WindowThreadPrompter::input(const QString &prompt, const QString &title,
                                                   const QString &defaultText)
{
    return WindowThread::call(
        &m_windowThread, [&] { return m_windowPrompter.input(prompt, title, defaultText); },
        std::optional<QString>());
}

std::optional<QString> WindowThreadPrompter::chooseFile(FileDialog kind, const QString &title,
                                                        const QStringList &filters)
{
    return WindowThread::call(
        &m_windowThread, [&] { return m_windowPrompter.chooseFile(kind, title, filters); },
        std::optional<QString>());
}

void WindowThreadPrompter::stopAsking()
{
    WindowThread::call(&m_windowThread, [this] { m_windowPrompter.stopAsking(); });
}
