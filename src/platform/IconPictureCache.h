// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QHash>
#include <QImage>
#include <QString>

// Pictures of icons kept in a file between runs. Finding an icon in the desktop's theme means
// searching the theme's folders and asking every image plugin which formats it reads; a start that
// shows the pictures drawn last time does neither. The file belongs to one stamp (the theme and what
// it was installed from): under another stamp, or when the file cannot be read, the cache starts
// empty and is written anew.
class IconPictureCache
{
public:
    IconPictureCache(QString file, QByteArray stamp);

    // A null image when the key has no picture.
    QImage find(const QByteArray &key);
    void insert(const QByteArray &key, const QImage &image);
    // Writes the file when a picture was added since it was read; false when that fails.
    bool save();

private:
    void load();

    QString m_file;
    QByteArray m_stamp;
    QHash<QByteArray, QImage> m_images;
    bool m_loaded = false;
    bool m_changed = false;
};
