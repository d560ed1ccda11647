// SPDX-License-Identifier: GPL-3.0-or-later
#include "playback/MprisPlayerAdaptor.h"

MprisPlayerAdaptor::MprisPlayerAdaptor(MprisService *service)
    : QDBusAbstractAdaptor(service), m_service(service)
{
}

QString MprisPlayerAdaptor::playbackStatus() const
{
    return m_service->playbackStatus();
}

QVariantMap MprisPlayerAdaptor::metadata() const
{
    return m_service->metadata();
}

qlonglong MprisPlayerAdaptor::position() const
{
    return m_service->positionMicroseconds();
}

double MprisPlayerAdaptor::rate() const
{
    return m_service->rate();
}

void MprisPlayerAdaptor::setRate(double rate)
{
    m_service->setRate(rate);
}

double MprisPlayerAdaptor::volume() const
{
    return m_service->volume();
}

QString MprisPlayerAdaptor::loopStatus() const
{
    return m_service->loopStatus();
}

void MprisPlayerAdaptor::setLoopStatus(const QString &status)
{
    m_service->setLoopStatus(status);
}

void MprisPlayerAdaptor::setVolume(double volume)
{
    m_service->setVolume(volume);
}

void MprisPlayerAdaptor::Play()
{
    m_service->play();
}

void MprisPlayerAdaptor::Pause()
{
    m_service->pause();
}

void MprisPlayerAdaptor::PlayPause()
{
    m_service->playPause();
}

void MprisPlayerAdaptor::Stop()
{
    m_service->stop();
}

void MprisPlayerAdaptor::Next()
{
    m_service->next();
}

void MprisPlayerAdaptor::Previous()
{
    m_service->previous();
}

void MprisPlayerAdaptor::Seek(qlonglong offset)
{
    m_service->seek(offset);
    Q_EMIT Seeked(m_service->positionMicroseconds());
}

void MprisPlayerAdaptor::SetPosition(const QDBusObjectPath &track, qlonglong position)
{
    m_service->setPosition(track, position);
    Q_EMIT Seeked(m_service->positionMicroseconds());
}

void MprisPlayerAdaptor::OpenUri(const QString &uri)
{
    m_service->openUri(uri);
}
