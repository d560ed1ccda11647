// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/CommandLine.h"
#include "platform/FileDescriptor.h"
#include "platform/NativePath.h"
#include "support/TemporaryFolder.h"
#include "support/TextRow.h"

#include <QDir>
#include <QFile>
#include <QTest>
#include <fcntl.h>

class TestCommandLine : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void aMissingPathShowsTheNearestFolderAbove_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("nearest");
        textRow("a folder that is there", {"albums", "albums"});
        textRow("a file that is there", {"albums/song.mp3", "albums/song.mp3"});
        textRow("a file that is gone", {"albums/gone.mp3", "albums"});
        textRow("folders that are gone", {"albums/gone/further/x.mp3", "albums"});
        textRow("a trailing separator", {"albums/gone/", "albums"});
        QTest::newRow("a name that is not UTF-8")
            << NativePath::fromBytes("albums/caf\xe9.wav") << NativePath::fromBytes("albums/caf\xe9.wav");
    }
    void aMissingPathShowsTheNearestFolderAbove()
    {
        QFETCH(QString, path);
        QFETCH(QString, nearest);
        TemporaryFolder dir;
        QVERIFY(QDir(dir.path()).mkpath(QStringLiteral("albums")));
        QFile song(dir.filePath(QStringLiteral("albums/song.mp3")));
        QVERIFY(song.open(QIODevice::WriteOnly));
        const QByteArray undecodable =
            NativePath::toBytes(dir.filePath(NativePath::fromBytes("albums/caf\xe9.wav")));
        QVERIFY(FileDescriptor(::creat(undecodable.constData(), 0600)).valid());
        QCOMPARE(CommandLine::nearestExisting(dir.filePath(path)), dir.filePath(nearest));
        QCOMPARE(CommandLine::nearestExisting(QStringLiteral("/no/such/path")), QStringLiteral("/"));
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

QObject *createCommandLineTest()
{
    return new TestCommandLine;
}

#include "tst_commandline.moc"
