// SPDX-License-Identifier: GPL-3.0-or-later
#include "pictures/CoverFinder.h"
#include "platform/NativePath.h"
#include "playback/CoverCache.h"
#include "playback/MediaView.h"
#include "support/TemporaryFolder.h"
#include "support/TestFiles.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QTest>
#include <ctime>
#include <sys/stat.h>
#include <utime.h>

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

    void aCoverIsKeptOnceForEachStateOfItsSong()
    {
        TemporaryFolder dir;
        const QString song = dir.filePath(QStringLiteral("song.mp3"));
        writeBytes(song, "one");
        const QString kept = CoverCache::fileFor(song, dir.filePath(QStringLiteral("covers")));
        QVERIFY(kept.startsWith(dir.filePath(QStringLiteral("covers/"))));
        QVERIFY(kept.endsWith(QLatin1String(".jpg")));
        QCOMPARE(CoverCache::fileFor(song, dir.filePath(QStringLiteral("covers"))), kept);
        // Another song, or the song changed, has a picture of its own.
        const QString other = dir.filePath(QStringLiteral("other.mp3"));
        writeBytes(other, "one");
        QVERIFY(CoverCache::fileFor(other, dir.filePath(QStringLiteral("covers"))) != kept);
        writeBytes(song, "changed");
        QVERIFY(CoverCache::fileFor(song, dir.filePath(QStringLiteral("covers"))) != kept);
    }

    void theCoversUsedLongestAgoGo()
    {
        TemporaryFolder dir;
        const auto age = [&dir](const QString &name, int secondsAgo) {
            const QString path = dir.filePath(name);
            touch(path);
            const time_t when = time(nullptr) - secondsAgo;
            const utimbuf times{when, when};
            QCOMPARE(::utime(QFile::encodeName(path).constData(), &times), 0);
        };
        age(QStringLiteral("a.jpg"), 400);
        age(QStringLiteral("b.jpg"), 300);
        age(QStringLiteral("c.jpg"), 200);
        age(QStringLiteral("d.jpg"), 100);
        age(QStringLiteral("notes.txt"), 500);
        // Used again, the oldest stays.
        CoverCache::markUsed(dir.filePath(QStringLiteral("a.jpg")));
        CoverCache::trim(dir.path(), 2);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files, QDir::Name),
                 QStringList({"a.jpg", "d.jpg", "notes.txt"}));
    }

    void theViewShowsTheCoverFittedAndTheNoteWithoutOne_data()
    {
        QTest::addColumn<MediaView::Content>("content");
        QTest::addColumn<QSize>("cover");
        // The colour at the centre of the view, at its top left corner, and whether the note's
        // grey shows.
        QTest::addColumn<QColor>("centre");
        QTest::addColumn<QColor>("corner");
        QTest::addColumn<bool>("note");
        const QColor black(Qt::black);
        QTest::newRow("a small cover is enlarged")
            << MediaView::Content::Cover << QSize(20, 20) << QColor(Qt::blue) << QColor(Qt::blue) << false;
        QTest::newRow("a wide cover, black above and below")
            << MediaView::Content::Cover << QSize(40, 10) << QColor(Qt::blue) << black << false;
        QTest::newRow("a tall cover, black beside")
            << MediaView::Content::Cover << QSize(10, 40) << QColor(Qt::blue) << black << false;
        QTest::newRow("a large cover") << MediaView::Content::Cover << QSize(3000, 3000) << QColor(Qt::blue)
                                       << QColor(Qt::blue) << false;
        QTest::newRow("no cover: the note")
            << MediaView::Content::MusicGlyph << QSize() << black << black << true;
        QTest::newRow("nothing open")
            << MediaView::Content::Nothing << QSize(20, 20) << black << black << false;
    }
    void theViewShowsTheCoverFittedAndTheNoteWithoutOne()
    {
        QFETCH(MediaView::Content, content);
        QFETCH(QSize, cover);
        QFETCH(QColor, centre);
        QFETCH(QColor, corner);
        QFETCH(bool, note);
        TemporaryFolder dir;
        const QString file = dir.filePath(QStringLiteral("cover.png"));
        if (cover.isValid()) {
            QImage picture(cover, QImage::Format_RGB32);
            picture.fill(Qt::blue);
            QVERIFY(picture.save(file));
        }
        MediaView view([] { return nullptr; });
        view.resize(200, 200);
        view.setContent(content, cover.isValid() ? file : QString());
        const auto drawn = [&view] { return view.grab().toImage(); };
        QTRY_COMPARE(drawn().pixelColor(100, 100), centre);
        const QImage picture = drawn();
        QCOMPARE(picture.pixelColor(2, 2), corner);
        bool grey = false;
        for (int y = 0; y < picture.height() && !grey; ++y)
            for (int x = 0; x < picture.width() && !grey; ++x)
                grey = picture.pixelColor(x, y) == QColor(120, 120, 120);
        QCOMPARE(grey, note);
    }
};

QObject *createCoversTest()
{
    return new TestCovers;
}

#include "tst_covers.moc"
