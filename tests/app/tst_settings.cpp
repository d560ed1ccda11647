#include "CommandLine.h"
#include "SettingCodec.h"
#include "SettingsStore.h"
#include "TestCases.h"
#include "TitleClick.h"
#include "VersionTitle.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace SettingCodec;

class TestSettings : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void versionTitleJoinsTheNumbers()
    {
        QCOMPARE(VersionTitle(3, 0, 25), QStringLiteral("Kestrove V.3.0.25"));
    }

    void titleClicksGiveTheirPanelTheMostRoom_data()
    {
        QTest::addColumn<int>("title");
        QTest::addColumn<QString>("assignments");
        QTest::newRow("FOLDERS") << 0 << "3:80 2:70 1:50";
        QTest::newRow("FILES") << 1 << "3:6 1:93 2:94";
        QTest::newRow("PLAYLIST") << 2 << "3:6 1:7 2:94";
        QTest::newRow("PLAYER") << 3 << "3:6 2:13 1:50";
        QTest::newRow("no such title") << 4 << "";
    }
    void titleClicksGiveTheirPanelTheMostRoom()
    {
        QFETCH(int, title);
        QFETCH(QString, assignments);
        QStringList made;
        for (const TitleClick::Assignment &assignment : TitleClick::assignments(title, 5, 5, 5))
            made.append(QStringLiteral("%1:%2").arg(assignment.splitter).arg(assignment.percent));
        QCOMPARE(made.join(QLatin1Char(' ')), assignments);
    }

    void leadingNumberReadsTheNumericStart_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("value");
        QTest::newRow("plain") << "12" << 12.0;
        QTest::newRow("trailing letters") << "12abc" << 12.0;
        QTest::newRow("letters") << "abc" << 0.0;
        QTest::newRow("empty") << "" << 0.0;
        QTest::newRow("negative") << "-1" << -1.0;
        QTest::newRow("blanks first") << "  7" << 7.0;
        QTest::newRow("fraction") << "2.5x" << 2.5;
    }
    void leadingNumberReadsTheNumericStart()
    {
        QFETCH(QString, text);
        QFETCH(double, value);
        QCOMPARE(leadingNumber(text), value);
    }

    void encodingsReadAsStored_data()
    {
        QTest::addColumn<QString>("encoding");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("result");
        QTest::newRow("flag 1") << "flag"
                                << "1"
                                << "true";
        QTest::newRow("flag -1") << "flag"
                                 << "-1"
                                 << "false";
        QTest::newRow("flag 2") << "flag"
                                << "2"
                                << "false";
        QTest::newRow("flag garbage") << "flag"
                                      << "yes"
                                      << "false";
        QTest::newRow("check 0") << "check"
                                 << "0"
                                 << "false";
        QTest::newRow("check 1") << "check"
                                 << "1"
                                 << "true";
        QTest::newRow("check 7") << "check"
                                 << "7"
                                 << "none";
        QTest::newRow("check letters") << "check"
                                       << "x"
                                       << "false";
        QTest::newRow("whole 12") << "whole"
                                  << "12"
                                  << "12";
        QTest::newRow("whole blanks") << "whole"
                                      << " 3 "
                                      << "3";
        QTest::newRow("whole letters") << "whole"
                                       << "abc"
                                       << "none";
        QTest::newRow("whole mixed") << "whole"
                                     << "12abc"
                                     << "none";
        QTest::newRow("whole too big") << "whole"
                                       << "4294967296"
                                       << "none";
        QTest::newRow("whole negative") << "whole"
                                        << "-2147483648"
                                        << "-2147483648";
        QTest::newRow("boolean True") << "boolean"
                                      << "True"
                                      << "true";
        QTest::newRow("boolean false") << "boolean"
                                       << "false"
                                       << "false";
        QTest::newRow("boolean -1") << "boolean"
                                    << "-1"
                                    << "true";
        QTest::newRow("boolean garbage") << "boolean"
                                         << "maybe"
                                         << "none";
        QTest::newRow("percent rounds half even") << "percent"
                                                  << "62.5"
                                                  << "62";
    }
    void encodingsReadAsStored()
    {
        QFETCH(QString, encoding);
        QFETCH(QString, text);
        QFETCH(QString, result);
        auto show = [](auto value) -> QString {
            if (!value)
                return QStringLiteral("none");
            if constexpr (std::is_same_v<std::decay_t<decltype(*value)>, bool>)
                return *value ? QStringLiteral("true") : QStringLiteral("false");
            else
                return QString::number(*value);
        };
        QString actual;
        if (encoding == QLatin1String("flag"))
            actual = flagEqualsOne(text) ? QStringLiteral("true") : QStringLiteral("false");
        else if (encoding == QLatin1String("check"))
            actual = show(checkBox(text));
        else if (encoding == QLatin1String("whole"))
            actual = show(wholeInteger(text));
        else if (encoding == QLatin1String("boolean"))
            actual = show(booleanWord(text));
        else
            actual = QString::number(decimalInteger(text));
        QCOMPARE(actual, result);
    }

    void writtenTextsFollowTheEncodings()
    {
        QCOMPARE(fromCheckBox(true), QStringLiteral("1"));
        QCOMPARE(fromBoolean(false), QStringLiteral("False"));
        QCOMPARE(fromTwips(11295), QStringLiteral("11295"));
        QCOMPARE(fromTwips(-150), QStringLiteral("-150"));
    }

    void generalSectionReadsBackAsWritten()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("Kestrove.ini"));
        {
            SettingsStore store(path);
            store.save(SettingKey::LastPath, QStringLiteral("/a, b/c=d;e/"));
            store.save(SettingKeys::dragDrop(20), QStringLiteral("True"));
            QVERIFY(store.sync());
        }
        SettingsStore store(path);
        QCOMPARE(store.get(SettingKey::LastPath), QStringLiteral("/a, b/c=d;e/"));
        QCOMPARE(store.GetSetting(QStringLiteral("DragNDropExt"), QStringLiteral("20"), QString()),
                 QStringLiteral("True"));
        QCOMPARE(store.get(SettingKey::Width), QStringLiteral("11295"));
        QCOMPARE(store.GetSetting(QStringLiteral("General"), QStringLiteral("nokey"), QStringLiteral("dflt")),
                 QStringLiteral("dflt"));
    }

    void commandLineFormsOnePath_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("path");
        QTest::newRow("none") << QStringList{} << "";
        QTest::newRow("absolute") << QStringList{"/m/a.mp3"} << "/m/a.mp3";
        QTest::newRow("split by the shell") << QStringList{"/my", "music/a", "b.mp3"} << "/my music/a b.mp3";
        QTest::newRow("quotes removed") << QStringList{"\"/m/a b.mp3\""} << "/m/a b.mp3";
        QTest::newRow("relative") << QStringList{"sub/a.mp3"} << "/start/sub/a.mp3";
        QTest::newRow("dot dot") << QStringList{"../x"} << "/x";
        QTest::newRow("after --") << QStringList{"--", "-name.mp3"} << "/start/-name.mp3";
    }
    void commandLineFormsOnePath()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, path);
        arguments.prepend(QStringLiteral("kestrove"));
        const CommandLine command = CommandLine::parse(arguments, QStringLiteral("/start"));
        QCOMPARE(command.action, CommandLine::Action::Run);
        QCOMPARE(command.path, path);
    }

    void commandLineOptions_data()
    {
        QTest::addColumn<QString>("option");
        QTest::addColumn<int>("action");
        QTest::newRow("help") << "--help" << int(CommandLine::Action::ShowHelp);
        QTest::newRow("version") << "--version" << int(CommandLine::Action::ShowVersion);
        QTest::newRow("unknown") << "--frobnicate" << int(CommandLine::Action::Error);
    }
    void commandLineOptions()
    {
        QFETCH(QString, option);
        QFETCH(int, action);
        const CommandLine command = CommandLine::parse(
            {QStringLiteral("kestrove"), option, QStringLiteral("/a")}, QStringLiteral("/"));
        QCOMPARE(int(command.action), action);
    }
};

QObject *createSettingsTest()
{
    return new TestSettings;
}

#include "tst_settings.moc"
