// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/Prompter.h"

#include <QList>
#include <QQueue>
#include <functional>

// A Prompter for tests: records every question and returns answers queued in advance.
// With no answer queued, a message box returns its first button and an input box its default text.
class ScriptedPrompter : public Prompter
{
public:
    struct Question
    {
        QString text;
        QString title;
        Buttons buttons = Buttons::Ok;
        Icon icon = Icon::None;
        bool isInput = false;
        // A file dialog: its title, and its filters as the text.
        bool isFileDialog = false;
        QStringList buttonLabels;
    };

    void queueAnswer(Answer answer) { m_answers.enqueue(answer); }
    void queueInput(std::optional<QString> text) { m_inputs.enqueue(std::move(text)); }
    // The next file dialog's answer; with none queued the dialog is cancelled.
    void queueFile(std::optional<QString> path) { m_files.enqueue(std::move(path)); }

    // What the user does while a question is up, before answering it: a real dialog lets the
    // window's events run until then.
    void setWhileAsked(std::function<void()> action) { m_whileAsked = std::move(action); }

    const QList<Question> &questions() const { return m_questions; }
    void clear() { m_questions.clear(); }

    Answer message(const QString &text, const QString &title, Buttons buttons, Icon icon,
                   const QStringList &buttonLabels = {}) override;
    std::optional<QString> input(const QString &prompt, const QString &title,
                                 const QString &defaultText) override;
    std::optional<QString> chooseFile(FileDialog kind, const QString &title,
                                      const QStringList &filters) override;

private:
    void ask(const Question &question);

    QList<Question> m_questions;
    std::function<void()> m_whileAsked;
    QQueue<Answer> m_answers;
    QQueue<std::optional<QString>> m_inputs;
    QQueue<std::optional<QString>> m_files;
};
