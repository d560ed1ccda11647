// SPDX-License-Identifier: GPL-3.0-or-later
#include "integration/Association.h"
#include "integration/AssociationStore.h"
#include "integration/BrowseDesktopEntry.h"
#include "integration/KeyFileText.h"
#include "support/TemporaryFolder.h"
#include "support/TestFiles.h"

#include <QDir>
#include <QFile>
#include <QTest>

namespace {

const QString Verb = QStringLiteral("Browse with Kestrove...");

// The verb of one program installed at `executable`, over a store and an applications folder of
// the test's own; ".mp3" and ".mpg" are known types (".mpeg" shares the class of ".mpg"), ".wav"
// is not.
struct Fixture
{
    explicit Fixture(const QByteArray &executable = "/opt/media tools/kestrove")
        : store(dir.filePath(QStringLiteral("associations.json"))),
          association({store, executable, dir.filePath(QStringLiteral("applications")),
                       [](const QString &extension) {
                           if (extension == QLatin1String(".mp3"))
                               return QStringLiteral("audio/mpeg");
                           if (extension == QLatin1String(".mpg") || extension == QLatin1String(".mpeg"))
                               return QStringLiteral("video/mpeg");
                           return QString();
                       },
                       [this](const QString &) { ++databaseUpdates; }},
                      {".wav", ".mp3", ".mpg", ".mpeg"})
    {
    }

    QString entryPath() const { return dir.filePath(QStringLiteral("applications/kestrove-browse.desktop")); }

    TemporaryFolder dir;
    AssociationStore store;
    int databaseUpdates = 0;
    Association association;
};

} // namespace

class TestIntegration : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void valuesReadBackInTheirFormats()
    {
        TemporaryFolder dir;
        const QString file = dir.filePath(QStringLiteral("store.json"));
        {
            AssociationStore store(file);
            QCOMPARE(store.setValue(QStringLiteral("a\\b"), QStringLiteral("seven"), AssociationStore::Number,
                                    QStringLiteral("7")),
                     0);
            QCOMPARE(store.setValue(QStringLiteral("a\\b"), QStringLiteral("big"), AssociationStore::Number,
                                    QStringLiteral("4294967295")),
                     0);
            QCOMPARE(
                store.setBytes(QStringLiteral("a\\b"), QStringLiteral("bytes"), QByteArray("\x0a\xff", 2)),
                0);
            QCOMPARE(store.setValue(QStringLiteral("A\\B"), QString(), AssociationStore::Text,
                                    QStringLiteral("text")),
                     0);
            QVERIFY(store.setValue(QStringLiteral("a"), QStringLiteral("n"), AssociationStore::Number,
                                   QStringLiteral("many")) != 0);
            // Other types store nothing.
            QCOMPARE(store.setValue(QStringLiteral("a"), QStringLiteral("other"), 2, QStringLiteral("x")), 0);
            QCOMPARE(store.value(QStringLiteral("a"), QStringLiteral("other")), QString());
        }
        // Everything survives a new start, and key names ignore case.
        AssociationStore store(file);
        QCOMPARE(store.value(QStringLiteral("A\\b\\"), QStringLiteral("SEVEN")), QStringLiteral("007"));
        QCOMPARE(store.value(QStringLiteral("a\\b"), QStringLiteral("big")), QStringLiteral("4294967295"));
        QCOMPARE(store.value(QStringLiteral("a\\b"), QStringLiteral("bytes")), QStringLiteral("0AFF"));
        QCOMPARE(store.value(QStringLiteral("a\\b"), QString()), QStringLiteral("text"));
        QCOMPARE(store.value(QStringLiteral("a\\missing"), QString()), QString());
    }

    void deletingRemovesOneLevelOnly()
    {
        TemporaryFolder dir;
        AssociationStore store(dir.filePath(QStringLiteral("store.json")));
        store.setValue(QStringLiteral("c\\shell\\verb\\command"), QString(), AssociationStore::Text,
                       QStringLiteral("x"));
        store.setValue(QStringLiteral("c\\shell\\verb x"), QString(), AssociationStore::Text,
                       QStringLiteral("y"));
        QVERIFY(store.deleteKey(QStringLiteral("c\\shell\\verb")) != 0);
        QVERIFY(store.deleteKey(QStringLiteral("c\\nothing")) != 0);
        QCOMPARE(store.deleteKey(QStringLiteral("C\\Shell\\Verb\\Command")), 0);
        QCOMPARE(store.deleteKey(QStringLiteral("c\\shell\\verb")), 0);
        QVERIFY(!store.hasKey(QStringLiteral("c\\shell\\verb")));
        QVERIFY(store.hasKey(QStringLiteral("c\\shell\\verb x")));
    }

    void aDamagedStoreStartsEmpty_data()
    {
        QTest::addColumn<QByteArray>("contents");
        QTest::addColumn<QString>("kept");
        QTest::newRow("not JSON") << QByteArray("\x00\x01garbage", 9) << QString();
        QTest::newRow("empty") << QByteArray() << QString();
        QTest::newRow("wrong shapes")
            << QByteArray("{\"keys\": [1, {\"key\": 5}, {\"key\": \"k\", \"values\": [\n            "
                          "{\"name\": \"\", \"type\": 4, \"data\": \"AQ==\"}, {\"name\": \"ok\", \"type\": "
                          "1, \"data\": \"b2s=\"}]}]}")
            << QStringLiteral("ok");
    }
    void aDamagedStoreStartsEmpty()
    {
        QFETCH(QByteArray, contents);
        QFETCH(QString, kept);
        TemporaryFolder dir;
        writeBytes(dir.filePath(QStringLiteral("store.json")), contents);
        AssociationStore store(dir.filePath(QStringLiteral("store.json")));
        QCOMPARE(store.value(QStringLiteral("k"), QString()), QString());
        QCOMPARE(store.value(QStringLiteral("k"), QStringLiteral("ok")), kept);
    }

    void makingTheAssociationWritesTheVerbAndTheDesktopEntry()
    {
        Fixture f;
        QCOMPARE(f.association.verbCommand(), QStringLiteral("\"/opt/media tools/kestrove\" \"%1\""));
        QCOMPARE(f.association.make(), QStringList({".mp3", ".mpg", ".mpeg", "Folder"}));
        const QString key = QStringLiteral("audio/mpeg\\Shell\\") + Verb;
        QCOMPARE(f.store.value(key + QStringLiteral("\\Command"), QString()), f.association.verbCommand());
        QCOMPARE(f.store.value(key + QStringLiteral("\\ddeexec"), QString()), QStringLiteral("\"%1\""));
        QCOMPARE(f.store.value(key + QStringLiteral("\\ddeexec\\application"), QString()),
                 QStringLiteral("Kestrove"));
        QCOMPARE(f.store.value(key + QStringLiteral("\\ddeexec\\topic"), QString()),
                 QStringLiteral("System"));
        QVERIFY(f.store.hasKey(QStringLiteral("Folder\\Shell\\") + Verb + QStringLiteral("\\Command")));
        QVERIFY(!f.store.hasKey(QStringLiteral(".mp3")));
        const QByteArray entry = readBytes(f.entryPath());
        QVERIFY(entry.contains("Name=Browse with Kestrove...\n"));
        QVERIFY(entry.contains("Exec=\"/opt/media tools/kestrove\" %f\n"));
        QVERIFY(entry.contains("MimeType=audio/mpeg;video/mpeg;inode/directory;\n"));
        QVERIFY(entry.contains("NoDisplay=true\n"));
        QCOMPARE(f.databaseUpdates, 1);
        QCOMPARE(f.association.status(),
                 QStringList({".mp3 - OK!", ".mpg - OK!", ".mpeg - OK!", "Folder - OK!"}));
    }

    void theStatusTellsWhichCopyTheVerbPointsTo_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QStringList>("lines");
        QTest::newRow("another copy") << "\"/usr/bin/kestrove\" \"%1\""
                                      << QStringList{".mp3 - Associated, but don't point to this copy !"};
        QTest::newRow("this copy") << "\"/opt/media tools/kestrove\" \"%1\"" << QStringList{".mp3 - OK!"};
        QTest::newRow("another copy in other letter case")
            << "\"/OPT/Media Tools/kestrove\" \"%1\""
            << QStringList{".mp3 - Associated, but don't point to this copy !"};
        QTest::newRow("program name in capitals") << "\"/opt/media tools/KESTROVE\" \"%1\"" << QStringList{};
        QTest::newRow("another program") << "\"/usr/bin/player\" \"%1\"" << QStringList{};
    }
    void theStatusTellsWhichCopyTheVerbPointsTo()
    {
        QFETCH(QString, stored);
        QFETCH(QStringList, lines);
        Fixture f;
        f.store.setValue(QStringLiteral("audio/mpeg\\shell\\") + Verb + QStringLiteral("\\command"),
                         QString(), AssociationStore::Text, stored);
        QCOMPARE(f.association.status(), lines);
    }

    void removingTheAssociation()
    {
        Fixture f;
        QStringList lines = f.association.make();
        lines.prepend(QStringLiteral(".avi"));
        f.association.remove(lines);
        // Lines of types that were not associated stay.
        QCOMPARE(lines, QStringList{".avi"});
        QVERIFY(!f.store.hasKey(QStringLiteral("audio/mpeg\\Shell\\") + Verb));
        QVERIFY(!QFile::exists(f.entryPath()));
        QVERIFY(f.association.status().isEmpty());

        // A store that can no longer be written reports every removal as failed.
        lines = f.association.make();
        QVERIFY(QFile::remove(f.dir.filePath(QStringLiteral("associations.json"))));
        QVERIFY(QDir(f.dir.path()).mkdir(QStringLiteral("associations.json")));
        f.association.remove(lines);
        QCOMPARE(lines, QStringList({".mp3 - ERROR, Unable to remove", ".mpg - ERROR, Unable to remove",
                                     ".mpeg - ERROR, Unable to remove", "Folder - ERROR, Unable to remove"}));
    }

    void anApplicationsFolderThatCannotBeWrittenFailsTheFolderLine()
    {
        Fixture f;
        writeBytes(f.dir.filePath(QStringLiteral("applications")), "a file where the folder belongs");
        QCOMPARE(f.association.make(), QStringList({".mp3", ".mpg", ".mpeg", "Folder - ERORR!!"}));
        QCOMPARE(f.databaseUpdates, 0);
    }

    void execArgumentsFollowTheDesktopEntryRules_data()
    {
        QTest::addColumn<QByteArray>("executable");
        QTest::addColumn<QString>("argument");
        QTest::newRow("plain") << QByteArray("/usr/bin/kestrove") << "\"/usr/bin/kestrove\"";
        QTest::newRow("blank") << QByteArray("/opt/my apps/kestrove") << "\"/opt/my apps/kestrove\"";
        QTest::newRow("quote") << QByteArray("/opt/a\"b/kestrove") << "\"/opt/a\\\\\"b/kestrove\"";
        QTest::newRow("dollar and backtick")
            << QByteArray("/opt/$x`/kestrove") << "\"/opt/\\\\$x\\\\`/kestrove\"";
        QTest::newRow("backslash") << QByteArray("/opt/a\\b/kestrove") << "\"/opt/a\\\\\\\\b/kestrove\"";
        QTest::newRow("percent") << QByteArray("/opt/100%/kestrove") << "\"/opt/100%%/kestrove\"";
        QTest::newRow("newline") << QByteArray("/opt/a\nb/kestrove") << "\"/opt/a\\nb/kestrove\"";
        QTest::newRow("not UTF-8") << QByteArray("/opt/caf\xe9/kestrove") << QString();
    }
    void execArgumentsFollowTheDesktopEntryRules()
    {
        QFETCH(QByteArray, executable);
        QFETCH(QString, argument);
        QCOMPARE(BrowseDesktopEntry::execArgument(executable).value_or(QString()), argument);
    }

    void aProgramPathADesktopEntryCannotHoldFailsTheFolderLine()
    {
        Fixture f("/opt/caf\xe9/kestrove");
        QCOMPARE(f.association.make().last(), QStringLiteral("Folder - ERORR!!"));
        QVERIFY(!QFile::exists(f.entryPath()));
    }

    void keyFileLinesStayAsTheyWere_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QByteArray>("added");
        QTest::newRow("empty") << QByteArray() << QByteArray("[G]\nk=v\n");
        QTest::newRow("comments and other groups")
            << QByteArray("# mine\n[A]\nk=a\n\n[G]\n# note\na=1\n\n# B's\n[B]\ny=2\n")
            << QByteArray("# mine\n[A]\nk=a\n\n[G]\n# note\na=1\nk=v\n\n# B's\n[B]\ny=2\n");
        QTest::newRow("missing group") << QByteArray("[A]\nx=1\n") << QByteArray("[A]\nx=1\n[G]\nk=v\n");
        QTest::newRow("crlf") << QByteArray("[G]\r\na=1\r\n\r\n") << QByteArray("[G]\r\na=1\r\nk=v\r\n\r\n");
        QTest::newRow("no last line end") << QByteArray("[G]\na=1") << QByteArray("[G]\na=1\nk=v");
        QTest::newRow("no last line end, missing group")
            << QByteArray("[A]\r\nx=1") << QByteArray("[A]\r\nx=1\r\n[G]\r\nk=v");
        QTest::newRow("group in two sections")
            << QByteArray("[G]\na=1\n[B]\n[G]\nb=2\n") << QByteArray("[G]\na=1\n[B]\n[G]\nb=2\nk=v\n");
        QTest::newRow("blanks around the header") << QByteArray(" [G]\t\n") << QByteArray(" [G]\t\nk=v\n");
    }
    void keyFileLinesStayAsTheyWere()
    {
        QFETCH(QByteArray, text);
        QFETCH(QByteArray, added);
        KeyFileText file(text);
        QVERIFY(!file.contains("G", "k"));
        const QStringList lines = file.add("G", "k", "v");
        QCOMPARE(file.bytes(), added);
        QVERIFY(file.contains("G", "k"));
        // Taking the lines back gives the text as it was.
        QVERIFY(file.remove("G", "k", "v"));
        if (lines.size() == 2)
            QVERIFY(file.removeEmptySection("G"));
        QCOMPARE(file.bytes(), text);
    }

    void keyFileKeysAreReadAsTheDesktopReadsThem_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<bool>("set");
        // The text once "k=v" is taken out of the group.
        QTest::addColumn<QByteArray>("without");
        QTest::newRow("plain") << QByteArray("[G]\nk=v\n") << true << QByteArray("[G]\n");
        QTest::newRow("blanks") << QByteArray("[G]\n  k = v \n") << true << QByteArray("[G]\n");
        QTest::newRow("changed value") << QByteArray("[G]\nk=w\n") << true << QByteArray("[G]\nk=w\n");
        QTest::newRow("value list") << QByteArray("[G]\nk=v;w;\n") << true << QByteArray("[G]\nk=v;w;\n");
        QTest::newRow("comment") << QByteArray("[G]\n#k=v\n") << false << QByteArray("[G]\n#k=v\n");
        QTest::newRow("longer key") << QByteArray("[G]\nkk=v\n") << false << QByteArray("[G]\nkk=v\n");
        QTest::newRow("other group") << QByteArray("[A]\nk=v\n[G]\n") << false
                                     << QByteArray("[A]\nk=v\n[G]\n");
        QTest::newRow("not a header") << QByteArray("[G] x\nk=v\n") << false << QByteArray("[G] x\nk=v\n");
        QTest::newRow("both sections")
            << QByteArray("[G]\nk=v\n[A]\n[G]\nk=v\n") << true << QByteArray("[G]\n[A]\n[G]\n");
        QTest::newRow("last line without end")
            << QByteArray("[G]\r\nk=w\r\nk=v") << true << QByteArray("[G]\r\nk=w");
    }
    void keyFileKeysAreReadAsTheDesktopReadsThem()
    {
        QFETCH(QByteArray, text);
        QFETCH(bool, set);
        QFETCH(QByteArray, without);
        KeyFileText file(text);
        QCOMPARE(file.contains("G", "k"), set);
        QCOMPARE(file.remove("G", "k", "v"), text != without);
        QCOMPARE(file.bytes(), without);
        // A header goes only with nothing under it.
        QCOMPARE(file.removeEmptySection("G"), without.endsWith("[G]\n"));
    }

    void classesComeFromTheMimeDatabase()
    {
        QCOMPARE(Association::mimeClassOf(QStringLiteral(".mp3")), QStringLiteral("audio/mpeg"));
        QCOMPARE(Association::mimeClassOf(QStringLiteral(".avi")), QStringLiteral("video/x-msvideo"));
        QCOMPARE(Association::mimeClassOf(QStringLiteral(".zz-unknown")), QString());
    }
};

QTEST_MAIN(TestIntegration)

#include "tst_integration.moc"
