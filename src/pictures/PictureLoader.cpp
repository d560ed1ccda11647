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
    m_thread.start([self, request, path, panel] {
        PictureDecoder::Result result = PictureDecoder::decode(path, panel);
        QMetaObject::invokeMethod(
            QCoreApplication::instance(),
            [self, request, path, panel, result = std::move(result)] {
                if (!self || request != self->m_request)
                    return;
                if (self->m_preloader)
                    self->m_preloader->keep(path, panel, result);
                Q_EMIT self->loaded(path, result);
            },
            Qt::QueuedConnection);
    });
}
