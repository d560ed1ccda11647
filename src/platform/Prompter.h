// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>
#include <optional>

// Every message box and input box of the program goes through this interface, so that a test can
// answer the questions and check their exact texts.
class Prompter
{
public:
    enum class Icon
    {
        None,
        Information,
        Exclamation,
        Critical,
        Question
    };
    enum class Buttons
    {
        Ok,
        OkCancel,
        YesNo,
        YesNoCancel,
        RetryCancel,
        AbortRetryIgnore
    };
    enum class Answer
    {
        Ok,
        Cancel,
        Yes,
        No,
        Retry,
        Abort,
        Ignore
    };

    virtual ~Prompter() = default;

    // buttonLabels name the buttons, in their order, by what they do where the standard names
    // would not tell their harm apart ("Move to Trash", "Delete Permanently"); a button without a
    // label keeps its standard name. The answer is still the standard button's.
    virtual Answer message(const QString &text, const QString &title, Buttons buttons, Icon icon,
                           const QStringList &buttonLabels = {}) = 0;

    // Returns nothing when the user cancels.
    virtual std::optional<QString> input(const QString &prompt, const QString &title,
                                         const QString &defaultText) = 0;

    enum class FileDialog
    {
        Open,
        Save,
        Folder
    };
    // A file chosen in the file dialog, with the name filters offered in order ("*.m3u", "*.*"), or
    // a folder chosen in the folder dialog (no filters).
    // Returns nothing when the user cancels. Saving does not ask about an existing file: the caller
    // asks, once it knows the final name.
    virtual std::optional<QString> chooseFile(FileDialog kind, const QString &title,
                                              const QStringList &filters) = 0;

    // The session ends (a termination signal): the question open now and every later one is
    // answered as if dismissed (Cancel, No, nothing chosen) without waiting on a person.
    virtual void stopAsking() {}
};
