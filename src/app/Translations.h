// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLocale>
#include <QTranslator>

// The program's catalog and Qt's own for one locale, installed in the application while this
// object lives. A language without a catalog of its own, and the C locale, get the English one, so
// that nobody sees the source texts' spelling unless KESTROVE_SOURCE_TEXTS=1 asks for them.
class Translations
{
public:
    explicit Translations(const QLocale &locale);
    ~Translations();
    Translations(const Translations &) = delete;
    Translations &operator=(const Translations &) = delete;

    // Whether a catalog of the program's own was installed.
    bool programCatalogLoaded() const { return m_programLoaded; }

    // KESTROVE_SOURCE_TEXTS=1: no catalog of the program's own, so that its texts can be checked
    // as they stand in the sources.
    static bool showsSourceTexts();

    // Where the program's catalogs are built into the executable.
    static QString catalogFolder();

private:
    QTranslator m_program;
    QTranslator m_qt;
    bool m_programLoaded = false;
    bool m_qtLoaded = false;
};
