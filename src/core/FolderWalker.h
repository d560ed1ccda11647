// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFutureWatcher>
#include <QObject>
#include <QStringList>
#include <atomic>

class FilePattern;
class Prompter;

// Walks a folder and all its subfolders on a worker thread and reports every file whose name
// passes the pattern test: a folder's own files first, then its subfolders depth first, in the
// order the folder lists them. Folders whose names start with "." are passed over and links to
// folders are not followed. What it finds is reported in the walk's order, a few times a second.
class FolderWalker : public QObject
{
    Q_OBJECT

public:
    explicit FolderWalker(Prompter &prompter, QObject *parent = nullptr);
    // Cancels a walk under way and waits for its thread.
    ~FolderWalker() override;

    // Starts walking an absolute folder path and returns at once; finished() follows once the
    // walk has ended. A path that does not start with "/" is not walked and raises nothing, one
    // that cannot be read is said to be invalid: then nothing is walked and false is returned. The
    // pattern lists name endings (FilePattern::Syntax::Endings).
    bool start(const QString &path, const QString &pattern);

    // Folders entered by the last walk; read once it has ended.
    int folderCount() const { return m_folderCount; }
    bool busy() const { return m_busy; }
    // Honoured before the next file name.
    void cancel() { m_cancel = true; }

Q_SIGNALS:
    // Emitted on the walking thread: the first folder at once, then the folder the walk is in,
    // before the files found since the last report.
    void folderEntered(const QString &folder);
    void filesFound(const QStringList &paths);
    // On the thread that started the walk.
    void finished();

private:
    struct Reports;
    void walk(const QByteArray &folder, const FilePattern &pattern, Reports &reports);

    Prompter &m_prompter;
    QFutureWatcher<void> m_worker;
    bool m_busy = false;
    std::atomic<bool> m_cancel = false;
    std::atomic<int> m_folderCount = 0;
};
