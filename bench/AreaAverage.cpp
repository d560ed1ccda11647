// SPDX-License-Identifier: GPL-3.0-or-later
#include "AreaAverage.h"

#include <algorithm>
#include <stdexcept>

AreaAverage::AreaAverage(int sourceWidth, int sourceHeight, int width, int height)
    : m_sourceWidth(sourceWidth), m_sourceHeight(sourceHeight), m_width(width), m_height(height)
{
    if (width < 1 || height < 1 || width > sourceWidth || height > sourceHeight)
        throw std::invalid_argument("area averaging only shrinks");
    // Source pixel i covers [i * width, (i + 1) * width); result pixel x covers
    // [x * sourceWidth, (x + 1) * sourceWidth).
    for (int x = 0; x < width; ++x) {
        const std::int64_t begin = std::int64_t(x) * sourceWidth;
        const std::int64_t end = begin + sourceWidth;
        Cover cover{};
        cover.first = int(begin / width);
        cover.last = int((end - 1) / width);
        cover.firstWeight = std::uint32_t(std::min(end, std::int64_t(cover.first + 1) * width) - begin);
        cover.lastWeight = std::uint32_t(end - std::max(begin, std::int64_t(cover.last) * width));
        m_covers.push_back(cover);
    }
    m_across.resize(std::size_t(width) * 4);
    m_sums[0].assign(std::size_t(width) * 4, 0);
    m_sums[1].assign(std::size_t(width) * 4, 0);
    m_result.resize(std::size_t(width) * height * 4);
}

void AreaAverage::shrinkAcross(const std::uint8_t *row)
{
    const auto whole = std::uint32_t(m_width);
    for (int x = 0; x < m_width; ++x) {
        const Cover &cover = m_covers[std::size_t(x)];
        const std::uint8_t *first = row + std::size_t(cover.first) * 4;
        std::uint32_t *sums = m_across.data() + std::size_t(x) * 4;
        if (cover.first == cover.last) {
            for (int c = 0; c < 4; ++c)
                sums[c] = cover.firstWeight * first[c];
            continue;
        }
        // The pixels covered whole weigh alike: added up first, then weighed once.
        std::uint32_t between[4] = {0, 0, 0, 0};
        for (const std::uint8_t *pixel = first + 4; pixel < row + std::size_t(cover.last) * 4; pixel += 4) {
            for (int c = 0; c < 4; ++c)
                between[c] += pixel[c];
        }
        const std::uint8_t *last = row + std::size_t(cover.last) * 4;
        for (int c = 0; c < 4; ++c)
            sums[c] = cover.firstWeight * first[c] + whole * between[c] + cover.lastWeight * last[c];
    }
}

void AreaAverage::add(int resultRow, std::uint64_t weight)
{
    std::vector<std::uint64_t> &sums = m_sums[resultRow % 2];
    for (std::size_t i = 0; i < sums.size(); ++i)
        sums[i] += weight * m_across[i];
}

void AreaAverage::finish(int resultRow)
{
    std::vector<std::uint64_t> &sums = m_sums[resultRow % 2];
    const std::uint64_t whole = std::uint64_t(m_sourceWidth) * std::uint64_t(m_sourceHeight);
    std::uint8_t *out = m_result.data() + std::size_t(resultRow) * m_width * 4;
    for (std::size_t i = 0; i < sums.size(); ++i) {
        out[i] = std::uint8_t((sums[i] + whole / 2) / whole);
        sums[i] = 0;
    }
}

void AreaAverage::addRow(const std::uint8_t *row)
{
    if (m_rowsAdded >= m_sourceHeight)
        return;
    shrinkAcross(row);
    // Source row y covers [y * height, (y + 1) * height); result row r covers
    // [r * sourceHeight, (r + 1) * sourceHeight): a source row reaches into two result rows at most.
    const std::int64_t begin = std::int64_t(m_rowsAdded) * m_height;
    const std::int64_t end = begin + m_height;
    const int resultRow = int(begin / m_sourceHeight);
    const std::int64_t rowEnd = std::int64_t(resultRow + 1) * m_sourceHeight;
    add(resultRow, std::uint64_t(std::min(end, rowEnd) - begin));
    if (end > rowEnd)
        add(resultRow + 1, std::uint64_t(end - rowEnd));
    if (end >= rowEnd)
        finish(resultRow);
    ++m_rowsAdded;
}
