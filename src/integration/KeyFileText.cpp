// SPDX-License-Identifier: GPL-3.0-or-later
#include "integration/KeyFileText.h"

namespace {

QByteArray withoutLeadingBlanks(const QByteArray &text)
{
    qsizetype start = 0;
    while (start < text.size() && (text.at(start) == ' ' || text.at(start) == '\t'))
        ++start;
    return text.mid(start);
}

} // namespace

KeyFileText::KeyFileText(const QByteArray &bytes)
{
    qsizetype start = 0;
    while (start < bytes.size()) {
        const qsizetype newline = bytes.indexOf('\n', start);
        if (newline < 0) {
            m_lines.append({bytes.mid(start), QByteArray()});
            break;
        }
        const bool crlf = newline > start && bytes.at(newline - 1) == '\r';
        m_lines.append({bytes.mid(start, newline - start - (crlf ? 1 : 0)), crlf ? "\r\n" : "\n"});
        start = newline + 1;
    }
    if (!m_lines.isEmpty() && !m_lines.first().end.isEmpty())
        m_lineEnd = m_lines.first().end;
}

QByteArray KeyFileText::bytes() const
{
    QByteArray bytes;
    for (const Line &line : m_lines)
        bytes += line.text + line.end;
    return bytes;
}

std::optional<QByteArray> KeyFileText::headerOf(const QByteArray &text)
{
    const QByteArray line = withoutLeadingBlanks(text);
    const qsizetype close = line.indexOf(']');
    if (!line.startsWith('[') || close < 0)
        return std::nullopt;
    for (qsizetype i = close + 1; i < line.size(); ++i) {
        if (line.at(i) != ' ' && line.at(i) != '\t')
            return std::nullopt;
    }
    return line.mid(1, close - 1);
}

std::optional<std::pair<QByteArray, QByteArray>> KeyFileText::entryOf(const QByteArray &text)
{
    const QByteArray line = withoutLeadingBlanks(text);
    const qsizetype equals = line.indexOf('=');
    if (line.startsWith('#') || line.startsWith('[') || equals <= 0)
        return std::nullopt;
    return std::pair(line.left(equals).trimmed(), line.mid(equals + 1).trimmed());
}

QList<qsizetype> KeyFileText::headers(const QByteArray &group) const
{
    QList<qsizetype> found;
    for (qsizetype i = 0; i < m_lines.size(); ++i) {
        if (headerOf(m_lines.at(i).text) == group)
            found.append(i);
    }
    return found;
}

qsizetype KeyFileText::sectionEnd(qsizetype header) const
{
    qsizetype end = header + 1;
    while (end < m_lines.size() && !headerOf(m_lines.at(end).text))
        ++end;
    return end;
}

qsizetype KeyFileText::lastEntry(const QString &group, const QString &key) const
{
    const QByteArray name = key.toUtf8();
    qsizetype found = -1;
    for (const qsizetype header : headers(group.toUtf8())) {
        for (qsizetype i = header + 1, end = sectionEnd(header); i < end; ++i) {
            const auto entry = entryOf(m_lines.at(i).text);
            if (entry && entry->first == name)
                found = i;
        }
    }
    return found;
}

bool KeyFileText::contains(const QString &group, const QString &key) const
{
    return lastEntry(group, key) >= 0;
}

QStringList KeyFileText::keys(const QString &group) const
{
    QStringList keys;
    for (const qsizetype header : headers(group.toUtf8())) {
        for (qsizetype i = header + 1, end = sectionEnd(header); i < end; ++i) {
            const auto entry = entryOf(m_lines.at(i).text);
            if (entry && !keys.contains(QString::fromUtf8(entry->first)))
                keys.append(QString::fromUtf8(entry->first));
        }
    }
    return keys;
}

std::optional<QString> KeyFileText::value(const QString &group, const QString &key) const
{
    const qsizetype line = lastEntry(group, key);
    if (line < 0)
        return std::nullopt;
    return QString::fromUtf8(entryOf(m_lines.at(line).text)->second);
}

bool KeyFileText::setValue(const QString &group, const QString &key, const QString &value)
{
    const qsizetype line = lastEntry(group, key);
    if (line < 0)
        return false;
    QByteArray &text = m_lines[line].text;
    qsizetype start = text.indexOf('=') + 1;
    while (start < text.size() && (text.at(start) == ' ' || text.at(start) == '\t'))
        ++start;
    text = text.left(start) + value.toUtf8();
    return true;
}

QStringList KeyFileText::add(const QString &group, const QString &key, const QString &value)
{
    QStringList added;
    const QList<qsizetype> sections = headers(group.toUtf8());
    qsizetype at = m_lines.size();
    if (sections.isEmpty()) {
        added.append(QLatin1Char('[') + group + QLatin1Char(']'));
        insert(at++, added.last().toUtf8());
    } else {
        const qsizetype header = sections.last();
        at = header + 1;
        for (qsizetype i = at, end = sectionEnd(header); i < end; ++i) {
            if (entryOf(m_lines.at(i).text))
                at = i + 1;
        }
    }
    added.append(key + QLatin1Char('=') + value);
    insert(at, added.last().toUtf8());
    return added;
}

bool KeyFileText::remove(const QString &group, const QString &key, const QString &value)
{
    const std::pair wanted(key.toUtf8(), value.toUtf8().trimmed());
    bool removed = false;
    const QList<qsizetype> sections = headers(group.toUtf8());
    // From the end, so that the indices still to be visited stay where they are.
    for (auto header = sections.crbegin(); header != sections.crend(); ++header) {
        for (qsizetype i = sectionEnd(*header) - 1; i > *header; --i) {
            if (entryOf(m_lines.at(i).text) == wanted) {
                removeAt(i);
                removed = true;
            }
        }
    }
    return removed;
}

bool KeyFileText::removeEmptySection(const QString &group)
{
    const QList<qsizetype> sections = headers(group.toUtf8());
    if (sections.isEmpty())
        return false;
    const qsizetype header = sections.last();
    for (qsizetype i = header + 1, end = sectionEnd(header); i < end; ++i) {
        if (!m_lines.at(i).text.trimmed().isEmpty())
            return false;
    }
    removeAt(header);
    return true;
}

void KeyFileText::insert(qsizetype index, const QByteArray &text)
{
    // A line added after a last line without an end takes that missing end over.
    if (index == m_lines.size() && !m_lines.isEmpty() && m_lines.last().end.isEmpty()) {
        m_lines.last().end = m_lineEnd;
        m_lines.append({text, QByteArray()});
        return;
    }
    m_lines.insert(index, {text, m_lineEnd});
}

void KeyFileText::removeAt(qsizetype index)
{
    if (index == m_lines.size() - 1 && index > 0 && m_lines.at(index).end.isEmpty())
        m_lines[index - 1].end.clear();
    m_lines.removeAt(index);
}
