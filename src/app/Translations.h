// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLocale>
#include <QTranslator>

// The program's catalog and Qt's own for one locale, installed in the application while this
// object lives. The C locale keeps the source texts; a language without a catalog of its own
// gets the English one, so nobody but the C locale sees the source texts' spelling.
class Translations
{
public:
    explicit Translations(const QLocale &locale);
    ~Translations();
    Translations(const Translations &) = delete;
    Translations &operator=(const Translations &) = delete;

    // Whether a catalog of the program's own was installed.
    bool programCatalogLoaded() const { return m_programLoaded; }

    // Where the program's catalogs are built into the executable.
    static QString catalogFolder();

private:
    QTranslator m_program;
    QTranslator m_qt;
    bool m_programLoaded = false;
    bool m_qtLoaded = false;
};
