// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCoreApplication>
#include <QMetaType>
#include <QString>
#include <QStringList>
#include <QVariantMap>

// What an open medium says of itself: its tags and the facts of its streams, read from the player's
// properties, and the lines the information box shows of them. A fact the medium does not give is
// left empty or zero and has no line.
struct MediaFacts
{
    Q_DECLARE_TR_FUNCTIONS(MediaFacts)

public:
    // The properties by name as libmpv gives them ("metadata", "track-list", "duration",
    // "file-format", "file-size", "audio-params", "video-params"): maps, lists, strings and
    // numbers; a property without a value is absent or invalid.
    static MediaFacts read(const QVariantMap &properties);

    // One "Name : value" line a fact. WAVE and AVI files have none: their headers are shown.
    QStringList lines() const;

    QString title;
    QString artist;
    QString album;
    QString year;
    QString track;
    // Milliseconds; -1 when unknown.
    qint64 duration = -1;
    QString format;
    QString audioCodec;
    QString videoCodec;
    // Bits a second of the streams played.
    qint64 bitRate = 0;
    int sampleRate = 0;
    int channels = 0;
    int width = 0;
    int height = 0;
    double frameRate = 0;
    // Moving pictures; a cover picture of a song is not a video.
    bool video = false;
    // The medium carries a cover picture of its own, shown while it plays.
    bool embeddedCover = false;
    // A file holding the cover picture shown, when there is one.
    QString coverFile;
};

Q_DECLARE_METATYPE(MediaFacts)
