// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/HeapPrefault.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdlib>
#include <sys/mman.h>
#include <unistd.h>

namespace {

// Below the size from which glibc gives a block a mapping of its own (128 KiB at first, and it
// only grows), so that the blocks come from the heap the next allocations are made from.
constexpr std::size_t BlockBytes = 120 * 1024;
constexpr std::size_t MinBytes = 64 * 1024;

void makePresent(void *block, std::size_t bytes)
{
    const auto page = std::uintptr_t(::sysconf(_SC_PAGESIZE));
    const auto first = (std::uintptr_t(block) + page - 1) & ~(page - 1);
    const auto last = (std::uintptr_t(block) + bytes) & ~(page - 1);
    if (first < last)
        ::madvise(reinterpret_cast<void *>(first), last - first, MADV_POPULATE_WRITE);
}

} // namespace

void HeapPrefault::block(void *data, std::size_t bytes)
{
#if defined(MADV_POPULATE_WRITE)
    if (data && bytes >= MinBytes)
        makePresent(data, bytes);
#else
    (void)data;
    (void)bytes;
#endif
}

HeapPrefault::HeapPrefault(std::size_t bytes)
{
#if defined(MADV_POPULATE_WRITE)
    bytes = std::min(bytes, MaxBytes);
    if (bytes < MinBytes)
        return;
    // The blocks' pages are made present, then handed back to the allocator, which gives them out
    // again to the allocations that follow; their contents are not touched. There is room for the
    // blocks of MaxBytes and for the guard.
    std::array<void *, (MaxBytes + BlockBytes - 1) / BlockBytes + 1> blocks{};
    std::size_t count = 0;
    for (std::size_t done = 0; done < bytes && count + 1 < blocks.size(); done += BlockBytes) {
        blocks[count] = std::malloc(BlockBytes);
        if (!blocks[count])
            break;
        makePresent(blocks[count++], BlockBytes);
    }
    // One more block, not made present, which usually comes last. The block at the highest address
    // is the one that may border the free space at the end of the heap, which the allocator hands
    // back to the system once it is large enough: that block stays as a guard, and the others are
    // freed below it.
    if (count == 0)
        return;
    blocks[count] = std::malloc(BlockBytes);
    if (blocks[count])
        ++count;
    std::swap(blocks[count - 1],
              *std::max_element(blocks.begin(), blocks.begin() + count,
                                [](void *a, void *b) { return std::uintptr_t(a) < std::uintptr_t(b); }));
    m_guard = blocks[--count];
    for (std::size_t i = 0; i < count; ++i)
        std::free(blocks[i]);
#else
    (void)bytes;
#endif
}

HeapPrefault::~HeapPrefault()
{
    std::free(m_guard);
}
