// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "pictures/PictureDecoder.h"

#include <QHash>
#include <QObject>
#include <QStringList>
#include <QThreadPool>
#include <atomic>
#include <functional>
#include <memory>
#include <optional>

// The pictures next to the one shown, decoded before they are asked for at the size they will be
// shown, one at a time on a thread of their own, so that stepping to one shows it at once. They wait
// until the picture shown has been decoded (or found unreadable), which comes first. It holds no
// more than the picture shown and those wanted next: what is no longer wanted is dropped, and its
// decoding is cancelled if it has not started, its result thrown away if it has.
class PicturePreloader : public QObject
{
    Q_OBJECT

public:
    using Decode = std::function<PictureDecoder::Result(const QString &path, const QSize &panel)>;

    explicit PicturePreloader(QObject *parent = nullptr);
    // Decodes with the function given rather than PictureDecoder::decode.
    PicturePreloader(Decode decode, QObject *parent = nullptr);
    // Waits for a decoding under way, whose result is thrown away.
    ~PicturePreloader() override;

    // The picture shown and those to decode ahead, nearest first, all fitted into the panel (an
    // invalid one: at their own size).
    void follow(const QString &shown, const QStringList &ahead, const QSize &panel);
    // Nothing is wanted any more.
    void clear();
    // A picture wanted for the panel, when it has been decoded.
    std::optional<PictureDecoder::Result> ready(const QString &path, const QSize &panel) const;
    // A picture decoded elsewhere, held while it is wanted for that panel; the picture shown lets
    // those next to it be decoded.
    void keep(const QString &path, const QSize &panel, const PictureDecoder::Result &result);
    // The paths of the pictures held.
    QStringList held() const { return m_held.keys(); }
    // The picture is being decoded, or waits to be, for the panel.
    bool isDecoding(const QString &path, const QSize &panel) const
    {
        return panel == m_panel && m_pending.contains(path);
    }

Q_SIGNALS:
    // A picture wanted ahead is ready.
    void decoded(const QString &path);
    // A decoding is over: its picture is ready, could not be read, or is no longer wanted.
    void ended(const QString &path);

private:
    using Cancelled = std::shared_ptr<std::atomic<bool>>;

    bool wanted(const QString &path, const QSize &panel) const;
    void startAhead();
    void start(const QString &path);
    void arrived(const QString &path, const Cancelled &cancelled, const PictureDecoder::Result &result);

    Decode m_decode;
    QThreadPool m_pool;
    QString m_shown;
    QStringList m_ahead;
    QSize m_panel;
    bool m_shownDecoded = false;
    QHash<QString, PictureDecoder::Result> m_held;
    QHash<QString, Cancelled> m_pending;
};
