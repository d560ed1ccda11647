#pragma once

#include "ListEntry.h"

#include <QList>

class FilePattern;

// Reads what a file list shows for a folder: "..", the subfolders, then the files the pattern
// lets through, each group in name order. The computer root (the empty path) lists the volumes.
namespace FolderListing {

QList<ListEntry> read(const QString &folder, const FilePattern &pattern);
QList<ListEntry> volumes();

} // namespace FolderListing
