// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/Translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>

namespace {

const QString CatalogName = QStringLiteral("kestrove");
const QString Separator = QStringLiteral("_");

} // namespace

Translations::Translations(const QLocale &locale)
{
    // The C and POSIX locales are what a container or a session without LANG gets: the English
    // catalog serves them like any language without a catalog of its own.
    if (!showsSourceTexts()) {
        m_programLoaded = m_program.load(locale, CatalogName, Separator, catalogFolder()) ||
                          m_program.load(CatalogName + Separator + QStringLiteral("en"), catalogFolder());
    }
    if (m_programLoaded)
        QCoreApplication::installTranslator(&m_program);
    m_qtLoaded = m_qt.load(locale, QStringLiteral("qtbase"), Separator,
                           QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    if (m_qtLoaded)
        QCoreApplication::installTranslator(&m_qt);
}

Translations::~Translations()
{
    if (m_qtLoaded)
        QCoreApplication::removeTranslator(&m_qt);
    if (m_programLoaded)
        QCoreApplication::removeTranslator(&m_program);
}

bool Translations::showsSourceTexts()
{
    return qEnvironmentVariable("KESTROVE_SOURCE_TEXTS") == QLatin1String("1");
}

QString Translations::catalogFolder()
{
    return QStringLiteral(":/i18n");
}
