// SPDX-License-Identifier: GPL-3.0-or-later
#include "integration/Association.h"
#include "integration/AssociationStore.h"
#include "integration/BrowseDesktopEntry.h"
#include "integration/KeyFileText.h"
#include "support/TemporaryFolder.h"
#include "support/TestFiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QProcess>
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

// The verb of one program installed at `executable`, over a store, an applications folder and
// lists of default applications of the test's own. The store's file may be prepared before the
// store reads it. The desktop's defaults are those in `defaults`: a type it does not name has none,
// a type named without a program cannot be told.
struct Fixture
{
    explicit Fixture(const QByteArray &executable = "/opt/media tools/kestrove",
                     const std::function<void(const QString &storePath)> &prepare = {})
        : store(prepared(dir, prepare)), association(verbOf(executable))
    {
    }

    Association verbOf(const QByteArray &executable)
    {
        return Association({store,
                            executable,
                            dir.filePath(QStringLiteral("applications")),
                            &classOf,
                            {listPath(), dir.filePath(QStringLiteral("test-mimeapps.list"))},
                            [this](const QString &type) { return defaults.value(type, QString()); }},
                           {".wav", ".mp3", ".mpg", ".mpeg"});
    }
    QString entryPath() const { return dir.filePath(QStringLiteral("applications/kestrove-browse.desktop")); }
    QString storePath() const { return dir.filePath(QStringLiteral("store/associations.json")); }
    QString listPath() const { return dir.filePath(QStringLiteral("mimeapps.list")); }
    QString cachePath() const { return dir.filePath(QStringLiteral("applications/mimeinfo.cache")); }

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
    QHash<QString, std::optional<QString>> defaults;
    Association association;
};

// A desktop of the test's own for the probe's processes: its data, config and system folders, a
// "viewer.desktop" that lists the types, an "other.desktop" that lists none of them, and the
// person's own "mine.desktop", which lists other types than the association.
struct Desktop
{
    Desktop()
    {
        for (const char *folder : {"data/applications", "system/applications", "config", "system-config"})
            QDir().mkpath(dir.filePath(QLatin1String(folder)));
        const QByteArray entry = "[Desktop Entry]\nType=Application\nName=%1\nExec=true %f\nMimeType=%2\n";
        writeBytes(dir.filePath(QStringLiteral("system/applications/viewer.desktop")),
                   QByteArray(entry)
                       .replace("%1", "Viewer")
                       .replace("%2", "image/jpeg;audio/mpeg;inode/directory;"));
        writeBytes(dir.filePath(QStringLiteral("system/applications/other.desktop")),
                   QByteArray(entry).replace("%1", "Other").replace("%2", "text/plain;"));
        // GIO finds the types of a folder's entries in its cache, as update-desktop-database writes it.
        writeBytes(dir.filePath(QStringLiteral("system/applications/mimeinfo.cache")),
                   "[MIME Cache]\naudio/mpeg=viewer.desktop;\nimage/jpeg=viewer.desktop;\n"
                   "inode/directory=viewer.desktop;\ntext/plain=other.desktop;\n");
        writeBytes(
            dir.filePath(QStringLiteral("data/applications/mine.desktop")),
            QByteArray(entry).replace("%1", "Mine").replace("%2", "text/plain;application/x-kestrove-mine;"));
    }

    QString listPath() const { return dir.filePath(QStringLiteral("config/mimeapps.list")); }

    // The probe's output, or why it failed.
    QString probe(const QStringList &arguments) const
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("XDG_DATA_HOME"), dir.filePath(QStringLiteral("data")));
        environment.insert(QStringLiteral("XDG_DATA_DIRS"), dir.filePath(QStringLiteral("system")));
        environment.insert(QStringLiteral("XDG_CONFIG_HOME"), dir.filePath(QStringLiteral("config")));
        environment.insert(QStringLiteral("XDG_CONFIG_DIRS"), dir.filePath(QStringLiteral("system-config")));
        environment.insert(QStringLiteral("XDG_CURRENT_DESKTOP"), desktopName);
        QProcess process;
        process.setProcessEnvironment(environment);
        process.start(QStringLiteral(KESTROVE_PROFILE_PROBE), arguments);
        if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit ||
            process.exitCode() != 0)
            return QStringLiteral("the probe failed: ") + QString::fromUtf8(process.readAllStandardError());
        return QString::fromUtf8(process.readAllStandardOutput());
    }

    // Each type's default as GIO tells it, and the programs GIO offers for it.
    QStringList defaults(const QStringList &types = Types) const
    {
        return probe(QStringList{QStringLiteral("defaults")} + types)
            .split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    }
    // "type=program" of each line of defaults().
    static QStringList chosen(const QStringList &lines)
    {
        QStringList types;
        for (const QString &line : lines)
            types.append(line.section(QLatin1Char(' '), 0, 0));
        return types;
    }
    QString associate(const char *step) const
    {
        return probe({QLatin1String(step), dir.filePath(QStringLiteral("associations.json")), Types.at(0),
                      Types.at(1)});
    }

    static inline const QStringList Types{"image/jpeg", "audio/mpeg", "inode/directory"};
    TemporaryFolder dir;
    QString desktopName;
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
        const QByteArray cache = readBytes(f.cachePath());
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
        QCOMPARE(readBytes(f.cachePath()), cache);
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
        bool offered = false;
        QCOMPARE(f.association.make(&offered), QStringList({".mp3", ".mpg", ".mpeg", "Folder"}));
        QVERIFY(offered);
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
        QCOMPARE(readBytes(f.cachePath()), QByteArray("[MIME Cache]\naudio/mpeg=kestrove-browse.desktop;\n"
                                                      "video/mpeg=kestrove-browse.desktop;\n"
                                                      "inode/directory=kestrove-browse.desktop;\n"));
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
        bool offered = true;
        QCOMPARE(f.association.make(&offered), QStringList({".mp3", ".mpg", ".mpeg", "Folder - ERORR!!"}));
        QVERIFY(!offered);
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

    void pinsKeepTheDesktopsDefaults_data()
    {
        QTest::addColumn<QByteArray>("list");
        QTest::addColumn<QByteArray>("desktopList");
        QTest::addColumn<QStringList>("defaults");
        // The list after making the association; null when there is none.
        QTest::addColumn<QByteArray>("pinned");
        QTest::addColumn<QString>("folderLine");
        const QStringList applying{"audio/mpeg=viewer.desktop", "video/mpeg=viewer.desktop",
                                   "inode/directory=files.desktop"};
        QTest::newRow("no list") << QByteArray() << QByteArray() << applying
                                 << QByteArray("[Default Applications]\naudio/mpeg=viewer.desktop\n"
                                               "video/mpeg=viewer.desktop\ninode/directory=files.desktop\n")
                                 << "Folder";
        QTest::newRow("nothing applies")
            << QByteArray() << QByteArray() << QStringList() << QByteArray() << "Folder";
        QTest::newRow("the entry itself applies")
            << QByteArray() << QByteArray()
            << QStringList{"audio/mpeg=kestrove-browse.desktop", "inode/directory=files.desktop"}
            << QByteArray("[Default Applications]\ninode/directory=files.desktop\n") << "Folder";
        QTest::newRow("defaults of the user's and of the desktop")
            << QByteArray("# mine\r\n[Default Applications]\r\naudio/mpeg=player.desktop\r\n\r\n"
                          "[Added Associations]\r\nvideo/mpeg=player.desktop;\r\n")
            << QByteArray("[Default Applications]\ninode/directory=desk.desktop\n") << applying
            << QByteArray(
                   "# mine\r\n[Default Applications]\r\naudio/mpeg=player.desktop\r\n"
                   "video/mpeg=viewer.desktop\r\n\r\n[Added Associations]\r\nvideo/mpeg=player.desktop;\r\n")
            << "Folder";
        QTest::newRow("no last line end")
            << QByteArray("[Added Associations]\nvideo/mpeg=player.desktop;") << QByteArray() << applying
            << QByteArray(
                   "[Added Associations]\nvideo/mpeg=player.desktop;\n[Default Applications]\n"
                   "audio/mpeg=viewer.desktop\nvideo/mpeg=viewer.desktop\ninode/directory=files.desktop")
            << "Folder";
        QTest::newRow("a default that cannot be told")
            << QByteArray("[Default Applications]\n") << QByteArray()
            << QStringList{"audio/mpeg=viewer.desktop", "video/mpeg"}
            << QByteArray("[Default Applications]\n") << "Folder - ERORR!!";
    }
    void pinsKeepTheDesktopsDefaults()
    {
        QFETCH(QByteArray, list);
        QFETCH(QByteArray, desktopList);
        QFETCH(QStringList, defaults);
        QFETCH(QByteArray, pinned);
        QFETCH(QString, folderLine);
        Fixture f;
        if (!list.isNull())
            writeBytes(f.listPath(), list);
        if (!desktopList.isNull())
            writeBytes(f.dir.filePath(QStringLiteral("test-mimeapps.list")), desktopList);
        for (const QString &line : std::as_const(defaults)) {
            const qsizetype equals = line.indexOf(QLatin1Char('='));
            f.defaults.insert(line.left(equals),
                              equals < 0 ? std::nullopt : std::optional(line.mid(equals + 1)));
        }
        // Made twice: the second time the pins are defaults of the user's and nothing is added.
        for (int time = 0; time < 2; ++time) {
            QCOMPARE(f.association.make().last(), folderLine);
            QCOMPARE(QFile::exists(f.listPath()), !pinned.isNull());
            QCOMPARE(readBytes(f.listPath()), pinned);
            QCOMPARE(QFile::exists(f.entryPath()), folderLine == QLatin1String("Folder"));
        }
        QStringList lines{folderLine};
        f.association.remove(lines);
        QVERIFY(lines.isEmpty());
        QCOMPARE(QFile::exists(f.listPath()), !list.isNull());
        QCOMPARE(readBytes(f.listPath()), list);
    }

    void aListThatCannotBeWrittenKeepsTheEntryOut()
    {
        Fixture f;
        f.defaults.insert(QStringLiteral("inode/directory"), QStringLiteral("files.desktop"));
        // A list too large to be read, then one that cannot be written: the entry is not made, and
        // the association says so.
        writeBytes(f.listPath(), "[Default Applications]\n");
        QVERIFY(QFile::resize(f.listPath(), 16 * 1024 * 1024 + 1));
        bool offered = true;
        QCOMPARE(f.association.make(&offered).last(), QStringLiteral("Folder - ERORR!!"));
        QVERIFY(!offered);
        QVERIFY(!QFile::exists(f.entryPath()));
        QVERIFY(QFile::remove(f.listPath()));
        QVERIFY(QDir().mkdir(f.listPath()));
        QCOMPARE(f.association.make(&offered).last(), QStringLiteral("Folder - ERORR!!"));
        QVERIFY(!offered);
        QVERIFY(!QFile::exists(f.entryPath()));

        // Pinned, then the list cannot be written: the entry goes, the record of the pin stays.
        QVERIFY(QDir().rmdir(f.listPath()));
        QStringList lines = f.association.make();
        QCOMPARE(lines.last(), QStringLiteral("Folder"));
        const QByteArray pinned = readBytes(f.listPath());
        QVERIFY(QFile::remove(f.listPath()) && QDir().mkdir(f.listPath()));
        f.association.remove(lines);
        QCOMPARE(lines, QStringList{"Folder - ERROR, Unable to remove"});
        QVERIFY(!QFile::exists(f.entryPath()));

        // Once it can, the pin is taken back, and with it the list it made.
        QVERIFY(QDir().rmdir(f.listPath()));
        writeBytes(f.listPath(), pinned);
        lines = QStringList{"Folder"};
        f.association.remove(lines);
        QVERIFY(lines.isEmpty());
        QVERIFY(!QFile::exists(f.listPath()));
    }

    void theFoldersCacheIsLeftAsItWasFound_data()
    {
        // The folder's cache before; null when there is none.
        QTest::addColumn<QByteArray>("cache");
        QTest::addColumn<QByteArray>("listed");
        // What another program adds to the cache while the association is made.
        QTest::addColumn<QByteArray>("added");
        // The cache after removing the association; null when there is none.
        QTest::addColumn<QByteArray>("left");
        QTest::newRow("no cache") << QByteArray()
                                  << QByteArray("[MIME Cache]\naudio/mpeg=kestrove-browse.desktop;\n"
                                                "video/mpeg=kestrove-browse.desktop;\n"
                                                "inode/directory=kestrove-browse.desktop;\n")
                                  << QByteArray() << QByteArray();
        const QByteArray mine("[MIME Cache]\r\naudio/mpeg=player.desktop\r\ntext/plain=editor.desktop;");
        QTest::newRow("a cache of the person's")
            << mine
            << QByteArray("[MIME Cache]\r\naudio/mpeg=player.desktop;kestrove-browse.desktop\r\n"
                          "text/plain=editor.desktop;\r\nvideo/mpeg=kestrove-browse.desktop;\r\n"
                          "inode/directory=kestrove-browse.desktop;")
            << QByteArray() << mine;
        QTest::newRow("a cache made for the entry that another program wrote to")
            << QByteArray()
            << QByteArray(
                   "[MIME Cache]\naudio/mpeg=kestrove-browse.desktop;\nvideo/mpeg=kestrove-browse.desktop;\n"
                   "inode/directory=kestrove-browse.desktop;\n")
            << QByteArray("text/plain=editor.desktop;kestrove-browse.desktop;\n")
            << QByteArray("[MIME Cache]\ntext/plain=editor.desktop;\n");
    }
    void theFoldersCacheIsLeftAsItWasFound()
    {
        QFETCH(QByteArray, cache);
        QFETCH(QByteArray, listed);
        QFETCH(QByteArray, added);
        QFETCH(QByteArray, left);
        Fixture f;
        QVERIFY(QDir().mkpath(f.dir.filePath(QStringLiteral("applications"))));
        if (!cache.isNull())
            writeBytes(f.cachePath(), cache);
        // Made twice: the second time the entry is listed already.
        QStringList lines;
        for (int time = 0; time < 2; ++time) {
            lines = f.association.make();
            QCOMPARE(lines.last(), QStringLiteral("Folder"));
            QCOMPARE(readBytes(f.cachePath()), listed);
        }
        if (!added.isEmpty())
            writeBytes(f.cachePath(), listed + added);
        f.association.remove(lines);
        QVERIFY(lines.isEmpty());
        QCOMPARE(QFile::exists(f.cachePath()), !left.isNull());
        QCOMPARE(readBytes(f.cachePath()), left);
    }

    void aCacheThatCannotBeReadKeepsTheEntryOut()
    {
        Fixture f;
        QVERIFY(QDir().mkpath(f.cachePath()));
        QCOMPARE(f.association.make().last(), QStringLiteral("Folder - ERORR!!"));
        QVERIFY(!QFile::exists(f.entryPath()));
        QVERIFY(QFileInfo(f.cachePath()).isDir());
    }

    void gioKeepsItsDefaultsThroughMakeAndRemove_data()
    {
        QTest::addColumn<QByteArray>("list");
        QTest::addColumn<QString>("desktopName");
        QTest::addColumn<QByteArray>("desktopList");
        QTest::addColumn<QByteArray>("pinned");
        // The list as the user changes it while the association is made; null when it stays.
        QTest::addColumn<QByteArray>("changed");
        // The list after removing the association; null when there is none.
        QTest::addColumn<QByteArray>("left");
        const QByteArray allPinned(
            "[Default Applications]\nimage/jpeg=viewer.desktop\naudio/mpeg=viewer.desktop\n"
            "inode/directory=viewer.desktop\n");
        const QByteArray mine("# mine\r\n[Default Applications]\r\nimage/jpeg=other.desktop\r\n\r\n"
                              "[Added Associations]\r\ntext/plain=other.desktop;\r\n");
        QTest::newRow("no defaults") << QByteArray() << QString() << QByteArray() << allPinned << QByteArray()
                                     << QByteArray();
        QTest::newRow("defaults of the user's")
            << mine << QString() << QByteArray()
            << QByteArray("# mine\r\n[Default Applications]\r\nimage/jpeg=other.desktop\r\n"
                          "audio/mpeg=viewer.desktop\r\ninode/directory=viewer.desktop\r\n\r\n"
                          "[Added Associations]\r\ntext/plain=other.desktop;\r\n")
            << QByteArray() << mine;
        QTest::newRow("a default of the desktop's own list")
            << QByteArray() << "Test" << QByteArray("[Default Applications]\ninode/directory=other.desktop\n")
            << QByteArray("[Default Applications]\nimage/jpeg=viewer.desktop\naudio/mpeg=viewer.desktop\n")
            << QByteArray() << QByteArray();
        QTest::newRow("pins the user changed")
            << QByteArray() << QString() << QByteArray() << allPinned
            << QByteArray("[Default Applications]\nimage/jpeg=other.desktop\naudio/mpeg=viewer.desktop\n"
                          "inode/directory=viewer.desktop\ntext/plain=other.desktop\n")
            << QByteArray("[Default Applications]\nimage/jpeg=other.desktop\ntext/plain=other.desktop\n");
    }
    void gioKeepsItsDefaultsThroughMakeAndRemove()
    {
        QFETCH(QByteArray, list);
        QFETCH(QString, desktopName);
        QFETCH(QByteArray, desktopList);
        QFETCH(QByteArray, pinned);
        QFETCH(QByteArray, changed);
        QFETCH(QByteArray, left);
        Desktop desktop;
        desktop.desktopName = desktopName;
        if (!list.isNull())
            writeBytes(desktop.listPath(), list);
        if (!desktopList.isNull())
            writeBytes(desktop.dir.filePath(QStringLiteral("config/test-mimeapps.list")), desktopList);
        const QStringList before = desktop.defaults();
        QCOMPARE(before.size(), Desktop::Types.size());
        for (const QString &line : before)
            QVERIFY2(!line.section(QLatin1Char(' '), 0, 0).endsWith(QLatin1Char('=')), qPrintable(line));

        QCOMPARE(desktop.associate("make"), QStringLiteral("image/jpeg\naudio/mpeg\nFolder\n"));
        QCOMPARE(readBytes(desktop.listPath()), pinned);
        const QStringList made = desktop.defaults();
        QCOMPARE(Desktop::chosen(made), Desktop::chosen(before));
        // GIO reads the entry and offers it for every type.
        for (const QString &line : made)
            QVERIFY2(
                line.section(QLatin1Char(' '), 1).split(QLatin1Char(';')).contains("kestrove-browse.desktop"),
                qPrintable(line));
        if (list.isNull() && desktopList.isNull()) {
            // Without its pins the entry would be the default: the user's own entries come first.
            QVERIFY(QFile::rename(desktop.listPath(), desktop.listPath() + QStringLiteral(".away")));
            for (const QString &line : Desktop::chosen(desktop.defaults()))
                QVERIFY2(line.endsWith(QLatin1String("=kestrove-browse.desktop")), qPrintable(line));
            QVERIFY(QFile::rename(desktop.listPath() + QStringLiteral(".away"), desktop.listPath()));
        }
        QStringList expected = Desktop::chosen(before);
        if (!changed.isNull()) {
            writeBytes(desktop.listPath(), changed);
            expected = Desktop::chosen(desktop.defaults());
        }

        QCOMPARE(desktop.associate("remove"), QString());
        QCOMPARE(QFile::exists(desktop.listPath()), !left.isNull());
        QCOMPARE(readBytes(desktop.listPath()), left);
        QCOMPARE(Desktop::chosen(desktop.defaults()), expected);
    }

    void gioKeepsTheDefaultsOfOtherTypes_data()
    {
        // The cache of the person's applications folder; null when there is none.
        QTest::addColumn<QByteArray>("cache");
        QTest::newRow("no cache") << QByteArray();
        QTest::newRow("a cache of the person's") << QByteArray("[MIME Cache]\ntext/plain=mine.desktop;\n");
    }
    void gioKeepsTheDefaultsOfOtherTypes()
    {
        QFETCH(QByteArray, cache);
        Desktop desktop;
        const QString cachePath = desktop.dir.filePath(QStringLiteral("data/applications/mimeinfo.cache"));
        if (!cache.isNull())
            writeBytes(cachePath, cache);
        const QStringList others{"text/plain", "application/x-kestrove-mine"};
        const QStringList before = desktop.defaults(others);
        QCOMPARE(before.size(), others.size());
        QVERIFY2(before.last().startsWith(QLatin1String("application/x-kestrove-mine= ")),
                 qPrintable(before.last()));

        // Neither while the association is made nor after it is removed does the person's entry
        // become a default, or offered, for types it was not before.
        QCOMPARE(desktop.associate("make"), QStringLiteral("image/jpeg\naudio/mpeg\nFolder\n"));
        QCOMPARE(desktop.defaults(others), before);
        QCOMPARE(desktop.associate("remove"), QString());
        QCOMPARE(desktop.defaults(others), before);
        QCOMPARE(QFile::exists(cachePath), !cache.isNull());
        QCOMPARE(readBytes(cachePath), cache);
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
