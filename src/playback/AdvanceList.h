// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A list the automatic advance moves through: the file list or the playlist.
class AdvanceList
{
public:
    virtual ~AdvanceList() = default;

    virtual int count() const = 0;
    // The chosen entry, -1 for none.
    virtual int current() const = 0;
    // Whether an entry is a file (not a folder, not the way up).
    virtual bool isFile(int row) const = 0;
    // Chooses an entry as the user would, which plays it.
    virtual void choose(int row) = 0;
};
