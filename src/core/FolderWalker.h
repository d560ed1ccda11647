// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QElapsedTimer>
#include <QObject>

class FilePattern;
class Prompter;

// Walks a folder and all its subfolders and reports every file whose name passes the pattern test:
// a folder's own files first, then its subfolders depth first, in the order the folder lists them.
// Folders whose names start with "." are passed over and links to folders are not followed.
// Window events are let run while it works, so a Cancel button stays live.
class FolderWalker : public QObject
{
    Q_OBJECT

public:
    explicit FolderWalker(Prompter &prompter, QObject *parent = nullptr);

    // Walks an absolute folder path; a path that does not start with "/" is not walked and raises
    // nothing. The pattern lists name endings (FilePattern::Syntax::Endings). Returns once the walk
    // has ended; false when nothing was walked.
    bool walk(const QString &path, const QString &pattern);

    int folderCount() const { return m_folderCount; }
    void resetFolderCount() { m_folderCount = 0; }
    bool busy() const { return m_busy; }
    void stop() { m_stop = true; }
    void cancel() { m_cancel = true; }

Q_SIGNALS:
    void folderEntered(const QString &folder);
    void fileFound(const QString &path);
    void finished();

private:
    void walk(const QByteArray &folder, const FilePattern &pattern);
    bool halted() const { return m_cancel || m_stop; }
    void letEventsRun();

    Prompter &m_prompter;
    bool m_busy = false;
    bool m_cancel = false;
    bool m_stop = false;
    int m_folderCount = 0;
    QElapsedTimer m_sinceEvents;
};
