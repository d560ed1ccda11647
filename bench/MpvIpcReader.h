// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QHash>
#include <QStringList>
#include <optional>

// What a running mpv program writes on its JSON IPC socket, one message a line: the answers to
// requests, found by their number, and the events in the order they came. The bytes may arrive in
// any pieces; a message counts once its line is complete.
class MpvIpcReader
{
public:
    void add(const QByteArray &bytes);
    // Whether mpv carried out the request; nothing while its answer has not come.
    std::optional<bool> takeAnswer(qint64 request);
    // Whether the event came; it and the events before it are used up.
    bool takeEvent(const QString &name);
    void forgetEvents() { m_events.clear(); }

private:
    void read(const QByteArray &line);

    QByteArray m_partial;
    QHash<qint64, bool> m_answers;
    QStringList m_events;
};
