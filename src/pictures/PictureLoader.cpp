// SPDX-License-Identifier: GPL-3.0-or-later
#include "pictures/PictureLoader.h"

#include <QCoreApplication>
#include <QPointer>
#include <QThreadPool>

PictureLoader::~PictureLoader() = default;

void PictureLoader::load(const QString &path, const QSize &panel)
{
    const int request = ++m_request;
    QPointer<PictureLoader> self(this);
    QThreadPool::globalInstance()->start([self, request, path, panel] {
        PictureDecoder::Result result = PictureDecoder::decode(path, panel);
        QMetaObject::invokeMethod(
            QCoreApplication::instance(),
            [self, request, path, result = std::move(result)] {
                if (self && request == self->m_request)
                    Q_EMIT self->loaded(path, result);
            },
            Qt::QueuedConnection);
    });
}
