// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class EditListStore;
class QString;

// files.ini: the EditList kept from one run to the next, one full path per line.
// An empty EditList is stored as the absence of the file.
namespace EditListFile {

// Appends every non-empty line to the store. A missing file is no error; false when the file
// exists but cannot be read.
bool load(EditListStore &store, const QString &path);

// Replaces the file atomically, or removes it when the store is empty. False when that failed.
bool save(const EditListStore &store, const QString &path);

} // namespace EditListFile
