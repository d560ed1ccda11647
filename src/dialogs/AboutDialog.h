// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

class Prompter;

// The About box: the program's title and version, its licence notice, scrolling credits and a
// button that starts the system's information program, or says that there is none.
class AboutDialog : public QDialog
{
    Q_OBJECT

public:
    AboutDialog(const QString &versionTitle, Prompter &prompter, QWidget *parent = nullptr);

    // Starts the first system-information program found on PATH; without one, says so.
    void startSystemInformation();
    // The programs looked for, in order.
    static QStringList systemInformationPrograms();
    // The first of them found on PATH; empty when there is none.
    static QString findSystemInformation();

Q_SIGNALS:
    // The title was clicked: the main window offers its web site.
    void titleClicked();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    Prompter &m_prompter;
};
