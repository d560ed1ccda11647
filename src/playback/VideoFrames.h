// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "pictures/ThumbnailMaker.h"

// Frames of videos and songs' own covers, taken by the player's library, for thumbnails.
namespace VideoFrames {

// Made on the window's thread, before any worker uses it.
ThumbnailMaker::FrameSource source();

} // namespace VideoFrames
