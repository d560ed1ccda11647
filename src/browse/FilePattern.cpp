#include "FilePattern.h"

#include <QStringList>

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
            !extension.contains(QRegularExpression(QStringLiteral("[*?.\\[\\]]")))) {
            m_extensions.insert(extension.toLower());
            continue;
        }
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
