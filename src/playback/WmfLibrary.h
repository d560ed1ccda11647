// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <libwmf/api.h>
#include <libwmf/gd.h>

// libwmf, loaded when the first metafile is drawn rather than with the program. Each member is
// libwmf's function of that name.
struct WmfFunctions
{
    decltype(&wmf_api_create) apiCreate = nullptr;
    decltype(&wmf_api_destroy) apiDestroy = nullptr;
    decltype(&wmf_mem_open) memOpen = nullptr;
    decltype(&wmf_scan) scan = nullptr;
    decltype(&wmf_display_size) displaySize = nullptr;
    decltype(&wmf_play) play = nullptr;
    decltype(&wmf_gd_function) gdFunction = nullptr;
};

namespace Wmf {

// libwmf's functions, the library loaded on the first call; nothing when it cannot be loaded or
// lacks one of them.
const WmfFunctions *functions();

} // namespace Wmf
