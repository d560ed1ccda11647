// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/QtPrompter.h"

#include "platform/LogCategories.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>

namespace {

QMessageBox::Icon toQtIcon(Prompter::Icon icon)
{
    switch (icon) {
    case Prompter::Icon::Information:
        return QMessageBox::Information;
    case Prompter::Icon::Exclamation:
        return QMessageBox::Warning;
    case Prompter::Icon::Critical:
        return QMessageBox::Critical;
    case Prompter::Icon::Question:
        return QMessageBox::Question;
    case Prompter::Icon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

// In the order the labels of a question name them.
QList<QMessageBox::StandardButton> toQtButtons(Prompter::Buttons buttons)
{
    switch (buttons) {
    case Prompter::Buttons::Ok:
        return {QMessageBox::Ok};
    case Prompter::Buttons::OkCancel:
        return {QMessageBox::Ok, QMessageBox::Cancel};
    case Prompter::Buttons::YesNo:
        return {QMessageBox::Yes, QMessageBox::No};
    case Prompter::Buttons::YesNoCancel:
        return {QMessageBox::Yes, QMessageBox::No, QMessageBox::Cancel};
    case Prompter::Buttons::RetryCancel:
        return {QMessageBox::Retry, QMessageBox::Cancel};
    case Prompter::Buttons::AbortRetryIgnore:
        return {QMessageBox::Abort, QMessageBox::Retry, QMessageBox::Ignore};
    }
    return {QMessageBox::Ok};
}

// The close box of a message box answers with its escape button, as the Windows boxes did.
Prompter::Answer fromQtButton(int button, Prompter::Buttons buttons)
{
    switch (button) {
    case QMessageBox::Ok:
        return Prompter::Answer::Ok;
    case QMessageBox::Yes:
        return Prompter::Answer::Yes;
    case QMessageBox::No:
        return Prompter::Answer::No;
    case QMessageBox::Retry:
        return Prompter::Answer::Retry;
    case QMessageBox::Abort:
        return Prompter::Answer::Abort;
    case QMessageBox::Ignore:
        return Prompter::Answer::Ignore;
    case QMessageBox::Cancel:
        return Prompter::Answer::Cancel;
    default:
        break;
    }
    if (buttons == Prompter::Buttons::Ok)
        return Prompter::Answer::Ok;
    if (buttons == Prompter::Buttons::YesNo)
        return Prompter::Answer::No;
    return Prompter::Answer::Cancel;
}

} // namespace

QtPrompter::QtPrompter(QWidget *parent) : m_parent(parent) {}

void QtPrompter::setParent(QWidget *parent)
{
    m_parent = parent;
}

QWidget *QtPrompter::owner() const
{
    // A question asked from inside a modal window (a job over the EditList) belongs to that
    // window: the main window may be minimised behind it.
    if (QWidget *modal = QApplication::activeModalWidget())
        return modal;
    if (QWidget *active = QApplication::activeWindow())
        return active;
    return m_parent;
}

void QtPrompter::stopAsking()
{
    m_stopped = true;
    // Whatever modal window waits on a person now is dismissed: its caller goes on as after Esc.
    const QWidgetList windows = QApplication::topLevelWidgets();
    for (QWidget *window : windows) {
        if (auto *dialog = qobject_cast<QDialog *>(window);
            dialog && dialog->isVisible() && dialog->isModal())
            dialog->reject();
    }
}

Prompter::Answer QtPrompter::message(const QString &text, const QString &title, Buttons buttons, Icon icon,
                                     const QStringList &buttonLabels)
{
    if (m_stopped) {
        qCWarning(logMessages).noquote() << title << "-" << text;
        return fromQtButton(QMessageBox::NoButton, buttons);
    }
    qCDebug(logMessages).noquote() << "asking:" << title << "-" << text;
    QMessageBox box(toQtIcon(icon), title, text, QMessageBox::NoButton, owner());
    const QList<QMessageBox::StandardButton> standard = toQtButtons(buttons);
    for (qsizetype i = 0; i < standard.size(); ++i) {
        QPushButton *button = box.addButton(standard.at(i));
        if (i < buttonLabels.size())
            button->setText(buttonLabels.at(i));
    }
    return fromQtButton(box.exec(), buttons);
}

std::optional<QString> QtPrompter::input(const QString &prompt, const QString &title,
                                         const QString &defaultText)
{
    if (m_stopped)
        return std::nullopt;
    bool ok = false;
    const QString text = QInputDialog::getText(owner(), title, prompt, QLineEdit::Normal, defaultText, &ok);
    if (!ok)
        return std::nullopt;
    return text;
}

QString QtPrompter::startFolder() const
{
    // Without a folder the dialogs would open where the program was started from.
    const QString shown = m_folderShown ? m_folderShown() : QString();
    return !shown.isEmpty() && QFileInfo(shown).isDir() ? shown : QDir::homePath();
}

std::optional<QString> QtPrompter::chooseFile(FileDialog kind, const QString &title,
                                              const QStringList &filters)
{
    if (m_stopped)
        return std::nullopt;
    const QString filter = filters.join(QLatin1String(";;"));
    if (kind == FileDialog::Folder) {
        const QString folder = QFileInfo(m_lastFolderChosen).isDir() ? m_lastFolderChosen : QDir::homePath();
        // Offers "Create New Folder", so that a destination can be made where it is chosen.
        const QString chosen = QFileDialog::getExistingDirectory(owner(), title, folder);
        if (chosen.isEmpty())
            return std::nullopt;
        m_lastFolderChosen = chosen;
        return chosen;
    }
    const QString folder = startFolder();
    const QString chosen = kind == FileDialog::Open
                               ? QFileDialog::getOpenFileName(owner(), title, folder, filter)
                               : QFileDialog::getSaveFileName(owner(), title, folder, filter, nullptr,
                                                              QFileDialog::DontConfirmOverwrite);
    if (chosen.isEmpty())
        return std::nullopt;
    return chosen;
}
