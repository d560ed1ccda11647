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
    m_preloader = preloader;
}

void PictureLoader::load(const QString &path, const QSize &panel)
{
    const int request = ++m_request;
    m_thread.clear();
    if (m_preloader) {
        if (const std::optional<PictureDecoder::Result> ready = m_preloader->ready(path, panel)) {
            Q_EMIT loaded(path, *ready);
            return;
        }
    }
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
