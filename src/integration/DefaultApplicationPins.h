// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

class AssociationStore;

// Keeps the desktop's default applications as they are while Kestrove's desktop entry offers
// itself for a list of MIME types. For a type that has no default of the user's, the desktop picks
// one among the entries that list the type, and the user's own entries come first: it would pick
// Kestrove's. So before the entry is written, the default that applies then is written into the
// user's mimeapps.list as the user's own ("pinned"), and the lines added are recorded in the
// association store. Taking the pins back removes exactly those lines, unless the user has changed
// them meanwhile.
class DefaultApplicationPins
{
public:
    struct Services
    {
        AssociationStore &store;
        // The user's own lists of default applications: first the one the pins go to
        // ($XDG_CONFIG_HOME/mimeapps.list), then those that are only read.
        QStringList lists;
        // The desktop entry that opens the type by default now; empty when none does, nothing when
        // that cannot be told.
        std::function<std::optional<QString>(const QString &mimeType)> defaultApplication;
        // Kestrove's own entry: it is never pinned, though an entry written before may apply now.
        QString ownEntry;
    };

    static inline const QString Group = QStringLiteral("Default Applications");

    explicit DefaultApplicationPins(Services services);

    // Pins the default of each type that has none of the user's; false when that cannot be done,
    // and then nothing was changed.
    bool pin(const QStringList &mimeTypes);
    // Takes back the lines that were pinned and still read as they were written; false when the
    // list cannot be changed, and then the record stays for the next time.
    bool unpin();

    // The user's lists: mimeapps.list in the config folder, then the current desktops' own lists
    // beside it and the older one in the applications folder, which the desktop reads as well.
    static QStringList userLists();
    // The default that applies now, as GIO decides it; nothing without GIO.
    static std::optional<QString> desktopDefault(const QString &mimeType);

private:
    Services m_services;
};
