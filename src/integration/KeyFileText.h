// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <optional>
#include <utility>

// The text of a key file in the desktop's format (mimeapps.list and its kind), changed one line at
// a time: every line it does not change stays as it was, byte for byte, with comments, blank
// lines, other groups, their order, each line's own end (LF or CR LF) and a missing end of the
// last line. A group may appear in more than one section; its keys are read from all of them, as
// the desktop reads them.
class KeyFileText
{
public:
    explicit KeyFileText(const QByteArray &bytes = {});

    QByteArray bytes() const;

    // Whether the group sets the key, to anything.
    bool contains(const QString &group, const QString &key) const;
    // The keys the group sets, each once, in the order of their first lines.
    QStringList keys(const QString &group) const;
    // The value the group gives the key: that of its last line, as the desktop reads it.
    std::optional<QString> value(const QString &group, const QString &key) const;
    // Gives the key's last line of the group this value, the key and the blanks before the value
    // kept as they are; false when the group does not set the key.
    bool setValue(const QString &group, const QString &key, const QString &value);
    // Adds "key=value" after the last key of the group's last section; a missing group is added
    // at the end of the text. The lines added, its header first when it was added too.
    QStringList add(const QString &group, const QString &key, const QString &value);
    // Removes the group's lines that set the key to exactly this value; whether there was one.
    bool remove(const QString &group, const QString &key, const QString &value);
    // Removes the header of the group's last section when nothing but blank lines follows it;
    // whether it did.
    bool removeEmptySection(const QString &group);

private:
    struct Line
    {
        QByteArray text;
        // "\n", "\r\n", or empty for a last line without an end.
        QByteArray end;
    };

    // The group's name when the line is a group's header.
    static std::optional<QByteArray> headerOf(const QByteArray &text);
    // The key and the value when the line sets a key.
    static std::optional<std::pair<QByteArray, QByteArray>> entryOf(const QByteArray &text);
    // The indices of the headers of the group's sections.
    QList<qsizetype> headers(const QByteArray &group) const;
    // The index just past the section that starts at the header.
    qsizetype sectionEnd(qsizetype header) const;
    // The index of the group's last line that sets the key; -1 when there is none.
    qsizetype lastEntry(const QString &group, const QString &key) const;
    void insert(qsizetype index, const QByteArray &text);
    void removeAt(qsizetype index);

    QList<Line> m_lines;
    // The end given to lines that are added: that of the text's first line.
    QByteArray m_lineEnd = "\n";
};
