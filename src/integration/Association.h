// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QCoreApplication>
#include <QStringList>
#include <functional>
#include <optional>

class AssociationStore;
class DefaultApplicationPins;
class MimeInfoCache;

// The "Browse with Kestrove..." verb: written under the class of every media type the system
// knows and under "Folder" in the association store, mirrored as a desktop entry that file
// managers read, inspected and removed again. Each pass answers with the status lines the
// Preferences window lists.
class Association
{
    Q_DECLARE_TR_FUNCTIONS(Association)

public:
    struct Services
    {
        AssociationStore &store;
        // The running executable's real path, as the file system names it.
        QByteArray executable;
        // Where the desktop entry goes (~/.local/share/applications).
        QString applicationsFolder;
        // The class (MIME type) of an extension such as ".mp3"; empty when the type is unknown.
        std::function<QString(const QString &extension)> classOf;
        // The user's lists of default applications, the one the pins go to first (see
        // DefaultApplicationPins).
        QStringList defaultApplicationLists;
        // The desktop entry that opens a MIME type by default now; empty when none does, nothing
        // when that cannot be told.
        std::function<std::optional<QString>(const QString &mimeType)> defaultApplication;
    };

    static inline const QString VerbName = QStringLiteral("Browse with Kestrove...");

    Association(Services services, QStringList extensions);

    // '"/path/to/kestrove" "%1"'.
    QString verbCommand() const;

    // Writes the groups of keys the arguments ask for; 0 when every write succeeded.
    int associate(const QString &extension, const QString &fileType, const QString &command,
                  const QString &defaultIcon, const QString &verb, const QString &verbCommand,
                  const QString &contentType, const QString &action, const QString &application,
                  const QString &topic);

    // Makes the association; the status lines of the types it went to. offered, when given, tells
    // whether file managers can offer the verb now: its desktop entry was written.
    QStringList make(bool *offered = nullptr);
    // Removes the association, taking the lines of the types it left off the list and marking
    // those it could not remove.
    void remove(QStringList &lines);
    // The types associated now, and whether with this copy.
    QStringList status() const;

    // The class of an extension from the shared MIME database.
    static QString mimeClassOf(const QString &extension);
    // The real path of the running executable, as the file system names it.
    static QByteArray runningExecutable();

private:
    QString verbKey(const QString &fileType) const;
    QString statusLine(const QString &label, const QString &fileType) const;
    int removeVerb(const QString &fileType);
    DefaultApplicationPins pins() const;
    MimeInfoCache cache() const;

    Services m_services;
    QStringList m_extensions;
};
