// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class EditListStore;
class QString;

// files.ini: the EditList kept from one run to the next, one full path per line.
// An empty EditList is stored as the absence of the file.
namespace EditListFile {

// Appends every non-empty line to the store. A missing file is no problem; returns why a file that
// is there was not read (it must then be left as it is), empty otherwise.
QString load(EditListStore &store, const QString &path);
// Replaces the file atomically, or removes it when the store is empty. Returns why that failed,
// empty on success.
QString save(const EditListStore &store, const QString &path);

} // namespace EditListFile
