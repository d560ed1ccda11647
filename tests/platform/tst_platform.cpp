// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/FileDescriptor.h"
#include "platform/FileIconProvider.h"
#include "platform/FreedesktopTrash.h"
#include "platform/ModuleLoader.h"
#include "platform/NativePath.h"
#include "platform/PropertiesDialog.h"
#include "platform/QtPrompter.h"
#include "platform/SingleInstance.h"
#include "platform/TextLineFile.h"
#include "platform/TrashModule.h"
#include "platform/UnixSignalWatcher.h"
#include "platform/WindowSystem.h"
#include "support/TemporaryFolder.h"
#include "support/TestFiles.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QLoggingCategory>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QUrl>
#include <QtConcurrentRun>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <fcntl.h>
#include <future>
#include <linux/fs.h>
#include <optional>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/time.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <tuple>
#include <unistd.h>
#include <vector>

namespace {

QByteArray readNative(const QByteArray &path)
{
    QByteArray bytes;
    if (FILE *file = std::fopen(path.constData(), "rb")) {
        char buffer[4096];
        size_t got = 0;
        while ((got = std::fread(buffer, 1, sizeof buffer, file)) > 0)
            bytes.append(buffer, qsizetype(got));
        std::fclose(file);
    }
    return bytes;
}

} // namespace

class TestPlatform : public QObject
{
    Q_OBJECT

    TemporaryFolder m_dataHome;

private Q_SLOTS:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        // The trash goes where the data home says, and it is the test's own.
        qputenv("XDG_DATA_HOME", QFile::encodeName(m_dataHome.path()));
    }

    void splitsLinesAtTheirEnds_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QStringList>("lines");
        QTest::newRow("empty") << QByteArray() << QStringList();
        QTest::newRow("crlf") << QByteArray("a\r\nb\r\n") << QStringList{"a", "b"};
        QTest::newRow("lf only") << QByteArray("a\nb\n") << QStringList{"a", "b"};
        QTest::newRow("cr only") << QByteArray("a\rb") << QStringList{"a", "b"};
        QTest::newRow("no final end") << QByteArray("a\r\nb") << QStringList{"a", "b"};
        QTest::newRow("blank lines kept") << QByteArray("a\r\n\r\nb\r\n") << QStringList{"a", "", "b"};
        QTest::newRow("lf inside a crlf name")
            << QByteArray("/m/new\nline.mp3\r\n/m/b\r\n") << QStringList{"/m/new\nline.mp3", "/m/b"};
        QTest::newRow("blanks kept") << QByteArray(" a \r\n") << QStringList{" a "};
        QTest::newRow("utf8") << QByteArray("/m\xc3\xbcsik/x.mp3\n")
                              << QStringList{QStringLiteral("/müsik/x.mp3")};
        // Long enough to be cut in two and decoded in halves.
        for (const QByteArray &lineEnd : {QByteArray("\r\n"), QByteArray("\n")}) {
            QByteArray bytes;
            QStringList lines;
            for (int i = 0; bytes.size() < 1536 * 1024; ++i) {
                const QByteArray line =
                    "/music/track " + QByteArray::number(i) + (i % 3 == 0 ? " \xc3\xa9" : "");
                bytes += line + lineEnd;
                lines.append(QString::fromUtf8(line));
            }
            QTest::addRow("long, ending %s", lineEnd == "\n" ? "LF" : "CR LF") << bytes << lines;
        }
    }
    void splitsLinesAtTheirEnds()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QStringList, lines);
        QCOMPARE(TextLineFile::splitLines(bytes), lines);
    }

    void namesAreKeptByteForByte_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("0xff") << QByteArray("/m/bad\xff.wav");
        QTest::newRow("latin-1 e acute") << QByteArray("/m/caf\xe9.mp3");
        QTest::newRow("lone continuation byte") << QByteArray("/m/\x80x.mp3");
        QTest::newRow("cut sequence at the end") << QByteArray("/m/x\xc3");
        QTest::newRow("encoded surrogate") << QByteArray("/m/\xed\xb2\x80.mp3");
        QTest::newRow("valid text") << QByteArray("/m/m\xc3\xbcsik \xf0\x9f\x8e\xb5.mp3");
        QTest::newRow("valid U+10080") << QByteArray("/m/\xf0\x90\x82\x80\x80.mp3");
        QTest::newRow("replacement character itself") << QByteArray("/m/bad\xef\xbf\xbd.wav");
    }
    void namesAreKeptByteForByte()
    {
        QFETCH(QByteArray, bytes);
        const QString path = NativePath::fromBytes(bytes);
        QCOMPARE(NativePath::toBytes(path), bytes);
        QVERIFY(!NativePath::hasUndecodableBytes(NativePath::forDisplay(path)));
        QCOMPARE(NativePath::fileUrl(path).toEncoded(), "file://" + bytes.toPercentEncoding("/"));
        // Written to a list file and read back, the name is the same bytes again.
        TemporaryFolder dir;
        const QString list = dir.filePath(QStringLiteral("list.txt"));
        QVERIFY(TextLineFile::write(list, {path}).isEmpty());
        QCOMPARE(readBytes(list), bytes + "\r\n");
        QCOMPARE(TextLineFile::read(list).lines, QStringList{path});
    }

    void undecodableNamesNeverMeet()
    {
        const QString raw = NativePath::fromBytes("bad\xff.wav");
        const QString replaced = NativePath::fromBytes("bad\xef\xbf\xbd.wav");
        QVERIFY(raw != replaced);
        QCOMPARE(NativePath::forDisplay(raw), replaced);
        QVERIFY(NativePath::hasUndecodableBytes(raw) && !NativePath::hasUndecodableBytes(replaced));
    }

    void writesCrLfAndReplacesAtomically()
    {
        TemporaryFolder dir;
        const QString path = dir.filePath(QStringLiteral("list.txt"));
        // A name longer in UTF-8 than in characters, between others.
        const QStringList lines{QStringLiteral("/a b"), QString(), QStringLiteral("/m\u00fcsik \u266a"),
                                QStringLiteral("/c")};
        QVERIFY(TextLineFile::write(path, lines).isEmpty());
        QCOMPARE(readBytes(path), QByteArray("/a b\r\n\r\n/m\xc3\xbcsik \xe2\x99\xaa\r\n/c\r\n"));
        QCOMPARE(TextLineFile::read(path).lines, lines);
    }

    void aShortWriteKeepsTheOldFileAndSaysWhy_data()
    {
        QTest::addColumn<bool>("fullDisk");
        QTest::addColumn<int>("lines");
        QTest::addColumn<QString>("problem");
        QTest::newRow("file size limit") << false << 10000 << "File too large";
        QTest::newRow("full disk, a short list") << true << 2 << "No space left on device";
        QTest::newRow("full disk, a long list") << true << 10000 << "No space left on device";
    }
    void aShortWriteKeepsTheOldFileAndSaysWhy()
    {
        QFETCH(bool, fullDisk);
        QFETCH(int, lines);
        QFETCH(QString, problem);
        TemporaryFolder dir;
        QString folder = dir.path();
        if (fullDisk) {
            // A memory file system of 64 KiB, filled up but for the list that is there.
            folder = dir.filePath(QStringLiteral("disk"));
            QVERIFY(QDir().mkpath(folder));
            if (::mount("tmpfs", QFile::encodeName(folder).constData(), "tmpfs", 0, "size=64k") != 0)
                QSKIP("no file system can be mounted here");
        }
        const auto unmount = qScopeGuard([&] {
            if (fullDisk)
                ::umount(QFile::encodeName(folder).constData());
        });
        const QString path = folder + QStringLiteral("/files.ini");
        const QByteArray good = "/m/a.mp3\r\n/m/b.mp3\r\n";
        writeBytes(path, good);
        if (fullDisk) {
            QFile filler(folder + QStringLiteral("/filler"));
            QVERIFY(filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
            filler.write(QByteArray(64 * 1024, 'f'));
        }
        QStringList many;
        for (int i = 0; i < lines; ++i)
            many.append(QStringLiteral("/music/archive/%1.mp3").arg(i, 20, 10, QLatin1Char('0')));
        // Without a full disk: a file system that takes 300,000 bytes and no more.
        rlimit saved = {};
        ::getrlimit(RLIMIT_FSIZE, &saved);
        const auto previous = std::signal(SIGXFSZ, SIG_IGN);
        rlimit small = saved;
        small.rlim_cur = 300000;
        if (!fullDisk)
            ::setrlimit(RLIMIT_FSIZE, &small);
        const QString said = TextLineFile::write(path, many);
        ::setrlimit(RLIMIT_FSIZE, &saved);
        std::signal(SIGXFSZ, previous);
        QCOMPARE(said, problem);
        QCOMPARE(readBytes(path), good);
        QVERIFY(QDir(folder).entryList(QDir::Files).contains(QStringLiteral("files.ini")));
        QCOMPARE(QDir(folder).entryList({QStringLiteral("files.ini?*")}, QDir::Files), QStringList());
    }

    void onlyRegularFilesAreReadAsLists_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<int>("status");
        using Status = TextLineFile::Contents::Status;
        QTest::newRow("missing") << "missing" << int(Status::Missing);
        QTest::newRow("fifo") << "fifo" << int(Status::Refused);
        QTest::newRow("link to /dev/zero") << "zero" << int(Status::Refused);
        QTest::newRow("folder") << "folder" << int(Status::Refused);
        QTest::newRow("larger than the limit") << "large" << int(Status::Refused);
        QTest::newRow("regular") << "regular" << int(Status::Read);
    }
    void onlyRegularFilesAreReadAsLists()
    {
        QFETCH(QString, kind);
        QFETCH(int, status);
        TemporaryFolder dir;
        const QString path = dir.filePath(QStringLiteral("files.ini"));
        const QByteArray native = QFile::encodeName(path);
        if (kind == QLatin1String("fifo"))
            QCOMPARE(::mkfifo(native.constData(), 0600), 0);
        else if (kind == QLatin1String("zero"))
            QVERIFY(QFile::link(QStringLiteral("/dev/zero"), path));
        else if (kind == QLatin1String("folder"))
            QVERIFY(QDir().mkpath(path));
        else if (kind == QLatin1String("large"))
            QCOMPARE(::truncate((writeBytes(path, "x"), native.constData()), TextLineFile::MaxBytes + 1), 0);
        else if (kind == QLatin1String("regular"))
            writeBytes(path, "/m/a.mp3\r\n");
        const TextLineFile::Contents contents = TextLineFile::read(path);
        QCOMPARE(int(contents.status), status);
        QCOMPARE(contents.problem.isEmpty(), status != int(TextLineFile::Contents::Status::Refused));
    }

    void trashTakesWhatItCanAndKeepsTheRest_data()
    {
        QTest::addColumn<QByteArray>("name");
        QTest::addColumn<bool>("folder");
        QTest::addColumn<bool>("trashed");
        QTest::newRow("file") << QByteArray("gone soon.mp3") << false << true;
        QTest::newRow("percent and newline") << QByteArray("100%\nsure.mp3") << false << true;
        QTest::newRow("undecodable name") << QByteArray("bad\xff.wav") << false << true;
        QTest::newRow("folder with a separator") << QByteArray("a folder/") << true << true;
        QTest::newRow("name too long for a trash entry") << QByteArray(250, 'n') << false << false;
        QTest::newRow("longest name the trash takes") << QByteArray(235, 'l') << false << true;
        QTest::newRow("name without room for a second item's number")
            << QByteArray(237, 's') << false << false;
        QTest::newRow("name whose trash entry GIO leaves empty") << QByteArray(239, 'e') << false << false;
        QTest::newRow("name 245 bytes long") << QByteArray(245, 'f') << false << false;
        QTest::newRow("missing") << QByteArray("never there.mp3") << false << false;
    }
    void trashTakesWhatItCanAndKeepsTheRest()
    {
        QFETCH(QByteArray, name);
        QFETCH(bool, folder);
        QFETCH(bool, trashed);
        const QByteArray base = QFile::encodeName(m_dataHome.path()) + "/items/";
        QDir().mkpath(QFile::decodeName(base));
        const QByteArray native = base + name;
        if (folder)
            QCOMPARE(::mkdir(native.constData(), 0700), 0);
        else if (!name.startsWith("never"))
            QVERIFY(std::fclose(std::fopen(native.constData(), "w")) == 0);
        FreedesktopTrash trash;
        // A failure is logged with GIO's own words.
        if (!trashed)
            QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral(".+")));
        QElapsedTimer clock;
        clock.start();
        QCOMPARE(trash.moveToTrash(NativePath::fromBytes(native)) == 0, trashed);
        QVERIFY(clock.elapsed() < 5000);
        QCOMPARE(trash.lastFailure().isEmpty(), trashed);
        struct stat info = {};
        QCOMPARE(::lstat(native.constData(), &info) != 0, trashed || name.startsWith("never"));
        if (!trashed)
            return;
        // The trash entry names the item's bytes, percent-encoded, without a trailing separator.
        QByteArray entryName = name;
        if (entryName.endsWith('/'))
            entryName.chop(1);
        const QByteArray info_ = readNative(QFile::encodeName(m_dataHome.path()) + "/Trash/info/" +
                                            entryName.mid(entryName.lastIndexOf('/') + 1) + ".trashinfo");
        QVERIFY(info_.contains("Path=" + (base + entryName).toPercentEncoding("/") + "\n"));
    }

    // Each row: a name, how many items of that name are in the trash already, and the entry the
    // next one gets.
    void trashPutsBackWhatItCannotRecord_data()
    {
        QTest::addColumn<QByteArray>("name");
        QTest::addColumn<int>("earlier");
        QTest::addColumn<QByteArray>("entry");
        QTest::addColumn<bool>("trashed");
        QTest::newRow("second item of the longest name")
            << QByteArray(235, 'a') << 1 << QByteArray(235, 'a') + ".2" << true;
        QTest::newRow("hundredth item of the longest name")
            << QByteArray(235, 'b') << 99 << QByteArray(235, 'b') + ".100" << false;
        QTest::newRow("hundredth item of a name with a dot")
            << QByteArray(231, 'c') + ".mp3" << 99 << QByteArray(231, 'c') + ".100.mp3" << false;
    }
    void trashPutsBackWhatItCannotRecord()
    {
        QFETCH(QByteArray, name);
        QFETCH(int, earlier);
        QFETCH(QByteArray, entry);
        QFETCH(bool, trashed);
        const QByteArray base = QFile::encodeName(m_dataHome.path()) + "/numbered/";
        QDir().mkpath(QFile::decodeName(base));
        const QByteArray native = base + name;
        FreedesktopTrash trash;
        for (int i = 0; i <= earlier; ++i) {
            writeNative(native, QByteArray::number(i));
            if (i == earlier && !trashed)
                QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("put back")));
            QCOMPARE(trash.moveToTrash(NativePath::fromBytes(native)) == 0, i < earlier || trashed);
        }
        const QByteArray trashFolder = QFile::encodeName(m_dataHome.path()) + "/Trash/";
        QCOMPARE(existsNative(native), !trashed);
        QCOMPARE(existsNative(trashFolder + "files/" + entry), trashed);
        if (!trashed) {
            // The item is back as it was, and the trash keeps no entry for it.
            QCOMPARE(readNative(native), QByteArray::number(earlier));
            QVERIFY(!existsNative(trashFolder + "info/" + entry + ".trashinfo"));
            QCOMPARE(trash.lastFailure(), QStringLiteral("The name is too long for another item of that name "
                                                         "in the trash, so the item was put back."));
            return;
        }
        QVERIFY(readNative(trashFolder + "info/" + entry + ".trashinfo")
                    .contains("Path=" + native.toPercentEncoding("/") + "\n"));
    }

    void trashTakesAFolderReachedThroughALink()
    {
        const QString base = m_dataHome.filePath(QStringLiteral("linked"));
        QVERIFY(QDir().mkpath(base + QStringLiteral("/real/inner")));
        QVERIFY(QFile::link(base + QStringLiteral("/real"), base + QStringLiteral("/link")));
        FreedesktopTrash trash;
        QCOMPARE(trash.moveToTrash(base + QStringLiteral("/link/inner/")), 0);
        QVERIFY(!QFileInfo::exists(base + QStringLiteral("/real/inner")));
    }

    void modulesLoadOnceOrSayWhyNot_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("loaded");
        QTest::addColumn<QString>("complaint");
        // What the caller is told: the complaint's reason.
        QTest::addColumn<QString>("failure");
        QTest::newRow("trash") << "gio" << true << QString() << QString();
        QTest::newRow("missing")
            << "no-such-module" << false
            << "The module no-such-module cannot be loaded from /.+/libkestrove_no-such-module.so - .+"
            << "The shared library was not found.";
        QTest::newRow("another interface")
            << "wmf" << false << "The module wmf does not offer org.kestrove.TrashModule/1"
            << "The module wmf does not offer org.kestrove.TrashModule/1";
    }
    void modulesLoadOnceOrSayWhyNot()
    {
        QFETCH(QString, name);
        QFETCH(bool, loaded);
        QFETCH(QString, complaint);
        QFETCH(QString, failure);
        if (!complaint.isEmpty())
            QTest::ignoreMessage(QtWarningMsg, QRegularExpression(complaint));
        QString told;
        TrashModule *first = ModuleLoader::load<TrashModule>(name, &told);
        QCOMPARE(first != nullptr, loaded);
        QCOMPARE(told, failure);
        // Asked again from other threads at once, the loader gives the same answer without trying
        // (and complaining) again.
        QTest::failOnWarning(QRegularExpression(QStringLiteral("cannot be loaded")));
        // Qt's own threads: a thread Qt does not know keeps a record of itself until its end, which
        // may come after the test's.
        std::vector<QFuture<QObject *>> again;
        for (int i = 0; i < 4; ++i)
            again.push_back(QtConcurrent::run([&name] { return ModuleLoader::instance(name); }));
        for (QFuture<QObject *> &answer : again)
            QCOMPARE(answer.result(), ModuleLoader::instance(name));
    }

    void namesThatAreNumbersGetTheIconOfTheirType()
    {
        FileIconProvider icons;
        const int plain = icons.iconIndex(QStringLiteral("/m/qqqq"));
        const int folder = icons.folderIndex();
        const int volume = icons.volumeIndex();
        for (const char *name : {"0", "1", "2", "7", "/m/7"}) {
            const int index = icons.iconIndex(QLatin1String(name));
            QCOMPARE(index, plain);
            QVERIFY(index != folder && index != volume);
        }
    }

    void typesTakeTheirSpecificIconsOnlyWhenAsked_data()
    {
        QTest::addColumn<bool>("themeHasSpecific");
        QTest::addColumn<bool>("changed");
        QTest::addColumn<QString>("shownAfter");
        QTest::newRow("theme with the type's own icon") << true << true << QStringLiteral("audio-mpeg");
        QTest::newRow("theme with generic icons only") << false << false << QStringLiteral("audio-x-generic");
    }

    void typesTakeTheirSpecificIconsOnlyWhenAsked()
    {
        QFETCH(bool, themeHasSpecific);
        QFETCH(bool, changed);
        QFETCH(QString, shownAfter);
        QTemporaryDir themes;
        const QString theme = themes.path() + QStringLiteral("/probe");
        QVERIFY(QDir().mkpath(theme + QStringLiteral("/16x16/mimetypes")));
        writeBytes(theme + QStringLiteral("/index.theme"),
                   "[Icon Theme]\nName=probe\nDirectories=16x16/mimetypes\n\n"
                   "[16x16/mimetypes]\nSize=16\nType=Fixed\n");
        QImage square(16, 16, QImage::Format_ARGB32);
        square.fill(Qt::blue);
        QStringList names{QStringLiteral("audio-x-generic")};
        if (themeHasSpecific)
            names.append(QStringLiteral("audio-mpeg"));
        for (const QString &name : names)
            QVERIFY(square.save(theme + QStringLiteral("/16x16/mimetypes/") + name + QStringLiteral(".png")));
        const QStringList searchPaths = QIcon::themeSearchPaths();
        const QString themeName = QIcon::themeName();
        const auto restore = qScopeGuard([&] {
            QIcon::setThemeSearchPaths(searchPaths);
            QIcon::setThemeName(themeName);
        });
        QIcon::setThemeSearchPaths({themes.path()});
        QIcon::setThemeName(QStringLiteral("probe"));

        FileIconProvider icons;
        const int song = icons.iconIndex(QStringLiteral("/m/song.mp3"));
        QCOMPARE(icons.icon(song).name(), QStringLiteral("audio-x-generic"));
        QCOMPARE(icons.useSpecificIcons(), changed);
        QCOMPARE(icons.icon(song).name(), shownAfter);
        // Types first drawn afterwards take their specific icon at once.
        FileIconProvider later;
        later.useSpecificIcons();
        QCOMPARE(later.icon(later.iconIndex(QStringLiteral("/m/other.mp3"))).name(), shownAfter);
    }

    void aPrompterThatStopsAskingDismissesTheOpenQuestion()
    {
        QtPrompter prompter;
        QTimer::singleShot(50, [&prompter] { prompter.stopAsking(); });
        QElapsedTimer clock;
        clock.start();
        QCOMPARE(prompter.message(QStringLiteral("Cancel entire process ?"), QStringLiteral("Kestrove"),
                                  Prompter::Buttons::YesNo, Prompter::Icon::Question),
                 Prompter::Answer::No);
        QVERIFY(clock.elapsed() < 5000);
        // Later questions are not shown at all.
        QCOMPARE(prompter.message(QStringLiteral("Overwrite?"), QString(), Prompter::Buttons::OkCancel,
                                  Prompter::Icon::Question),
                 Prompter::Answer::Cancel);
        QCOMPARE(prompter.chooseFile(Prompter::FileDialog::Folder, QStringLiteral("Copy to : "), {}),
                 std::nullopt);
        QVERIFY(QApplication::topLevelWidgets().isEmpty() || !QApplication::activeModalWidget());
    }

    void buttonsNamedByWhatTheyDoStillGiveTheirAnswers_data()
    {
        QTest::addColumn<QString>("pressed");
        QTest::addColumn<Prompter::Answer>("answer");
        QTest::newRow("to the trash") << "Move to Trash" << Prompter::Answer::Yes;
        QTest::newRow("for good") << "Delete Permanently" << Prompter::Answer::No;
        QTest::newRow("cancel") << "Cancel" << Prompter::Answer::Cancel;
        QTest::newRow("escape") << QString() << Prompter::Answer::Cancel;
    }
    void buttonsNamedByWhatTheyDoStillGiveTheirAnswers()
    {
        QFETCH(QString, pressed);
        QFETCH(Prompter::Answer, answer);
        const QStringList labels{"Move to Trash", "Delete Permanently", "Cancel"};
        QtPrompter prompter;
        QStringList shown;
        QTimer::singleShot(0, [&] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            if (!box)
                return;
            QAbstractButton *chosen = nullptr;
            for (QAbstractButton *button : box->buttons()) {
                shown.append(button->text());
                if (button->text() == pressed)
                    chosen = button;
            }
            if (chosen)
                chosen->click();
            else
                QTest::keyClick(box, Qt::Key_Escape);
        });
        QCOMPARE(prompter.message(QStringLiteral("Send files to Recycle Bin ?"), QStringLiteral("Kestrove"),
                                  Prompter::Buttons::YesNoCancel, Prompter::Icon::Question, labels),
                 answer);
        shown.sort();
        QCOMPARE(shown, QStringList({"Cancel", "Delete Permanently", "Move to Trash"}));
    }

    void fileChoosersOpenInTheFolderShown_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<bool>("shownExists");
        QTest::newRow("open") << int(Prompter::FileDialog::Open) << true;
        QTest::newRow("save") << int(Prompter::FileDialog::Save) << true;
        QTest::newRow("no folder shown: home") << int(Prompter::FileDialog::Open) << false;
    }
    void fileChoosersOpenInTheFolderShown()
    {
        QFETCH(int, kind);
        QFETCH(bool, shownExists);
        QTemporaryDir shown;
        QtPrompter prompter;
        prompter.setFolderShown([&] { return shownExists ? shown.path() : QStringLiteral("Computer"); });
        QString opened;
        QTimer::singleShot(0, [&opened] {
            auto *dialog = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
            if (!dialog)
                return;
            opened = dialog->directory().absolutePath();
            dialog->reject();
        });
        QCOMPARE(prompter.chooseFile(Prompter::FileDialog(kind), QStringLiteral("Choose"), {}), std::nullopt);
        QCOMPARE(opened, shownExists ? shown.path() : QDir::homePath());
    }

    // Each step: where the folder chooser opens, whether it offers a new folder there, and the
    // folder chosen in it.
    void theFolderChooserOpensAtTheLastFolderChosenInIt()
    {
        QTemporaryDir shown;
        QTemporaryDir chosen;
        QtPrompter prompter;
        prompter.setFolderShown([&] { return shown.path(); });
        const auto choose = [&](const QString &folder) {
            QString opened;
            bool newFolderOffered = false;
            QTimer::singleShot(0, [&] {
                auto *dialog = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
                if (!dialog)
                    return;
                opened = dialog->directory().absolutePath();
                const auto *newFolder = dialog->findChild<QWidget *>(QStringLiteral("newFolderButton"));
                newFolderOffered = newFolder && newFolder->isVisible() && newFolder->isEnabled();
                if (folder.isEmpty()) {
                    dialog->reject();
                    return;
                }
                dialog->setDirectory(folder);
                // The dialog's own accept, as its Choose button gives.
                static_cast<QDialog *>(dialog)->accept();
            });
            const std::optional<QString> answer =
                prompter.chooseFile(Prompter::FileDialog::Folder, QStringLiteral("Copy to : "), {});
            return std::tuple(opened, newFolderOffered, answer.value_or(QString()));
        };
        // Not at the folder shown, where the files come from: at home until a folder is chosen.
        QCOMPARE(choose(chosen.path()), std::tuple(QDir::homePath(), true, chosen.path()));
        QCOMPARE(choose(QString()), std::tuple(chosen.path(), true, QString()));
        QCOMPARE(choose(QString()), std::tuple(chosen.path(), true, QString()));
        QVERIFY(chosen.remove());
        QCOMPARE(choose(QString()), std::tuple(QDir::homePath(), true, QString()));
    }

    void permissionTexts()
    {
        QCOMPARE(PropertiesDialog::permissionText(int(QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                                      QFileDevice::ExeOwner | QFileDevice::ReadGroup |
                                                      QFileDevice::ExeOther)),
                 QStringLiteral("rwxr----x"));
        QCOMPARE(PropertiesDialog::permissionText(0), QStringLiteral("---------"));
    }

    void propertiesSayTheSizeAsTheRestOfTheProgramDoes()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("song.mp3"));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.resize(481000));
        file.close();
        PropertiesDialog dialog(path);
        QStringList texts;
        for (const QLabel *label : dialog.findChildren<QLabel *>()) {
            QVERIFY(!label->wordWrap());
            texts.append(label->text());
        }
        // Counted in 1024s, as the file information counts: 469.7, not 481.0 or a KiB.
        QVERIFY2(texts.filter(QStringLiteral("469.7 ")).size() == 1 &&
                     texts.filter(QStringLiteral("KiB")).isEmpty(),
                 qPrintable(texts.join(QLatin1Char('|'))));
    }

    void terminationSignalArrivesThroughTheEventLoop_data()
    {
        QTest::addColumn<int>("signalNumber");
        QTest::newRow("SIGTERM") << SIGTERM;
        QTest::newRow("SIGINT") << SIGINT;
        QTest::newRow("SIGHUP") << SIGHUP;
    }
    void terminationSignalArrivesThroughTheEventLoop()
    {
        QFETCH(int, signalNumber);
        UnixSignalWatcher watcher;
        QSignalSpy spy(&watcher, &UnixSignalWatcher::terminationRequested);
        ::raise(signalNumber);
        QVERIFY(spy.wait(2000));
        QCOMPARE(spy.first().first().toInt(), signalNumber);
    }

    void onlyWaylandKeepsTheArrangementOfWindowsToItself_data()
    {
        QTest::addColumn<QString>("platform");
        QTest::addColumn<bool>("programArranges");
        QTest::newRow("X11") << "xcb" << true;
        QTest::newRow("offscreen") << "offscreen" << true;
        QTest::newRow("Wayland") << "wayland" << false;
        QTest::newRow("Wayland through EGL") << "wayland-egl" << false;
    }
    void onlyWaylandKeepsTheArrangementOfWindowsToItself()
    {
        QFETCH(QString, platform);
        QFETCH(bool, programArranges);
        QCOMPARE(WindowSystem::programArrangesWindows(platform), programArranges);
    }

    void aWindowBroughtForwardIsActiveWhereTheProgramMayActivateIt()
    {
        QWidget behind;
        QWidget front;
        front.show();
        behind.show();
        QVERIFY(QTest::qWaitForWindowActive(&behind));
        WindowSystem::bringForward(front);
        QTRY_COMPARE(QApplication::activeWindow(), &front);
    }
};

QTEST_MAIN(TestPlatform)
#include "tst_platform.moc"
