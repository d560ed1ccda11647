// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QList>
#include <utility>

// What libmpv is started with: none of its own configuration, scripts, keys or screen controls;
// idle between files and holding the last frame at the end of one.
namespace MpvStartSettings {

// For a player whose video a view draws (or that plays video unseen) and that plays sound (or not).
QList<std::pair<QByteArray, QByteArray>> of(bool drawsVideo, bool audio);

} // namespace MpvStartSettings
