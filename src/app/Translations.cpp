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
    if (locale.language() == QLocale::C)
        return;
    m_programLoaded = m_program.load(locale, CatalogName, Separator, catalogFolder()) ||
                      m_program.load(CatalogName + Separator + QStringLiteral("en"), catalogFolder());
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

QString Translations::catalogFolder()
{
    return QStringLiteral(":/i18n");
}
