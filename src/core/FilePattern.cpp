// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/FilePattern.h"

#include "platform/NativePath.h"

#include <QStringList>
#include <algorithm>

namespace {

constexpr size_t PackedLength = sizeof(quint64);

// Up to eight bytes with ASCII letters in lower case, as one number; unused bytes stay zero.
quint64 packedLowerCase(const char *text, size_t length)
{
    quint64 packed = 0;
    for (size_t i = 0; i < length; ++i) {
        char c = text[i];
        if (c >= 'A' && c <= 'Z')
            c = char(c - 'A' + 'a');
        packed |= quint64(quint8(c)) << (8 * i);
    }
    return packed;
}

bool isWildcardOrDot(QChar ch)
{
    return ch == QLatin1Char('*') || ch == QLatin1Char('?') || ch == QLatin1Char('.') ||
           ch == QLatin1Char('[') || ch == QLatin1Char(']');
}

} // namespace

FilePattern::FilePattern(const QString &pattern) : m_text(pattern)
{
    const QStringList parts = pattern.split(QLatin1Char(';'), Qt::SkipEmptyParts);
    for (const QString &part : parts) {
        const QString wildcard = part.trimmed();
        if (wildcard == QLatin1String("*.*") || wildcard == QLatin1String("*")) {
            m_matchesAll = true;
            m_expressions.clear();
            m_extensions.clear();
            return;
        }
        const QString extension = wildcard.mid(2);
        if (wildcard.startsWith(QLatin1String("*.")) && !extension.isEmpty() &&
            std::none_of(extension.cbegin(), extension.cend(), isWildcardOrDot)) {
            const QString lower = extension.toLower();
            m_extensions.insert(lower);
            bool ascii = true;
            for (const QChar ch : lower)
                ascii = ascii && ch.unicode() < 0x80;
            if (ascii && lower.size() <= qsizetype(PackedLength))
                m_packedExtensions.push_back(
                    packedLowerCase(lower.toLatin1().constData(), size_t(lower.size())));
            else if (ascii)
                m_longExtensions.append(lower.toLatin1());
            else
                m_bytesComparable = false;
            continue;
        }
        m_bytesComparable = false;
        m_expressions.emplace_back(QRegularExpression::wildcardToRegularExpression(wildcard),
                                   QRegularExpression::CaseInsensitiveOption);
    }
}

bool FilePattern::matches(const QString &fileName) const
{
    if (m_matchesAll)
        return true;
    const qsizetype dot = fileName.lastIndexOf(QLatin1Char('.'));
    if (dot >= 0 && m_extensions.contains(fileName.mid(dot + 1).toLower()))
        return true;
    for (const QRegularExpression &expression : m_expressions) {
        if (expression.match(fileName).hasMatch())
            return true;
    }
    return false;
}

bool FilePattern::matchesBytes(const char *name, size_t length) const
{
    if (m_matchesAll)
        return true;
    if (!m_bytesComparable)
        return matches(NativePath::fromBytes(QByteArrayView(name, qsizetype(length))));
    size_t dot = length;
    while (dot > 0 && name[dot - 1] != '.')
        --dot;
    if (dot == 0)
        return false;
    const size_t extensionLength = length - dot;
    if (extensionLength <= PackedLength) {
        const quint64 packed = packedLowerCase(name + dot, extensionLength);
        return std::find(m_packedExtensions.cbegin(), m_packedExtensions.cend(), packed) !=
               m_packedExtensions.cend();
    }
    for (const QByteArray &extension : m_longExtensions) {
        if (size_t(extension.size()) != extensionLength)
            continue;
        bool same = true;
        for (size_t i = 0; i < extensionLength && same; ++i) {
            char c = name[dot + i];
            if (c >= 'A' && c <= 'Z')
                c = char(c - 'A' + 'a');
            same = c == extension.at(qsizetype(i));
        }
        if (same)
            return true;
    }
    return false;
}
