// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QRegularExpression>
#include <QSet>
#include <QString>
#include <vector>

// A ";"-separated list of wildcard patterns matched against file names without regard to case.
// "*.*" matches every name, with or without a dot, as it does on the system the patterns come from.
class FilePattern
{
public:
    explicit FilePattern(const QString &pattern = QString());

    const QString &text() const { return m_text; }
    bool matchesAll() const { return m_matchesAll; }
    bool matches(const QString &fileName) const;
    // The same test on a name as the file system gives it (UTF-8 bytes), without decoding it
    // when the pattern is a list of plain extensions.
    bool matchesBytes(const char *name, size_t length) const;

private:
    QString m_text;
    bool m_matchesAll = false;
    // "*.ext" patterns, the common case, are looked up by extension instead of matched one by one.
    QSet<QString> m_extensions;
    // ASCII extensions in lower case: those of up to eight bytes packed into a number each, so that
    // a name's extension is matched with a few integer comparisons.
    std::vector<quint64> m_packedExtensions;
    QList<QByteArray> m_longExtensions;
    bool m_bytesComparable = true;
    std::vector<QRegularExpression> m_expressions;
};
