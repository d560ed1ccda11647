// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <dlfcn.h>
#include <mutex>

// Looking up the functions of a library loaded on first use (dlopen): a program that never plays
// a medium, draws a metafile or trashes a file never loads the libraries that do it, and every
// library linked to the program costs its start-up time.
namespace DynamicLibrary {

// The library by its file name, kept to itself; nothing when it cannot be loaded.
inline void *open(const char *fileName)
{
    return ::dlopen(fileName, RTLD_NOW | RTLD_LOCAL);
}

// Sets the function pointer to the library's function of that name; false when it is missing.
template <typename Function> bool find(void *library, const char *name, Function &function)
{
    function = reinterpret_cast<Function>(::dlsym(library, name));
    return function != nullptr;
}

// The table of a library's functions, filled by fill(library, table) on the first call and shared
// from then on; nothing when the library cannot be loaded or fill finds a function missing.
template <typename Table, typename Fill> const Table *loadOnce(const char *fileName, Fill fill)
{
    static Table table;
    static bool loaded = false;
    static std::once_flag once;
    std::call_once(once, [&] {
        if (void *library = open(fileName))
            loaded = fill(library, table);
    });
    return loaded ? &table : nullptr;
}

} // namespace DynamicLibrary
