// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QCoreApplication>
#include <QMap>
#include <QString>

// A per-user store of keys and values kept in one file, with the semantics the association code
// relies on: key paths separated by "\" and compared without regard to case, a default value
// (name "") and named values per key, values typed as text, 32-bit numbers or byte strings, and a
// delete that removes one key and refuses a key that still has sub-keys. Every change is written
// to the file at once, replacing it whole.
//
// A file that is not a regular file, or too large, is not read: the store starts empty and never
// writes over it. A file that is read but is not the store's JSON starts the store empty as well;
// the first change sets it aside as associations.json.damaged before the new file replaces it.
class AssociationStore
{
    Q_DECLARE_TR_FUNCTIONS(AssociationStore)

public:
    enum Type
    {
        Text = 1,
        Bytes = 3,
        Number = 4
    };

    explicit AssociationStore(const QString &filePath);

    // The value as text: a number with at least three digits ("007"), a byte string as upper-case
    // hexadecimal pairs ("0AFF"), text as stored; empty when the key or value is missing.
    QString value(const QString &key, const QString &name) const;
    // Stores a text (type 1) or a number (type 4, the text read as a 32-bit number), creating the
    // key and its parents; any other type stores nothing. 0 when the store was written.
    int setValue(const QString &key, const QString &name, int type, const QString &value);
    int setBytes(const QString &key, const QString &name, const QByteArray &bytes);
    // 0 when the key was removed; non-zero when it does not exist, still has sub-keys, or the
    // store could not be written.
    int deleteKey(const QString &key);
    bool hasKey(const QString &key) const;

    // Why the file could not be read, empty when it could (or did not exist yet).
    QString loadProblem() const { return m_loadProblem; }
    // The file was not read and is left as it is: every change fails.
    bool isLeftUnread() const { return m_file == File::Unread; }
    // What the user is to be told once a change was asked of the store: that the file it could not
    // read is left as it is (each time), that a damaged file was set aside and replaced (once), or
    // why it could not be set aside.
    QString takeNotice();
    // Where a damaged file is set aside.
    QString damagedPath() const { return m_filePath + QStringLiteral(".damaged"); }

private:
    struct Value
    {
        QString name;
        int type = Text;
        QByteArray data;
    };
    struct Key
    {
        QString path;
        QMap<QString, Value> values;
    };
    enum class File
    {
        Usable,
        Unread,
        Damaged
    };

    static QString normalised(const QString &key);
    Key &createKey(const QString &key);
    int store(const QString &key, const QString &name, int type, const QByteArray &data);
    bool save();
    bool setAsideDamaged();
    // Saves the change; when that fails, goes back to the keys as they were before it.
    int kept(const QMap<QString, Key> &before);
    void load();

    QString m_filePath;
    QString m_loadProblem;
    File m_file = File::Usable;
    // A damaged file's bytes, until they are set aside.
    QByteArray m_damaged;
    QString m_notice;
    // By normalised path: the path's steps in lower case joined by "\".
    QMap<QString, Key> m_keys;
};
