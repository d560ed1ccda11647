// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

class AssociationStore;

// The cache in which an applications folder tells the desktop which MIME types its entries open
// (mimeinfo.cache, as update-desktop-database writes it). GIO takes a folder's entries into its
// choice of applications through this cache only. The tool lists every entry of the folder: the
// person's other entries would then be offered for their types, and become the defaults of types
// that had none. So only the one entry is listed under its types and taken out again, each line
// it does not change left byte for byte. A cache that was made for the entry is recorded in the
// association store and goes again with it unless something else came into it meanwhile; a
// cache that was there is left as it was found.
class MimeInfoCache
{
public:
    struct Services
    {
        AssociationStore &store;
        // The applications folder.
        QString folder;
        // The entry's file name, as the cache names it.
        QString entry;
    };

    static inline const QString Group = QStringLiteral("MIME Cache");

    explicit MimeInfoCache(Services services);

    // Lists the entry under each type; false when the cache cannot be read or written, and then
    // it was not changed.
    bool add(const QStringList &mimeTypes);
    // Takes the entry out of every line; false when the cache cannot be changed, and then the
    // record of a cache made for the entry stays for the next time.
    bool remove();

private:
    QString path() const;

    Services m_services;
};
