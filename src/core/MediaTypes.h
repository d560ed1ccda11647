// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <array>

// The media types the program knows, in their fixed row order, each with the flag that says
// whether folders dropped on the EditList collect that type: the 21 classic types (rows 15 to 20
// are pictures), then, when the user asks for them, 13 modern ones (rows 21 to 33; PNG, JPEG,
// WebP, SVG and TIFF are pictures). A profile keeps each row's flag under its row number: new
// types are added at the end.
class MediaTypes
{
public:
    static constexpr int Count = 21;
    static constexpr int FirstPictureRow = 15;
    static constexpr int LastPictureRow = 20;
    static constexpr int AllCount = 34;

    MediaTypes();

    // Whether the modern types are known; off, they are neither listed nor offered.
    void setModernTypes(bool on) { m_modern = on; }
    bool modernTypes() const { return m_modern; }
    // The rows in use: 21, or 34 with the modern types.
    int count() const { return m_modern ? AllCount : Count; }

    QString extension(int row) const;
    bool dragDrop(int row) const;
    void setDragDrop(int row, bool on);

    void setPictureRange(int first, int last);

    // "*.wav;*.voc;...;*.ico", or "*.*" when every file is to be shown.
    QString filePattern(bool showAll) const;

    // True when the name's last three characters are those of a classic picture row's extension,
    // or, with the modern types, when it ends with the whole extension of a modern picture type
    // (so that ".mpeg" is never taken for ".jpeg").
    bool isPicture(const QString &fileName) const;

private:
    std::array<bool, AllCount> m_dragDrop{};
    bool m_modern = false;
    int m_firstPicture = FirstPictureRow;
    int m_lastPicture = LastPictureRow;
};
