// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "pictures/PictureDecoder.h"

#include <QObject>
#include <QPointer>

class PicturePreloader;

// Decodes pictures on a worker thread, so that a large one never stalls the window. Only the
// answer to the latest request is delivered. A picture the preloader has ready is delivered at once,
// before load() returns, and one decoded here is handed to the preloader, which keeps it while it
// is wanted.
class PictureLoader : public QObject
{
    Q_OBJECT

public:
    using QObject::QObject;
    ~PictureLoader() override;

    void setPreloader(PicturePreloader *preloader);
    // Decodes the picture fitted into the panel (an invalid panel: at its own size).
    void load(const QString &path, const QSize &panel = QSize());
    // Forgets the request in progress.
    void cancel() { ++m_request; }

Q_SIGNALS:
    void loaded(const QString &path, const PictureDecoder::Result &result);

private:
    int m_request = 0;
    QPointer<PicturePreloader> m_preloader;
};
