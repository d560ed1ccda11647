// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class MediaPlayer;
class QWidget;

// The player's video view for a window of its own, named "videoView"; a black area for a player
// that shows no pictures.
QWidget *makeVideoArea(MediaPlayer &player, QWidget *parent);
