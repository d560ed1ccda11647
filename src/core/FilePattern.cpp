// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/FilePattern.h"

#include "platform/NativePath.h"

#include <algorithm>

namespace {

constexpr size_t PackedLength = sizeof(quint64);

char asciiLower(char c)
{
    return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c;
}

// Up to eight bytes with ASCII letters in lower case, as one number; unused bytes stay zero.
quint64 packedLowerCase(const char *text, size_t length)
{
    quint64 packed = 0;
    for (size_t i = 0; i < length; ++i)
        packed |= quint64(quint8(asciiLower(text[i]))) << (8 * i);
    return packed;
}

bool sameAsciiCaseless(const char *text, const QByteArray &lower)
{
    for (qsizetype i = 0; i < lower.size(); ++i) {
        if (asciiLower(text[i]) != lower.at(i))
            return false;
    }
    return true;
}

bool asciiOnly(const QString &text)
{
    return std::all_of(text.cbegin(), text.cend(), [](QChar ch) { return ch.unicode() < 0x80; });
}

bool isWildcardOrDot(QChar ch)
{
    return ch == QLatin1Char('*') || ch == QLatin1Char('?') || ch == QLatin1Char('.') ||
           ch == QLatin1Char('[') || ch == QLatin1Char(']');
}

// The ";"-separated items of an endings pattern, each without one leading "*". An item keeps any
// blank in front of it; a ";" at the very end ends the last item rather than starting an empty one.
QStringList endingItems(const QString &lowerPattern)
{
    QStringList items;
    QString item;
    for (qsizetype i = 0; i < lowerPattern.size(); ++i) {
        const QChar c = lowerPattern.at(i);
        const bool last = i == lowerPattern.size() - 1;
        if (c != QLatin1Char(';'))
            item += c;
        if (c == QLatin1Char(';') || last) {
            if (item.startsWith(QLatin1Char('*')))
                item.remove(0, 1);
            items.append(item);
            item.clear();
        }
    }
    return items;
}

} // namespace

FilePattern::FilePattern(const QString &pattern, Syntax syntax) : m_text(pattern)
{
    if (syntax == Syntax::Endings) {
        const QString lower = pattern.toLower();
        m_matchesAll = lower.isEmpty() || lower.contains(QLatin1String("*.*"));
        const QStringList items = endingItems(lower);
        for (const QString &item : items) {
            m_matchesAll = m_matchesAll || item.isEmpty();
            // An ending of a dot and characters without one is the same test as that extension.
            const QString extension = item.mid(1);
            if (item.startsWith(QLatin1Char('.')) && !extension.isEmpty() &&
                !extension.contains(QLatin1Char('.')))
                addExtension(extension);
            else
                addEnding(item);
        }
        return;
    }
    const QStringList parts = pattern.split(QLatin1Char(';'), Qt::SkipEmptyParts);
    for (const QString &part : parts) {
        const QString wildcard = part.trimmed();
        if (wildcard == QLatin1String("*.*") || wildcard == QLatin1String("*")) {
            m_matchesAll = true;
            return;
        }
        const QString extension = wildcard.mid(2);
        if (wildcard.startsWith(QLatin1String("*.")) && !extension.isEmpty() &&
            std::none_of(extension.cbegin(), extension.cend(), isWildcardOrDot)) {
            addExtension(extension.toLower());
            continue;
        }
        m_bytesComparable = false;
        m_expressions.emplace_back(QRegularExpression::wildcardToRegularExpression(wildcard),
                                   QRegularExpression::CaseInsensitiveOption);
    }
}

void FilePattern::addExtension(const QString &extension)
{
    m_extensions.insert(extension);
    if (!asciiOnly(extension))
        m_bytesComparable = false;
    else if (extension.size() <= qsizetype(PackedLength))
        m_packedExtensions.push_back(
            packedLowerCase(extension.toLatin1().constData(), size_t(extension.size())));
    else
        m_longExtensions.append(extension.toLatin1());
}

void FilePattern::addEnding(const QString &ending)
{
    m_endings.append(ending);
    if (asciiOnly(ending))
        m_byteEndings.append(ending.toLatin1());
    else
        m_bytesComparable = false;
}

bool FilePattern::matches(const QString &fileName) const
{
    if (m_matchesAll)
        return true;
    const qsizetype dot = fileName.lastIndexOf(QLatin1Char('.'));
    if (dot >= 0 && m_extensions.contains(fileName.mid(dot + 1).toLower()))
        return true;
    if (!m_endings.isEmpty()) {
        const QString lower = fileName.toLower();
        for (const QString &ending : m_endings) {
            if (lower.endsWith(ending))
                return true;
        }
    }
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
    for (const QByteArray &ending : m_byteEndings) {
        if (size_t(ending.size()) <= length &&
            sameAsciiCaseless(name + length - size_t(ending.size()), ending))
            return true;
    }
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
        if (size_t(extension.size()) == extensionLength && sameAsciiCaseless(name + dot, extension))
            return true;
    }
    return false;
}
