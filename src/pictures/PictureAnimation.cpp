// SPDX-License-Identifier: GPL-3.0-or-later
#include "pictures/PictureAnimation.h"

#include "platform/FileDescriptor.h"
#include "platform/NativePath.h"

#include <QFile>
#include <QMovie>

PictureAnimation::PictureAnimation(const QString &path, const QSize &frameSize, QObject *parent)
    : QObject(parent), m_file(new QFile(this))
{
    FileDescriptor descriptor;
    if (!descriptor.openForReading(NativePath::toBytes(path)).isEmpty() ||
        !m_file->open(descriptor.get(), QIODevice::ReadOnly, QFile::AutoCloseHandle))
        return;
    // The file closes the descriptor from here on.
    descriptor.release();
    m_movie = new QMovie(m_file, QByteArray(), this);
    if (frameSize.isValid())
        m_movie->setScaledSize(frameSize);
    connect(m_movie, &QMovie::frameChanged, this, &PictureAnimation::frameChanged);
    m_movie->start();
}

PictureAnimation::~PictureAnimation()
{
    // The movie reads from the file: it goes first.
    delete m_movie;
}

void PictureAnimation::setFrameSize(const QSize &size)
{
    if (m_movie)
        m_movie->setScaledSize(size);
}

QImage PictureAnimation::currentFrame() const
{
    return m_movie ? m_movie->currentImage() : QImage();
}
