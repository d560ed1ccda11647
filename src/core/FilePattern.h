// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QRegularExpression>
#include <QSet>
#include <QString>
#include <QStringList>
#include <vector>

// A ";"-separated list of patterns matched against file names without regard to case.
class FilePattern
{
public:
    enum class Syntax
    {
        // Wildcard patterns, as the file list takes them. "*.*" matches every name, with or without
        // a dot, as it does on the system the patterns come from; an empty pattern matches nothing.
        Wildcards,
        // Name endings, as a folder search takes them: each item without one leading "*" is the end
        // of a name, its other characters taken as they stand ("*.mp3; *.wav" has the items ".mp3"
        // and " *.wav"). An empty pattern, an empty item or one holding "*.*" matches every name.
        Endings,
    };

    explicit FilePattern(const QString &pattern = QString(), Syntax syntax = Syntax::Wildcards);

    const QString &text() const { return m_text; }
    bool matchesAll() const { return m_matchesAll; }
    bool matches(const QString &fileName) const;
    // The same test on a name as the file system gives it (UTF-8 bytes), without decoding it
    // when the pattern is a list of plain extensions.
    bool matchesBytes(const char *name, size_t length) const;

private:
    void addExtension(const QString &extension);
    void addEnding(const QString &ending);

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
    // Endings that are not a plain extension, in lower case: as text, and as bytes when ASCII.
    QStringList m_endings;
    QList<QByteArray> m_byteEndings;
};
