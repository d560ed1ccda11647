// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QStringList>
#include <QThreadPool>

struct PictureFacts;

// The information box's lines about a picture: its dimensions, read from its header, and for JPEG,
// PNG, WebP and TIFF files the facts their metadata carries, read by the picture facts module.
// Without the module the dimensions are given alone.
class PictureDescriber : public QObject
{
    Q_OBJECT

public:
    explicit PictureDescriber(QObject *parent = nullptr);
    ~PictureDescriber() override;

    // Reads the lines on a thread of its own: the first picture loads the module, and Exiv2 reads
    // every chunk of a PNG file. Only the answer to the latest request is delivered.
    void describe(const QString &path);

    // The lines, read on the calling thread; none for a file that is not a picture.
    static QStringList lines(const QString &path);

Q_SIGNALS:
    void described(const QString &path, const QStringList &lines);

private:
    static QStringList factLines(const PictureFacts &facts);

    // Of its own, so that a description never waits behind a long copy job.
    QThreadPool m_pool;
    int m_request = 0;
};
