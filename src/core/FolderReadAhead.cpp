// SPDX-License-Identifier: GPL-3.0-or-later
#include "FolderReadAhead.h"

#include "EventSlice.h"
#include "FilePattern.h"

#include <chrono>

FolderReadAhead::FolderReadAhead(const QString &folder, const FilePattern &pattern)
    : m_folder(folder), m_patternText(pattern.text()),
      // The thread makes its own pattern from the text, so that nothing it matches with is shared.
      m_reader([this] {
          m_contents = FolderReader::read(m_folder, FilePattern(m_patternText));
          m_read.set_value();
      })
{
}

FolderReadAhead::~FolderReadAhead()
{
    if (m_reader.joinable())
        m_reader.join();
}

std::optional<FolderReader::Contents> FolderReadAhead::take(const QString &folder, const FilePattern &pattern,
                                                            const FolderReader::Yield &yield)
{
    if (m_taken || folder != m_folder || pattern.text() != m_patternText)
        return std::nullopt;
    m_taken = true;
    while (m_readEnded.wait_for(std::chrono::milliseconds(EventSliceMs)) != std::future_status::ready) {
        if (yield)
            yield();
    }
    m_reader.join();
    return std::move(m_contents);
}
