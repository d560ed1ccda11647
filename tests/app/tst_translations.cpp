// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/Translations.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>
#include <QXmlStreamReader>

namespace {

struct Message
{
    QString context;
    QString source;
    QString comment;
    bool numerus = false;
    QString type;
    QStringList translations;
};

QList<Message> readCatalog(const QString &path)
{
    QList<Message> messages;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return messages;
    QXmlStreamReader xml(&file);
    QString context;
    Message message;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        const QStringView name = xml.name();
        if (name == QLatin1String("name")) {
            context = xml.readElementText();
        } else if (name == QLatin1String("message")) {
            message = Message();
            message.context = context;
            message.numerus = xml.attributes().value(QLatin1String("numerus")) == QLatin1String("yes");
        } else if (name == QLatin1String("source")) {
            message.source = xml.readElementText();
        } else if (name == QLatin1String("comment")) {
            message.comment = xml.readElementText();
        } else if (name == QLatin1String("translation")) {
            message.type = xml.attributes().value(QLatin1String("type")).toString();
            if (message.numerus) {
                messages.append(message);
                continue;
            }
            message.translations = {xml.readElementText()};
            messages.append(message);
        } else if (name == QLatin1String("numerusform") && !messages.isEmpty()) {
            messages.last().translations.append(xml.readElementText());
        }
    }
    return messages;
}

QString catalogPath(const QString &language)
{
    return QStringLiteral(KESTROVE_CATALOG_DIR "/kestrove_%1.ts").arg(language);
}

// %1 to %99 and %n, each counted, so that neither a dropped nor a doubled one goes unseen.
QStringList placeholders(const QString &text)
{
    static const QRegularExpression pattern(QStringLiteral("%(?:[1-9][0-9]?|n)"));
    QStringList found;
    for (const QRegularExpressionMatch &match : pattern.globalMatch(text))
        found.append(match.captured());
    found.sort();
    return found;
}

QString describe(const Message &message)
{
    return message.context + QLatin1String(": \"") + message.source + QLatin1Char('"');
}

QSet<QString> keysOf(const QList<Message> &messages)
{
    QSet<QString> keys;
    for (const Message &message : messages)
        keys.insert(describe(message) + QLatin1String(" // ") + message.comment +
                    (message.numerus ? QLatin1String(" (numerus)") : QLatin1String("")));
    return keys;
}

} // namespace

class TestTranslations : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void everyTextIsTranslated_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<int>("pluralForms");
        QTest::newRow("English") << "en" << 2;
        QTest::newRow("German") << "de" << 2;
    }
    void everyTextIsTranslated()
    {
        QFETCH(QString, language);
        QFETCH(int, pluralForms);
        const QList<Message> messages = readCatalog(catalogPath(language));
        QVERIFY(!messages.isEmpty());
        QStringList faults;
        for (const Message &message : messages) {
            if (!message.type.isEmpty())
                faults.append(describe(message) + QLatin1String(" is ") + message.type);
            if (message.numerus && message.translations.size() != pluralForms)
                faults.append(describe(message) + QLatin1String(" has the wrong number of plural forms"));
            if (!message.numerus && message.translations.size() != 1)
                faults.append(describe(message) + QLatin1String(" has plural forms but no plural source"));
            // A text broken into lines, or cut off around a quoted name, is a piece of a sentence
            // whose order a translator cannot change.
            if (message.source.contains(QLatin1Char('\n')) || message.source.count(QLatin1Char('"')) % 2 != 0)
                faults.append(describe(message) + QLatin1String(" is not a whole sentence"));
            for (const QString &translation : message.translations) {
                if (translation.trimmed().isEmpty())
                    faults.append(describe(message) + QLatin1String(" has an empty translation"));
                else if (placeholders(translation) != placeholders(message.source))
                    faults.append(describe(message) + QLatin1String(" loses or adds a placeholder in \"") +
                                  translation + QLatin1Char('"'));
            }
        }
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1Char('\n'))));
    }

    // A text added or changed in the sources and not yet in a catalog would show untranslated.
    void catalogsHoldEveryTextOfTheSources()
    {
        QTemporaryDir dir;
        const QString fresh = dir.filePath(QStringLiteral("fresh_en.ts"));
        QProcess lupdate;
        lupdate.setProcessChannelMode(QProcess::MergedChannels);
        lupdate.start(QStringLiteral(KESTROVE_LUPDATE),
                      {QStringLiteral("-silent"), QStringLiteral("-locations"), QStringLiteral("none"),
                       QStringLiteral("-I"), QStringLiteral(KESTROVE_SOURCE_DIR),
                       QStringLiteral(KESTROVE_SOURCE_DIR), QStringLiteral("-ts"), fresh});
        QVERIFY(lupdate.waitForFinished(120000));
        QVERIFY2(lupdate.exitCode() == 0, lupdate.readAll().constData());
        const QSet<QString> expected = keysOf(readCatalog(fresh));
        QVERIFY(expected.size() > 300);
        for (const QString &language : {QStringLiteral("en"), QStringLiteral("de")}) {
            const QSet<QString> held = keysOf(readCatalog(catalogPath(language)));
            const QStringList missing = QSet<QString>(expected).subtract(held).values();
            const QStringList stale = QSet<QString>(held).subtract(expected).values();
            QVERIFY2(missing.isEmpty(),
                     qPrintable(language + QLatin1String(" lacks: ") + missing.join(QLatin1String("; "))));
            QVERIFY2(stale.isEmpty(), qPrintable(language + QLatin1String(" still holds: ") +
                                                 stale.join(QLatin1String("; "))));
        }
    }

    void theLocaleChoosesTheCatalog_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<bool>("sourceTexts");
        QTest::addColumn<QString>("deleteQuestion");
        QTest::addColumn<bool>("qtTranslated");
        QTest::newRow("German") << "de_DE" << false << "Datei in den Papierkorb verschieben" << true;
        QTest::newRow("Austrian German") << "de_AT" << false << "Datei in den Papierkorb verschieben" << true;
        QTest::newRow("American English") << "en_US" << false << "Move File to Trash" << false;
        QTest::newRow("a language without a catalog") << "fi_FI" << false << "Move File to Trash" << true;
        // What a container or a session without LANG runs in.
        QTest::newRow("C") << "C" << false << "Move File to Trash" << false;
        QTest::newRow("C.UTF-8") << "C.UTF-8" << false << "Move File to Trash" << false;
        QTest::newRow("POSIX") << "POSIX" << false << "Move File to Trash" << false;
        QTest::newRow("source texts asked for") << "de_DE" << true << "Send file to Recycle Bin ?" << true;
        QTest::newRow("source texts in C") << "C" << true << "Send file to Recycle Bin ?" << false;
    }
    void theLocaleChoosesTheCatalog()
    {
        QFETCH(QString, locale);
        QFETCH(bool, sourceTexts);
        QFETCH(QString, deleteQuestion);
        QFETCH(bool, qtTranslated);
        const QString source = QStringLiteral("Send file to Recycle Bin ?");
        const QByteArray asked = qgetenv("KESTROVE_SOURCE_TEXTS");
        const auto restore = qScopeGuard([&] {
            if (asked.isNull())
                qunsetenv("KESTROVE_SOURCE_TEXTS");
            else
                qputenv("KESTROVE_SOURCE_TEXTS", asked);
        });
        if (sourceTexts)
            qputenv("KESTROVE_SOURCE_TEXTS", "1");
        else
            qunsetenv("KESTROVE_SOURCE_TEXTS");
        {
            const Translations translations{QLocale(locale)};
            QCOMPARE(translations.programCatalogLoaded(), !sourceTexts);
            QCOMPARE(QCoreApplication::translate("FileDeleter", "Send file to Recycle Bin ?"),
                     deleteQuestion);
            // Qt's own catalog, for the standard buttons.
            QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel") != QLatin1String("Cancel"),
                     qtTranslated);
        }
        QCOMPARE(QCoreApplication::translate("FileDeleter", "Send file to Recycle Bin ?"), source);
    }
};

QObject *createTranslationsTest()
{
    return new TestTranslations;
}

#include "tst_translations.moc"
