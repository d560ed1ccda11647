// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/ScriptedPrompter.h"

namespace {

Prompter::Answer firstButton(Prompter::Buttons buttons)
{
    switch (buttons) {
    case Prompter::Buttons::Ok:
    case Prompter::Buttons::OkCancel:
        return Prompter::Answer::Ok;
    case Prompter::Buttons::YesNo:
    case Prompter::Buttons::YesNoCancel:
        return Prompter::Answer::Yes;
    case Prompter::Buttons::RetryCancel:
        return Prompter::Answer::Retry;
    case Prompter::Buttons::AbortRetryIgnore:
        return Prompter::Answer::Abort;
    }
    return Prompter::Answer::Ok;
}

} // namespace

void ScriptedPrompter::ask(const Question &question)
{
    m_questions.append(question);
    if (m_whileAsked)
        m_whileAsked();
}

Prompter::Answer ScriptedPrompter::message(const QString &text, const QString &title, Buttons buttons,
                                           Icon icon, const QStringList &buttonLabels)
{
    ask({text, title, buttons, icon, false, false, buttonLabels});
    return m_answers.isEmpty() ? firstButton(buttons) : m_answers.dequeue();
}

std::optional<QString> ScriptedPrompter::input(const QString &prompt, const QString &title,
                                               const QString &defaultText)
{
    ask({prompt, title, Buttons::OkCancel, Icon::None, true, false, {}});
    return m_inputs.isEmpty() ? std::optional<QString>(defaultText) : m_inputs.dequeue();
}

std::optional<QString> ScriptedPrompter::chooseFile(FileDialog, const QString &title,
                                                    const QStringList &filters)
{
    Question question;
    question.text = filters.join(QLatin1Char(' '));
    question.title = title;
    question.isFileDialog = true;
    ask(question);
    return m_files.isEmpty() ? std::nullopt : m_files.dequeue();
}
