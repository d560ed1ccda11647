// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAbstractFileIconProvider>
#include <QHash>
#include <QIcon>
#include <QList>
#include <QMimeDatabase>

// The icons of files, folders and volumes, from the desktop's icon theme by MIME type. A key is a
// path, a name or an extension; the type is told from the name alone, so listing a folder never
// reads a file. An index stands for one icon and stays valid for the life of the list; the icon
// itself is loaded the first time it is drawn, so that handing out indexes costs no theme lookup.
// A type's icon comes from its generic name (audio-x-generic) until useSpecificIcons() is called:
// asking for a specific name (audio-mpeg) that the theme lacks makes the theme read the index of
// every theme it inherits from, which takes longer than building the rest of the first window.
// Needs the QApplication: the fallback icons come from the widget style.
class FileIconProvider
{
public:
    // The side, in device-independent pixels, at which the lists draw their icons.
    static constexpr int DrawnSide = 16;

    FileIconProvider();

    // The icon of a file name or path, which is never read as a number (an index is passed as an
    // int to icon()): a path ending in "/" is a folder; a name is looked up by its extension, so a
    // file that does not exist still gets its type's icon.
    int iconIndex(const QString &key);
    int folderIndex();
    int volumeIndex();

    // The icon of an index; an empty icon for an index that is not in the list.
    QIcon icon(int index) const;
    int count() const { return int(m_entries.size()); }

    // From now on, types get the most specific icon the theme has; those handed out so far are
    // looked up again. Returns whether any of them changed.
    bool useSpecificIcons();

private:
    struct Entry
    {
        // The most specific first.
        QStringList themeNames;
        QAbstractFileIconProvider::IconType fallback;
        mutable QIcon icon;
        mutable bool loaded = false;
    };

    int indexFor(const QString &key, const QStringList &themeNames,
                 QAbstractFileIconProvider::IconType fallback);
    int indexForMime(const QMimeType &type);
    static QIcon loadIcon(const Entry &entry, bool specific);

    QMimeDatabase m_mimes;
    QList<Entry> m_entries;
    QHash<QString, int> m_byKey;
    QHash<QString, int> m_byExtension;
    bool m_specific = false;
};
