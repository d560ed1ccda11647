// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/MediaTypes.h"
#include "core/SettingCodec.h"
#include "core/Settings.h"
#include "core/WindowGeometry.h"
#include "platform/NativePath.h"
#include "platform/SettingsStore.h"
#include "support/TemporaryFolder.h"
#include "support/TextRow.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <functional>
#include <sys/stat.h>

using namespace SettingCodec;

class TestSettings : public QObject
{
    Q_OBJECT

private Q_SLOTS:
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
        textRow("flag 1", {"flag", "1", "true"});
        textRow("flag -1", {"flag", "-1", "false"});
        textRow("flag 2", {"flag", "2", "false"});
        textRow("flag garbage", {"flag", "yes", "false"});
        textRow("check 0", {"check", "0", "false"});
        textRow("check 1", {"check", "1", "true"});
        textRow("check 7", {"check", "7", "none"});
        textRow("check letters", {"check", "x", "false"});
        textRow("whole 12", {"whole", "12", "12"});
        textRow("whole blanks", {"whole", " 3 ", "3"});
        textRow("whole letters", {"whole", "abc", "none"});
        textRow("whole mixed", {"whole", "12abc", "none"});
        textRow("whole too big", {"whole", "4294967296", "none"});
        textRow("whole negative", {"whole", "-2147483648", "-2147483648"});
        textRow("boolean True", {"boolean", "True", "true"});
        textRow("boolean false", {"boolean", "false", "false"});
        textRow("boolean -1", {"boolean", "-1", "true"});
        textRow("boolean garbage", {"boolean", "maybe", "none"});
        textRow("percent rounds half even", {"percent", "62.5", "62"});
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

    void twipsAreWrittenInFull()
    {
        QCOMPARE(fromTwips(11295), QStringLiteral("11295"));
        QCOMPARE(fromTwips(-150), QStringLiteral("-150"));
        QCOMPARE(fromTwips(251658240), QStringLiteral("251658240"));
        QCOMPARE(fromTwips(-1e8), QStringLiteral("-100000000"));
    }

    void generalSectionReadsBackAsWritten()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("Kestrove.ini"));
        {
            SettingsStore store(path);
            Settings settings(store);
            settings.lastFolder.set(QStringLiteral("/a, b/c=d;e/"));
            settings.setDropCollects(20, true);
            QVERIFY(settings.sync());
        }
        SettingsStore store(path);
        const Settings settings(store);
        QCOMPARE(settings.lastFolder(), QStringLiteral("/a, b/c=d;e/"));
        QCOMPARE(store.value(QStringLiteral("DragNDropExt"), QStringLiteral("20"), QString()),
                 QStringLiteral("True"));
        // Not stored: the window takes a share of the screen it opens on.
        QCOMPARE(settings.windowWidth(), std::optional<double>());
        QCOMPARE(store.value(QStringLiteral("General"), QStringLiteral("nokey"), QStringLiteral("dflt")),
                 QStringLiteral("dflt"));
    }

    void dropFlagsOfTypesAddedLaterHaveKeysOfTheirOwn()
    {
        QTemporaryDir dir;
        SettingsStore store(dir.filePath(QStringLiteral("Kestrove.ini")));
        // A profile written when the table ended at row 30 keeps its flags row for row; the rows
        // added since collect nothing until chosen, and keep their flags under keys of their own.
        for (int row = 0; row <= 30; ++row)
            store.setValue(QStringLiteral("DragNDropExt"), QString::number(row),
                           row % 2 ? QStringLiteral("True") : QStringLiteral("False"));
        Settings settings(store);
        for (int row = 0; row <= 30; ++row)
            QCOMPARE(settings.dropCollects(row), std::optional<bool>(row % 2 == 1));
        const MediaTypes types;
        const QStringList added = {QStringLiteral(".svg"), QStringLiteral(".tif"), QStringLiteral(".tiff")};
        for (int row = 31; row < 31 + added.size(); ++row) {
            QCOMPARE(types.extension(row), added.at(row - 31));
            QCOMPARE(settings.dropCollects(row), std::optional<bool>(false));
            settings.setDropCollects(row, true);
            QCOMPARE(store.value(QStringLiteral("DragNDropExt"), QString::number(row), QString()),
                     QStringLiteral("True"));
        }
    }

    void pathsThatAreNotUtf8AreStoredAsTheirBytes()
    {
        TemporaryFolder dir;
        const QString path = dir.filePath(QStringLiteral("Kestrove.ini"));
        const QString folder = NativePath::fromBytes("/music/caf\xe9/");
        {
            SettingsStore store(path);
            Settings settings(store);
            settings.lastFolder.set(folder);
            settings.lastFile.set(QStringLiteral("/music/plain.mp3"));
            QVERIFY(settings.sync());
        }
        SettingsStore store(path);
        const Settings settings(store);
        QCOMPARE(NativePath::toBytes(settings.lastFolder()), QByteArray("/music/caf\xe9/"));
        QCOMPARE(settings.lastFile(), QStringLiteral("/music/plain.mp3"));
    }

    // The settings are saved every second while the program runs: a value set again as it is must
    // not write the file again, while a changed one must.
    void settingsFileIsWrittenOnlyWhenAValueChanges()
    {
        TemporaryFolder dir;
        const QString path = dir.filePath(QStringLiteral("Kestrove.ini"));
        SettingsStore store(path);
        Settings settings(store);
        const QString folder = NativePath::fromBytes("/music/caf\xe9/");
        settings.lastFolder.set(folder);
        settings.speed.set(250);
        QVERIFY(settings.sync());
        const auto inode = [&path] {
            struct stat info = {};
            return ::stat(QFile::encodeName(path).constData(), &info) == 0 ? info.st_ino : ino_t(0);
        };
        const ino_t written = inode();
        QVERIFY(written != 0);
        settings.lastFolder.set(folder);
        settings.speed.set(250);
        QVERIFY(settings.sync());
        QCOMPARE(inode(), written);
        settings.speed.set(300);
        QVERIFY(settings.sync());
        QVERIFY(inode() != written);
    }

    // Each option reads its stored text in its own way; the table shows what a user's hand-edited
    // or damaged settings file turns into.
    void optionsReadTheirStoredTexts_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("read");
        textRow("flag one", {"showallfiles", "1", "true"});
        textRow("flag 1.4 is not one", {"FileFlySize", "1.4", "false"});
        textRow("flag garbage", {"DeleteConfirm", "yes", "false"});
        textRow("check box rounds", {"AutoPlay", "0.6", "true"});
        textRow("check box out of range", {"RemPos", "7", "none"});
        textRow("share rounds halves to even", {"DefLeft", "30.5", "30"});
        textRow("share garbage", {"DefLeft2", "wide", "0"});
        textRow("integer with blanks", {"CurSpeed", " 150 ", "150"});
        textRow("integer too large", {"LastPos", "9999999999", "none"});
        textRow("integer with letters", {"Offset", "3x", "none"});
        textRow("twips without a number", {"width", "wide", "none"});
        textRow("twips with a fraction", {"left", "150.5px", "150.5"});
        textRow("maximised", {"winstate", "max", "true"});
        textRow("maximised in capitals", {"winstate", "Max", "false"});
        textRow("first run", {"FirstUse", "", "true"});
        textRow("thumbnails on", {"Thumbnails", "1", "true"});
        textRow("thumbnails unreadable", {"Thumbnails", "", "false"});
        textRow("larger thumbnails", {"ThumbnailSize", "128", "128"});
        textRow("a thumbnail size not offered", {"ThumbnailSize", "100", "64"});
        textRow("thumbnail size garbage", {"ThumbnailSize", "big", "64"});
    }
    void optionsReadTheirStoredTexts()
    {
        QFETCH(QString, key);
        QFETCH(QString, text);
        QFETCH(QString, read);
        QTemporaryDir dir;
        SettingsStore store(dir.filePath(QStringLiteral("Kestrove.ini")));
        store.setValue(QStringLiteral("General"), key, text);
        const Settings settings(store);
        auto show = [](const auto &value) -> QString {
            using T = std::decay_t<decltype(value)>;
            if constexpr (std::is_same_v<T, bool>)
                return value ? QStringLiteral("true") : QStringLiteral("false");
            else if constexpr (std::is_same_v<T, int>)
                return QString::number(value);
            else if (!value)
                return QStringLiteral("none");
            else if constexpr (std::is_same_v<T, std::optional<bool>>)
                return *value ? QStringLiteral("true") : QStringLiteral("false");
            else
                return QString::number(*value);
        };
        const QHash<QString, std::function<QString()>> readers = {
            {"showallfiles", [&] { return show(settings.showAllFiles()); }},
            {"FileFlySize", [&] { return show(settings.liveResizeLists()); }},
            {"DeleteConfirm", [&] { return show(settings.confirmDelete()); }},
            {"AutoPlay", [&] { return show(settings.autoPlay()); }},
            {"RemPos", [&] { return show(settings.rememberPosition()); }},
            {"DefLeft", [&] { return show(settings.filesShare()); }},
            {"DefLeft2", [&] { return show(settings.listsShare()); }},
            {"CurSpeed", [&] { return show(settings.speed()); }},
            {"LastPos", [&] { return show(settings.lastPosition()); }},
            {"Offset", [&] { return show(settings.startOffsetChoice()); }},
            {"width", [&] { return show(settings.windowWidth()); }},
            {"left", [&] { return show(settings.windowLeft()); }},
            {"winstate", [&] { return show(settings.windowMaximised()); }},
            {"FirstUse", [&] { return show(settings.isFirstRun()); }},
            {"Thumbnails", [&] { return show(settings.thumbnails()); }},
            {"ThumbnailSize", [&] { return show(settings.thumbnailSide()); }},
        };
        QCOMPARE(readers.value(key)(), read);
    }

    void windowRectangleIsKeptOnTheScreen_data()
    {
        QTest::addColumn<QVariantList>("stored");
        QTest::addColumn<QRect>("placed");
        const QVariant none;
        // The first screen is 1280 x 800 (19200 x 12000 twips); a second one of 1920 x 1080 is
        // to its right.
        QTest::newRow("as stored") << QVariantList{1500, 1500, 9000, 6000} << QRect(100, 100, 600, 400);
        QTest::newRow("centred without left and top")
            << QVariantList{none, none, 9000, 6000} << QRect(340, 200, 600, 400);
        QTest::newRow("three quarters of the screen without width and height")
            << QVariantList{0, 0, none, none} << QRect(0, 0, 960, 600);
        QTest::newRow("first start: three quarters, centred")
            << QVariantList{none, none, none, none} << QRect(160, 100, 960, 600);
        QTest::newRow("a stored width of nothing") << QVariantList{0, 0, 0, 6000} << QRect(0, 0, 960, 400);
        QTest::newRow("too wide takes two thirds of the screen")
            << QVariantList{0, 0, 30000, 6000} << QRect(0, 0, 853, 400);
        QTest::newRow("past the right edge moves left")
            << QVariantList{15000, 0, 9000, 6000} << QRect(680, 0, 600, 400);
        QTest::newRow("below the screen moves up")
            << QVariantList{0, 13000, 9000, 6000} << QRect(0, 400, 600, 400);
        QTest::newRow("far off to the left and above")
            << QVariantList{-99999999, -30000, 9000, 6000} << QRect(0, 0, 600, 400);
        QTest::newRow("absurd height") << QVariantList{0, 0, 9000, 99999999999.0} << QRect(0, 0, 600, 533);
        QTest::newRow("on the second screen")
            << QVariantList{21000, 1500, 9000, 6000} << QRect(1400, 100, 600, 400);
        QTest::newRow("beyond the second screen")
            << QVariantList{99000, 99000, 9000, 6000} << QRect(2600, 680, 600, 400);
    }
    void windowRectangleIsKeptOnTheScreen()
    {
        QFETCH(QVariantList, stored);
        QFETCH(QRect, placed);
        auto twips = [&](int i) -> std::optional<double> {
            return stored.at(i).isValid() ? std::optional<double>(stored.at(i).toDouble()) : std::nullopt;
        };
        QCOMPARE(WindowGeometry::restore({twips(0), twips(1), twips(2), twips(3)},
                                         {QRect(0, 0, 1280, 800), QRect(1280, 0, 1920, 1080)}),
                 placed);
    }
};

QObject *createSettingsTest()
{
    return new TestSettings;
}

#include "tst_settings.moc"
