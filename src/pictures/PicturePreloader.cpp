// SPDX-License-Identifier: GPL-3.0-or-later
#include "pictures/PicturePreloader.h"

PicturePreloader::PicturePreloader(QObject *parent) : PicturePreloader(&PictureDecoder::decode, parent) {}

PicturePreloader::PicturePreloader(Decode decode, QObject *parent)
    : QObject(parent), m_decode(std::move(decode))
{
    // One thread: the picture shown is decoded beside it, and the machine may have no more cores.
    m_pool.setMaxThreadCount(1);
    m_pool.setObjectName(QStringLiteral("picturePreloader"));
}

PicturePreloader::~PicturePreloader()
{
    clear();
    m_pool.waitForDone();
}

bool PicturePreloader::wanted(const QString &path, const QSize &panel) const
{
    return panel == m_panel && !path.isEmpty() && (path == m_shown || m_ahead.contains(path));
}

void PicturePreloader::follow(const QString &shown, const QStringList &ahead, const QSize &panel)
{
    // What was decoded, or is being decoded, for another panel is of no use.
    const bool samePanel = panel == m_panel;
    if (!samePanel)
        m_held.clear();
    if (shown != m_shown || !samePanel)
        m_shownDecoded = false;
    m_shown = shown;
    m_ahead = ahead;
    m_panel = panel;
    m_held.removeIf([this](const auto &held) { return !wanted(held.key(), m_panel); });
    QStringList dropped;
    for (auto pending = m_pending.begin(); pending != m_pending.end();) {
        if (samePanel && wanted(pending.key(), m_panel)) {
            ++pending;
            continue;
        }
        pending.value()->store(true);
        dropped.append(pending.key());
        pending = m_pending.erase(pending);
    }
    m_shownDecoded = m_shownDecoded || m_held.contains(m_shown);
    startAhead();
    // Told once the preloader is in order again: whoever hears it may ask it for more.
    for (const QString &path : std::as_const(dropped))
        Q_EMIT ended(path);
}

void PicturePreloader::startAhead()
{
    if (!m_shownDecoded)
        return;
    for (const QString &path : std::as_const(m_ahead)) {
        if (!path.isEmpty() && !m_held.contains(path) && !m_pending.contains(path))
            start(path);
    }
}

void PicturePreloader::clear()
{
    follow({}, {}, {});
}

void PicturePreloader::start(const QString &path)
{
    const Cancelled cancelled = std::make_shared<std::atomic<bool>>(false);
    m_pending.insert(path, cancelled);
    m_pool.start([this, decode = m_decode, path, panel = m_panel, cancelled] {
        if (cancelled->load())
            return;
        PictureDecoder::Result result = decode(path, panel);
        // The destructor waits for this thread, so the preloader is still there to post to.
        QMetaObject::invokeMethod(
            this, [this, path, cancelled, result = std::move(result)] { arrived(path, cancelled, result); },
            Qt::QueuedConnection);
    });
}

void PicturePreloader::arrived(const QString &path, const Cancelled &cancelled,
                               const PictureDecoder::Result &result)
{
    if (cancelled->load())
        return;
    m_pending.remove(path);
    // A picture that cannot be read is read again when it is chosen, and says why then.
    if (!result.image.isNull()) {
        m_held.insert(path, result);
        Q_EMIT decoded(path);
    }
    // Stepped to while it was decoded ahead.
    if (path == m_shown) {
        m_shownDecoded = true;
        startAhead();
    }
    Q_EMIT ended(path);
}

std::optional<PictureDecoder::Result> PicturePreloader::ready(const QString &path, const QSize &panel) const
{
    const auto held = m_held.constFind(path);
    if (held == m_held.constEnd() || panel != m_panel)
        return std::nullopt;
    return held.value();
}

void PicturePreloader::keep(const QString &path, const QSize &panel, const PictureDecoder::Result &result)
{
    if (!wanted(path, panel))
        return;
    if (!result.image.isNull()) {
        m_held.insert(path, result);
        if (const Cancelled cancelled = m_pending.take(path))
            cancelled->store(true);
    }
    if (path == m_shown) {
        m_shownDecoded = true;
        startAhead();
    }
}
