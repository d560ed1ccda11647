// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QObject>
#include <QSize>

class QFile;
class QMovie;

// An animated picture played frame by frame from its file, for as long as the object lives.
class PictureAnimation : public QObject
{
    Q_OBJECT

public:
    // Starts playing; the frames have the given size (an invalid size: their own). Nothing plays
    // when the file cannot be opened.
    PictureAnimation(const QString &path, const QSize &frameSize, QObject *parent = nullptr);
    ~PictureAnimation() override;

    void setFrameSize(const QSize &size);
    QImage currentFrame() const;

Q_SIGNALS:
    void frameChanged();

private:
    QFile *m_file = nullptr;
    QMovie *m_movie = nullptr;
};
