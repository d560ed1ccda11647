// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>

// Makes free heap that the calling thread is about to fill present in one call per block, instead
// of one page fault per page. A page fault costs some microseconds, ten on some virtual machines,
// while making a page present in a batch costs a tenth of that; a start that builds a few
// megabytes of lists and widgets would otherwise spend tens of milliseconds in faults.
//
// The memory is kept ready while this lives: a block held after it stops the allocator from
// handing it back to the system. When this goes, what was not used is handed back as the
// allocator sees fit.
class HeapPrefault
{
public:
    // The most one prefault makes present.
    static constexpr std::size_t MaxBytes = 8 * 1024 * 1024;

    // Small amounts are left alone; so is everything on a kernel without the means.
    explicit HeapPrefault(std::size_t bytes);
    // Makes the whole pages of a block that is about to be written through present: a block this
    // large gets a mapping of its own, which would otherwise fault in page by page.
    static void block(void *data, std::size_t bytes);
    // Makes room in a list or vector for count more items, present at once.
    template <typename List> static void reserve(List &list, std::size_t count)
    {
        list.reserve(list.size() + count);
        block(list.data() + list.size(), count * sizeof(typename List::value_type));
    }
    ~HeapPrefault();
    HeapPrefault(const HeapPrefault &) = delete;
    HeapPrefault &operator=(const HeapPrefault &) = delete;

private:
    void *m_guard = nullptr;
};
