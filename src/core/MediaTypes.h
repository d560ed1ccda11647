// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <array>

// The 21 media types the program knows, in their fixed row order, each with the flag that says
// whether folders dropped on the EditList collect that type. Rows 15 to 20 are pictures.
class MediaTypes
{
public:
    static constexpr int Count = 21;
    static constexpr int FirstPictureRow = 15;
    static constexpr int LastPictureRow = 20;

    MediaTypes();

    QString extension(int row) const;
    bool dragDrop(int row) const;
    void setDragDrop(int row, bool on);

    void setPictureRange(int first, int last);

    // "*.wav;*.voc;...;*.ico", or "*.*" when every file is to be shown.
    QString filePattern(bool showAll) const;

    // True when the name's last three characters are those of a picture row's extension.
    bool isPicture(const QString &fileName) const;

private:
    std::array<bool, Count> m_dragDrop{};
    int m_firstPicture = FirstPictureRow;
    int m_lastPicture = LastPictureRow;
};
