// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/ListEntry.h"

#include <QList>

// What the computer root lists: the mounted volumes a user browses (real, ready file systems;
// pseudo file systems left out), each as a volume entry with its root path.
namespace FolderListing {

QList<ListEntry> volumes();

} // namespace FolderListing
