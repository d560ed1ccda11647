// SPDX-License-Identifier: GPL-3.0-or-later
#include "HeapPrefault.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdlib>
#include <malloc.h>
#include <sys/mman.h>
#include <unistd.h>

namespace HeapPrefault {

namespace {

constexpr std::size_t MapThreshold = 256 * 1024;
constexpr std::size_t TrimThreshold = 2 * MaxBytes;
// Blocks below the mapping threshold come from the heap, which is where the allocations that
// follow are made.
constexpr std::size_t BlockBytes = MapThreshold - 32 * 1024;
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

void keepFreedMemory()
{
#if defined(__GLIBC__)
    mallopt(M_MMAP_THRESHOLD, int(MapThreshold));
    mallopt(M_TRIM_THRESHOLD, int(TrimThreshold));
#endif
}

void ahead(std::size_t bytes)
{
#if defined(MADV_POPULATE_WRITE)
    bytes = std::min(bytes, MaxBytes);
    if (bytes < MinBytes)
        return;
    // The blocks' pages are made present, then handed back to the allocator, which gives them out
    // again to the allocations that follow; their contents are not touched.
    std::array<void *, MaxBytes / BlockBytes + 1> blocks{};
    std::size_t count = 0;
    for (std::size_t done = 0; done < bytes && count < blocks.size(); done += BlockBytes) {
        const std::size_t size = std::min(BlockBytes, bytes - done);
        blocks[count] = std::malloc(size);
        if (!blocks[count])
            break;
        makePresent(blocks[count++], size);
    }
    for (std::size_t i = 0; i < count; ++i)
        std::free(blocks[i]);
#else
    (void)bytes;
#endif
}

} // namespace HeapPrefault
