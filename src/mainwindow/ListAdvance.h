// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "playback/AdvanceList.h"

#include <functional>

class EntryListView;

// A list of the main window as the automatic advance sees it: its entries, the chosen one, and
// how an entry is chosen (the file list selects it; the playlist selects it alone and opens it).
class ListAdvance : public AdvanceList
{
public:
    ListAdvance(EntryListView &view, std::function<void(int row)> choose);

    int count() const override;
    int current() const override;
    bool isFile(int row) const override;
    void choose(int row) override;

private:
    EntryListView &m_view;
    std::function<void(int)> m_choose;
};
