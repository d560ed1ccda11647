// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <vector>

// Shrinks a picture whose rows come one after another, from the top, by area averaging: each pixel
// of the result is the mean of the part of the picture it covers, a pixel covered in part weighed
// by the part covered. This is the filter Qt's smooth scaling uses to shrink. A pixel is four
// bytes, each averaged on its own (blue, green, red and a fourth, as libjpeg-turbo's BGRX and Qt's
// 32-bit formats hold them); the result is complete once the last row has come.
class AreaAverage
{
public:
    // The result is no larger than the picture either way.
    AreaAverage(int sourceWidth, int sourceHeight, int width, int height);

    // The next row of the picture, sourceWidth pixels.
    void addRow(const std::uint8_t *row);
    const std::vector<std::uint8_t> &result() const { return m_result; }
    int width() const { return m_width; }
    int height() const { return m_height; }

private:
    // One row of the picture shrunk across into m_across, each sum over sourceWidth units.
    void shrinkAcross(const std::uint8_t *row);
    void add(int resultRow, std::uint64_t weight);
    void finish(int resultRow);

    int m_sourceWidth;
    int m_sourceHeight;
    int m_width;
    int m_height;
    int m_rowsAdded = 0;
    // What each pixel of a result row covers of a source row: its first and last pixel, in part
    // (of the m_width units a source pixel has, so many), and all of those between.
    struct Cover
    {
        int first;
        int last;
        std::uint32_t firstWeight;
        std::uint32_t lastWeight;
    };
    std::vector<Cover> m_covers;
    std::vector<std::uint32_t> m_across;
    // The sums of the result row being made and of the next, which a source row may reach into.
    std::vector<std::uint64_t> m_sums[2];
    std::vector<std::uint8_t> m_result;
};
