// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/FolderReadAhead.h"

#include "core/FilePattern.h"

FolderReadAhead::FolderReadAhead(const QString &folder, const FilePattern &pattern)
    : m_folder(folder), m_patternText(pattern.text()),
      // The read makes its own pattern from the text, so that nothing it matches with is shared
      // with the thread that takes it.
      m_task([folder, text = pattern.text()] { return FolderReader::read(folder, FilePattern(text)); }),
      m_read(m_task.get_future())
{
}

std::optional<FolderReader::Contents> FolderReadAhead::take(const QString &folder, const FilePattern &pattern)
{
    if (!m_read.valid() || folder != m_folder || pattern.text() != m_patternText)
        return std::nullopt;
    return m_read.get();
}
