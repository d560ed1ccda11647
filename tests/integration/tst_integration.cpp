// SPDX-License-Identifier: GPL-3.0-or-later
#include "integration/Association.h"
#include "integration/AssociationStore.h"
#include "integration/BrowseDesktopEntry.h"
#include "support/TemporaryFolder.h"
#include "support/TestFiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QScopeGuard>
#include <QTest>
#include <functional>
#include <sys/mount.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const QString Verb = QStringLiteral("Browse with Kestrove...");

// ".mp3" and ".mpg" are known types (".mpeg" shares the class of ".mpg"), ".wav" is not.
QString classOf(const QString &extension)
{
    if (extension == QLatin1String(".mp3"))
        return QStringLiteral("audio/mpeg");
    if (extension == QLatin1String(".mpg") || extension == QLatin1String(".mpeg"))
        return QStringLiteral("video/mpeg");
    return QString();
}

// The verb of one program installed at `executable`, over a store and an applications folder of
// the test's own. The store's file may be prepared before the store reads it.
struct Fixture
{
    explicit Fixture(const QByteArray &executable = "/opt/media tools/kestrove",
                     const std::function<void(const QString &storePath)> &prepare = {})
        : store(prepared(dir, prepare)), association(verbOf(executable))
    {
    }

    Association verbOf(const QByteArray &executable)
    {
        return Association({store, executable, dir.filePath(QStringLiteral("applications")), &classOf,
                            [this](const QString &) { ++databaseUpdates; }},
                           {".wav", ".mp3", ".mpg", ".mpeg"});
    }
    QString entryPath() const { return dir.filePath(QStringLiteral("applications/kestrove-browse.desktop")); }
    QString storePath() const { return dir.filePath(QStringLiteral("store/associations.json")); }

    static QString prepared(const TemporaryFolder &dir, const std::function<void(const QString &)> &prepare)
    {
        QDir().mkpath(dir.filePath(QStringLiteral("store")));
        const QString path = dir.filePath(QStringLiteral("store/associations.json"));
        if (prepare)
            prepare(path);
        return path;
    }

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

    void aDamagedStoreIsSetAsideWhenReplaced_data()
    {
        QTest::addColumn<QByteArray>("contents");
        QTest::addColumn<QString>("kept");
        QTest::addColumn<bool>("damaged");
        QTest::newRow("not JSON") << QByteArray("\x00\x01garbage", 9) << QString() << true;
        QTest::newRow("empty") << QByteArray() << QString() << true;
        QTest::newRow("a list") << QByteArray("[1, 2]") << QString() << true;
        QTest::newRow("wrong shapes")
            << QByteArray("{\"keys\": [1, {\"key\": 5}, {\"key\": \"k\", \"values\": [\n            "
                          "{\"name\": \"\", \"type\": 4, \"data\": \"AQ==\"}, {\"name\": \"ok\", \"type\": "
                          "1, \"data\": \"b2s=\"}]}]}")
            << QStringLiteral("ok") << false;
    }
    void aDamagedStoreIsSetAsideWhenReplaced()
    {
        QFETCH(QByteArray, contents);
        QFETCH(QString, kept);
        QFETCH(bool, damaged);
        Fixture f("/opt/media tools/kestrove", [&](const QString &path) { writeBytes(path, contents); });
        QCOMPARE(f.store.value(QStringLiteral("k"), QString()), QString());
        QCOMPARE(f.store.value(QStringLiteral("k"), QStringLiteral("ok")), kept);
        QCOMPARE(f.store.loadProblem().isEmpty(), !damaged);
        // Nothing is said, and nothing set aside, before the file is replaced.
        QCOMPARE(f.store.takeNotice(), QString());

        QCOMPARE(f.association.make(), QStringList({".mp3", ".mpg", ".mpeg", "Folder"}));
        const QString damagedPath = f.storePath() + QStringLiteral(".damaged");
        QCOMPARE(QFile::exists(damagedPath), damaged);
        const QString notice = f.store.takeNotice();
        QCOMPARE(notice.contains(QStringLiteral("kept as ") + damagedPath), damaged);
        if (!damaged)
            return;
        QCOMPARE(readBytes(damagedPath), contents);
        // Said once: the file that replaced it is the store's own.
        QCOMPARE(f.store.takeNotice(), QString());
        f.association.make();
        QCOMPARE(f.store.takeNotice(), QString());
        QCOMPARE(readBytes(damagedPath), contents);
        AssociationStore again(f.storePath());
        QCOMPARE(again.loadProblem(), QString());
        QVERIFY(again.hasKey(QStringLiteral("Folder\\Shell\\") + Verb));
    }

    void aStoreThatCannotBeChangedLeavesItsFileAndTheDesktopEntry_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::newRow("link to /dev/zero") << "zero";
        QTest::newRow("FIFO") << "fifo";
        QTest::newRow("larger than 16 MB") << "large";
        QTest::newRow("read-only") << "read-only";
    }
    void aStoreThatCannotBeChangedLeavesItsFileAndTheDesktopEntry()
    {
        QFETCH(QString, kind);
        const bool readOnly = kind == QLatin1String("read-only");
        Fixture f("/opt/media tools/kestrove", [&](const QString &path) {
            const QByteArray native = QFile::encodeName(path);
            if (kind == QLatin1String("zero"))
                QFile::link(QStringLiteral("/dev/zero"), path);
            else if (kind == QLatin1String("fifo"))
                ::mkfifo(native.constData(), 0600);
            else if (kind == QLatin1String("large"))
                ::truncate((writeBytes(path, "{"), native.constData()), 16 * 1024 * 1024 + 1);
        });
        QCOMPARE(f.store.isLeftUnread(), !readOnly);
        QCOMPARE(f.store.loadProblem().isEmpty(), readOnly);
        if (readOnly) {
            QCOMPARE(f.association.make(), QStringList({".mp3", ".mpg", ".mpeg", "Folder"}));
        } else {
            QVERIFY(QDir().mkpath(f.dir.filePath(QStringLiteral("applications"))));
            writeBytes(f.entryPath(), "[Desktop Entry]\nExec=\"/usr/bin/kestrove\" %f\n");
        }
        const QByteArray entry = readBytes(f.entryPath());
        const QByteArray stored = readOnly ? readBytes(f.storePath()) : QByteArray();
        const int databaseUpdates = f.databaseUpdates;
        const QByteArray storeFolder = QFile::encodeName(f.dir.filePath(QStringLiteral("store")));
        bool mounted = false;
        const auto unmount = qScopeGuard([&] {
            if (mounted)
                ::umount(storeFolder.constData());
        });
        if (readOnly) {
            QVERIFY(QFile::setPermissions(f.storePath(), QFileDevice::ReadOwner));
            // Root writes whatever the permissions say: for root the folder is mounted read-only.
            mounted = ::geteuid() == 0 && ::mount(storeFolder.constData(), storeFolder.constData(), nullptr,
                                                  MS_BIND, nullptr) == 0;
            if (::geteuid() == 0 && (!mounted || ::mount(nullptr, storeFolder.constData(), nullptr,
                                                         MS_BIND | MS_REMOUNT | MS_RDONLY, nullptr) != 0))
                QSKIP("no read-only folder can be made here");
        }

        // Another copy's verb would be another desktop entry.
        Association other = f.verbOf("/usr/lib/other/kestrove");
        QCOMPARE(other.make(),
                 QStringList({".mp3 - ERROR!!", ".mpg - ERROR!!", ".mpeg - ERROR!!", "Folder - ERORR!!"}));
        QCOMPARE(readBytes(f.entryPath()), entry);
        QVERIFY(!f.store.takeNotice().isEmpty());
        QStringList lines{".mp3", "Folder"};
        other.remove(lines);
        QCOMPARE(lines, QStringList({".mp3 - ERROR, Unable to remove", "Folder - ERROR, Unable to remove"}));
        QCOMPARE(readBytes(f.entryPath()), entry);
        QCOMPARE(f.databaseUpdates, databaseUpdates);
        QVERIFY(!f.store.takeNotice().isEmpty());

        struct stat info = {};
        QCOMPARE(::lstat(QFile::encodeName(f.storePath()).constData(), &info), 0);
        if (kind == QLatin1String("zero"))
            QCOMPARE(QFileInfo(f.storePath()).symLinkTarget(), QStringLiteral("/dev/zero"));
        else if (kind == QLatin1String("fifo"))
            QVERIFY(S_ISFIFO(info.st_mode));
        else if (kind == QLatin1String("large"))
            QCOMPARE(qint64(info.st_size), 16 * 1024 * 1024 + 1);
        else
            QCOMPARE(readBytes(f.storePath()), stored);
        QVERIFY(!QFile::exists(f.storePath() + QStringLiteral(".damaged")));
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
        QTest::newRow("this copy, other letter case")
            << "\"/OPT/Media Tools/kestrove\" \"%1\"" << QStringList{".mp3 - OK!"};
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

        // A store that can no longer be written reports every removal as failed, and the desktop
        // entry stays with it.
        lines = f.association.make();
        QVERIFY(QFile::remove(f.storePath()));
        QVERIFY(QDir().mkdir(f.storePath()));
        f.association.remove(lines);
        QCOMPARE(lines, QStringList({".mp3 - ERROR, Unable to remove", ".mpg - ERROR, Unable to remove",
                                     ".mpeg - ERROR, Unable to remove", "Folder - ERROR, Unable to remove"}));
        QVERIFY(QFile::exists(f.entryPath()));
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

    void classesComeFromTheMimeDatabase()
    {
        QCOMPARE(Association::mimeClassOf(QStringLiteral(".mp3")), QStringLiteral("audio/mpeg"));
        QCOMPARE(Association::mimeClassOf(QStringLiteral(".avi")), QStringLiteral("video/x-msvideo"));
        QCOMPARE(Association::mimeClassOf(QStringLiteral(".zz-unknown")), QString());
    }
};

QTEST_MAIN(TestIntegration)

#include "tst_integration.moc"
