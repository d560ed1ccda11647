// SPDX-License-Identifier: GPL-3.0-or-later
#include "MpvIpcReader.h"

#include <QJsonDocument>
#include <QJsonObject>

void MpvIpcReader::add(const QByteArray &bytes)
{
    m_partial += bytes;
    qsizetype start = 0;
    for (qsizetype end = m_partial.indexOf('\n'); end >= 0; end = m_partial.indexOf('\n', start)) {
        read(m_partial.sliced(start, end - start));
        start = end + 1;
    }
    m_partial.remove(0, start);
}

void MpvIpcReader::read(const QByteArray &line)
{
    const QJsonObject message = QJsonDocument::fromJson(line).object();
    if (message.contains(QLatin1String("event")))
        m_events.append(message.value(QLatin1String("event")).toString());
    else if (message.contains(QLatin1String("request_id")))
        m_answers.insert(message.value(QLatin1String("request_id")).toInteger(),
                         message.value(QLatin1String("error")).toString() == QLatin1String("success"));
}

std::optional<bool> MpvIpcReader::takeAnswer(qint64 request)
{
    const auto found = m_answers.constFind(request);
    if (found == m_answers.cend())
        return std::nullopt;
    const bool done = *found;
    m_answers.erase(found);
    return done;
}

bool MpvIpcReader::takeEvent(const QString &name)
{
    const qsizetype found = m_events.indexOf(name);
    if (found < 0)
        return false;
    m_events.remove(0, found + 1);
    return true;
}
