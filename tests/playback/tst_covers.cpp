// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/NativePath.h"
#include "playback/CoverFinder.h"
#include "support/TemporaryFolder.h"
#include "support/TestFiles.h"

#include <QDir>
#include <QFile>
#include <QTest>
#include <sys/stat.h>

class TestCovers : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void theCoverBesideASongIsFound_data()
    {
        QTest::addColumn<QStringList>("names");
        QTest::addColumn<QString>("found");
        QTest::newRow("cover.jpg") << QStringList{"song.mp3", "cover.jpg"} << "cover.jpg";
        QTest::newRow("any case") << QStringList{"song.mp3", "Folder.JPG"} << "Folder.JPG";
        QTest::newRow("a PNG") << QStringList{"song.mp3", "FRONT.png"} << "FRONT.png";
        QTest::newRow("cover before folder before front")
            << QStringList{"front.jpg", "folder.jpg", "Cover.png", "song.mp3"} << "Cover.png";
        QTest::newRow("folder before front") << QStringList{"front.jpg", "folder.png"} << "folder.png";
        QTest::newRow("a JPEG before a PNG of the name")
            << QStringList{"cover.png", "COVER.jpg"} << "COVER.jpg";
        QTest::newRow("of two spellings, the same each time")
            << QStringList{"cover.JPG", "Cover.jpg", "COVER.jpg"} << "COVER.jpg";
        QTest::newRow("other pictures are not covers")
            << QStringList{"song.jpg", "covers.jpg", "cover.jpeg", "back.png", "cover.jpg.txt"} << "";
        QTest::newRow("a folder named like a cover") << QStringList{"cover.jpg/"} << "";
        QTest::newRow("nothing beside") << QStringList() << "";
    }
    void theCoverBesideASongIsFound()
    {
        QFETCH(QStringList, names);
        QFETCH(QString, found);
        TemporaryFolder dir;
        for (const QString &name : std::as_const(names)) {
            if (name.endsWith(QLatin1Char('/')))
                QVERIFY(QDir(dir.path()).mkdir(name.chopped(1)));
            else
                touch(dir.filePath(name));
        }
        QCOMPARE(CoverFinder::besides(dir.filePath(QStringLiteral("song.mp3"))),
                 found.isEmpty() ? QString() : dir.filePath(found));
    }

    void aSongInAFolderWithAnUndecodableNameFindsItsCover()
    {
        TemporaryFolder dir;
        const QByteArray folder = QFile::encodeName(dir.path()) + "/caf\xe9";
        QCOMPARE(::mkdir(folder.constData(), 0700), 0);
        writeNative(folder + "/Cover.jpg");
        const QString cover = CoverFinder::besides(NativePath::fromBytes(folder + "/song.mp3"));
        QCOMPARE(NativePath::toBytes(cover), folder + "/Cover.jpg");
    }
};

QObject *createCoversTest()
{
    return new TestCovers;
}

#include "tst_covers.moc"
