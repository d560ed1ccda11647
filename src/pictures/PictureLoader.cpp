// SPDX-License-Identifier: GPL-3.0-or-later
#include "pictures/PictureLoader.h"

#include "pictures/PicturePreloader.h"

#include <QCoreApplication>
#include <QPointer>

PictureLoader::PictureLoader(QObject *parent) : QObject(parent)
{
    m_thread.setMaxThreadCount(1);
}

PictureLoader::~PictureLoader()
{
    m_thread.clear();
    m_thread.waitForDone();
}

void PictureLoader::setPreloader(PicturePreloader *preloader)
{
    if (m_preloader)
        disconnect(m_preloader, nullptr, this, nullptr);
    m_preloader = preloader;
    if (m_preloader)
        connect(m_preloader, &PicturePreloader::ended, this, &PictureLoader::preloadEnded);
}

void PictureLoader::load(const QString &path, const QSize &panel)
{
    ++m_request;
    m_waitingFor.clear();
    m_thread.clear();
    if (m_preloader) {
        if (const std::optional<PictureDecoder::Result> ready = m_preloader->ready(path, panel)) {
            Q_EMIT loaded(path, *ready);
            return;
        }
        if (m_preloader->isDecoding(path, panel)) {
            m_waitingFor = path;
            m_waitingPanel = panel;
            return;
        }
    }
    decode(path, panel);
}

void PictureLoader::preloadEnded(const QString &path)
{
    if (m_waitingFor.isEmpty() || path != m_waitingFor)
        return;
    m_waitingFor.clear();
    if (const std::optional<PictureDecoder::Result> ready = m_preloader->ready(path, m_waitingPanel)) {
        Q_EMIT loaded(path, *ready);
        return;
    }
    // Not read, or no longer wanted ahead: read here, which also says why a picture cannot be read.
    decode(path, m_waitingPanel);
}

void PictureLoader::decode(const QString &path, const QSize &panel)
{
    const int request = m_request;
    QPointer<PictureLoader> self(this);
    // The destructor waits for this thread, so the slot is still there to write to.
    m_thread.start([self, decoded = &m_decoded, request, path, panel] {
        PictureDecoder::Result result = PictureDecoder::decode(path, panel);
        {
            const std::lock_guard lock(decoded->mutex);
            decoded->result = std::move(result);
            decoded->request = request;
            decoded->path = path;
            decoded->panel = panel;
        }
        QMetaObject::invokeMethod(
            QCoreApplication::instance(),
            [self] {
                if (self)
                    self->deliverDecoded();
            },
            Qt::QueuedConnection);
    });
}

void PictureLoader::deliverDecoded()
{
    std::optional<PictureDecoder::Result> result;
    QString path;
    QSize panel;
    {
        const std::lock_guard lock(m_decoded.mutex);
        result = std::exchange(m_decoded.result, std::nullopt);
        if (!result || m_decoded.request != m_request)
            return;
        path = m_decoded.path;
        panel = m_decoded.panel;
    }
    if (m_preloader)
        m_preloader->keep(path, panel, *result);
    Q_EMIT loaded(path, *result);
}
