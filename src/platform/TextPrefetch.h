// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringList>

// A pass over a long list of texts asks for the text some entries ahead before it reads the
// current one. The texts of a shuffled list lie all over the heap; read one after another, each
// waits for memory on its own, while asked for early, many are on their way at once.
namespace TextPrefetch {

inline constexpr qsizetype Distance = 16;

inline void fetch(const void *address)
{
#if defined(__x86_64__) || defined(__i386__)
    // GCC 12 drops __builtin_prefetch from some loops altogether; the instruction itself stays.
    asm volatile("prefetcht0 (%0)" : : "r"(address));
#else
    __builtin_prefetch(address);
#endif
}

// Call at entry index of a pass over texts, before reading or releasing it: both the text's
// header (its reference count) and its first characters are asked for. A prefetch never faults,
// not even on the null pointers of an empty text.
inline void ahead(const QStringList &texts, qsizetype index)
{
    if (index + Distance < texts.size()) {
        const QString::DataPointer &text = texts.at(index + Distance).data_ptr();
        fetch(text.d);
        fetch(text.data());
    }
}

} // namespace TextPrefetch
