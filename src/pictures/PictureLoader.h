// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "pictures/PictureDecoder.h"

#include <QObject>
#include <QPointer>
#include <QThreadPool>
#include <mutex>
#include <optional>

class PicturePreloader;

// Decodes pictures on a thread of its own, so that a large one never stalls the window and jobs
// holding the shared threads never hold it back. Only the answer to the latest request is
// delivered, and a request not yet begun when a later one comes is dropped. A picture the preloader has ready
// is delivered at once, before load() returns; one it is decoding is waited for rather than decoded twice;
// and one decoded here is handed to the preloader, which keeps it while it is wanted.
class PictureLoader : public QObject
{
    Q_OBJECT

public:
    explicit PictureLoader(QObject *parent = nullptr);
    // Waits for a decoding under way, whose answer is thrown away.
    ~PictureLoader() override;

    void setPreloader(PicturePreloader *preloader);
    // Decodes the picture fitted into the panel (an invalid panel: at its own size).
    void load(const QString &path, const QSize &panel = QSize());
    // Forgets the request in progress.
    void cancel()
    {
        ++m_request;
        m_waitingFor.clear();
    }
    // Delivers now the answer to the latest request if its decoding is over, rather than when the
    // window thread comes to the notice posted for it: a window about to be drawn draws it.
    void deliverDecoded();

Q_SIGNALS:
    void loaded(const QString &path, const PictureDecoder::Result &result);

private:
    // The last decoding's answer, from its thread to the window thread's.
    struct Decoded
    {
        std::mutex mutex;
        std::optional<PictureDecoder::Result> result;
        int request = 0;
        QString path;
        QSize panel;
    };

    void decode(const QString &path, const QSize &panel);
    // The preloader's decoding of a picture this loader waits for is over.
    void preloadEnded(const QString &path);

    int m_request = 0;
    // What the latest request waits for from the preloader: nothing when it waits for nothing.
    QString m_waitingFor;
    QSize m_waitingPanel;
    QPointer<PicturePreloader> m_preloader;
    Decoded m_decoded;
    QThreadPool m_thread;
};
