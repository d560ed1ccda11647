// SPDX-License-Identifier: GPL-3.0-or-later
// bench_page_fault: what a page fault costs on this machine: 256 MiB of fresh memory written one
// byte a page, so that each page is faulted in and cleared by the kernel, as a program's new
// memory is. Prints the median over 9 rounds of the microseconds per 4 KiB page.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <sys/mman.h>
#include <unistd.h>
#include <vector>

int main()
{
    const std::size_t page = std::size_t(sysconf(_SC_PAGESIZE));
    const std::size_t bytes = std::size_t(256) << 20;
    std::vector<double> perPage;
    for (int round = 0; round < 9; ++round) {
        void *memory = mmap(nullptr, bytes, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
        if (memory == MAP_FAILED)
            return 1;
        // Pages of the size asked for, not huge pages that would take one fault for 512 of them.
        madvise(memory, bytes, MADV_NOHUGEPAGE);
        auto *bytesOf = static_cast<volatile char *>(memory);
        const auto start = std::chrono::steady_clock::now();
        for (std::size_t offset = 0; offset < bytes; offset += page)
            bytesOf[offset] = 1;
        const std::chrono::duration<double, std::micro> spent = std::chrono::steady_clock::now() - start;
        perPage.push_back(spent.count() / double(bytes / page));
        munmap(memory, bytes);
    }
    std::sort(perPage.begin(), perPage.end());
    std::printf("%.3f\n", perPage[perPage.size() / 2]);
    return 0;
}
