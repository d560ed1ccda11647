// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// One entry of a file list: what it is is kept beside its text, so nothing has to guess the kind
// from the shape of the text.
struct ListEntry
{
    enum class Kind
    {
        Parent,
        Folder,
        File,
        Volume
    };
    // What a copy, move or delete job did with the entry.
    enum class JobState
    {
        Normal,
        Processed,
        Skipped,
        SkippedWithError
    };

    Kind kind = Kind::File;
    QString text;
    // Full path the entry stands for: a folder or volume path ending in "/", or a file path.
    QString path;
};
