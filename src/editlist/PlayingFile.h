// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <functional>
#include <optional>

class QObject;

// What a job took away from the player, to be given back afterwards.
struct TakenFile
{
    QString path;
    bool wasPlaying = false;
};

// The file the media view holds, as a job sees it: a file about to be copied over, moved or
// deleted is taken away from the player first and given back once the job has ended.
struct PlayingFile
{
    // The file the player holds; empty when none.
    std::function<QString()> fileName;
    std::function<bool()> isPlaying;
    // Closes the file and forgets its name.
    std::function<void()> release;

    // Takes the file away when the player holds the path or the other path. Names are compared
    // exactly: on this system two names that differ in case are two files.
    std::optional<TakenFile> takeIfHolding(const QString &path, const QString &otherPath = QString()) const;

    // The same player as a job on a worker thread sees it: every call is made on the context's
    // thread, where the player lives.
    PlayingFile calledOnThreadOf(QObject *context) const;
};
