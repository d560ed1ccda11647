// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/ThumbnailCache.h"
#include "core/ThumbnailQueue.h"
#include "platform/NativePath.h"
#include "support/TemporaryFolder.h"
#include "support/TestFiles.h"

#include <QFileInfo>
#include <QSemaphore>
#include <QSignalSpy>
#include <QTest>
#include <QThreadPool>
#include <atomic>
#include <sys/stat.h>
#include <thread>
#include <utime.h>
#include <vector>

namespace {

QImage square(int side)
{
    QImage image(side, side, QImage::Format_RGB32);
    image.fill(Qt::red);
    return image;
}

void setChanged(const QString &path, qint64 seconds)
{
    const utimbuf times{seconds, seconds};
    QCOMPARE(::utime(NativePath::toBytes(path).constData(), &times), 0);
}

int modeOf(const QString &path)
{
    struct stat info = {};
    ::stat(NativePath::toBytes(path).constData(), &info);
    return int(info.st_mode & 0777);
}

} // namespace

class TestThumbnails : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { qRegisterMetaType<QImage>(); }

    void aPathIsNamedAsTheDesktopNamesIt_data()
    {
        QTest::addColumn<QByteArray>("path");
        QTest::addColumn<QByteArray>("uri");
        QTest::addColumn<QString>("name");
        QTest::newRow("plain") << QByteArray("/home/jens/photos/me.png")
                               << QByteArray("file:///home/jens/photos/me.png")
                               << "c6ee772d9e49320e97ec29a7eb5b1697.png";
        QTest::newRow("kept marks") << QByteArray("/a/!$&'()*+,-._~:=@b")
                                    << QByteArray("file:///a/!$&'()*+,-._~:=@b") << QString();
        QTest::newRow("escaped marks")
            << QByteArray("/a b;#%?[]^`{|}\"<>\\")
            << QByteArray("file:///a%20b%3B%23%25%3F%5B%5D%5E%60%7B%7C%7D%22%3C%3E%5C") << QString();
        QTest::newRow("UTF-8 bytes") << QByteArray("/caf\xc3\xa9.jpg") << QByteArray("file:///caf%C3%A9.jpg")
                                     << QString();
        QTest::newRow("bytes that are not UTF-8")
            << QByteArray("/caf\xe9.jpg") << QByteArray("file:///caf%E9.jpg") << QString();
    }
    void aPathIsNamedAsTheDesktopNamesIt()
    {
        QFETCH(QByteArray, path);
        QFETCH(QByteArray, uri);
        QFETCH(QString, name);
        QCOMPARE(ThumbnailCache::uriOf(NativePath::fromBytes(path)), uri);
        if (!name.isEmpty())
            QCOMPARE(ThumbnailCache::nameOf(uri), name);
    }

    void aStoredThumbnailIsPrivateAndNamesItsFile_data()
    {
        QTest::addColumn<int>("side");
        QTest::addColumn<QString>("folder");
        QTest::newRow("normal") << 128 << "normal";
        QTest::newRow("large") << 256 << "large";
    }
    void aStoredThumbnailIsPrivateAndNamesItsFile()
    {
        QFETCH(int, side);
        QFETCH(QString, folder);
        TemporaryFolder dir;
        const QString root = dir.filePath(QStringLiteral("cache/thumbnails"));
        const ThumbnailCache cache(root);
        const QByteArray uri("file:///music/a.jpg");
        QVERIFY(cache.write(uri, 1700000000, square(side), side));
        const QString file = cache.thumbnailPath(uri, side);
        QCOMPARE(file, root + QLatin1Char('/') + folder + QLatin1Char('/') + ThumbnailCache::nameOf(uri));
        QCOMPARE(modeOf(file), 0600);
        QCOMPARE(modeOf(root), 0700);
        QCOMPARE(modeOf(root + QLatin1Char('/') + folder), 0700);
        const QImage stored(file);
        QCOMPARE(stored.text(QStringLiteral("Thumb::URI")), QString::fromLatin1(uri));
        QCOMPARE(stored.text(QStringLiteral("Thumb::MTime")), QStringLiteral("1700000000"));
        // Nothing is left beside it from the writing.
        QCOMPARE(QDir(root + QLatin1Char('/') + folder).entryList(QDir::Files).size(), 1);

        QCOMPARE(cache.readCurrent(file, uri, 1700000000).size(), QSize(side, side));
        QVERIFY(cache.readCurrent(file, uri, 1700000001).isNull());
        QVERIFY(cache.readCurrent(file, "file:///music/b.jpg", 1700000000).isNull());
        QVERIFY(!cache.write(uri, 1, square(side + 1), side));
    }

    void workersStoringAtOnceIntoANewStoreAllSucceed()
    {
        // The first thumbnails of a new store make its folders: workers meet there.
        for (int round = 0; round < 20; ++round) {
            TemporaryFolder dir;
            const ThumbnailCache cache(dir.filePath(QStringLiteral("thumbnails")));
            constexpr int Workers = 8;
            std::atomic<int> ready{0};
            std::atomic<int> stored{0};
            std::vector<std::thread> workers;
            for (int i = 0; i < Workers; ++i) {
                workers.emplace_back([&, i] {
                    ++ready;
                    while (ready < Workers)
                        std::this_thread::yield();
                    const QByteArray uri = "file:///music/" + QByteArray::number(i) + ".jpg";
                    if (cache.write(uri, 1, square(16)) && cache.writeFailure(uri + ".broken", 1))
                        ++stored;
                });
            }
            for (std::thread &worker : workers)
                worker.join();
            QCOMPARE(stored.load(), Workers);
        }
    }

    void aThumbnailIsMadeOnceForEachChangeOfItsFile()
    {
        TemporaryFolder dir;
        const ThumbnailCache cache(dir.filePath(QStringLiteral("thumbnails")));
        const QString picture = dir.filePath(QStringLiteral("a b.jpg"));
        writeBytes(picture, "picture");
        setChanged(picture, 1000);
        int made = 0;
        const ThumbnailCache::Maker make = [&made](const QString &, int side, QDeadlineTimer) {
            ++made;
            return square(side / 2);
        };
        QCOMPARE(cache.obtain(picture, 64, make, QDeadlineTimer(5000)).size(), QSize(64, 64));
        QCOMPARE(cache.obtain(picture, 64, make, QDeadlineTimer(5000)).size(), QSize(64, 64));
        QCOMPARE(made, 1);
        setChanged(picture, 2000);
        QVERIFY(!cache.obtain(picture, 64, make, QDeadlineTimer(5000)).isNull());
        QCOMPARE(made, 2);
        // A larger thumbnail is kept apart.
        QCOMPARE(cache.obtain(picture, 200, make, QDeadlineTimer(5000)).size(), QSize(128, 128));
        QCOMPARE(made, 3);
    }

    void aFileThatCannotBePicturedIsNotTriedAgainUntilItChanges_data()
    {
        QTest::addColumn<bool>("overruns");
        QTest::newRow("the maker gives nothing") << false;
        QTest::newRow("the maker overruns its time") << true;
    }
    void aFileThatCannotBePicturedIsNotTriedAgainUntilItChanges()
    {
        QFETCH(bool, overruns);
        TemporaryFolder dir;
        const ThumbnailCache cache(dir.filePath(QStringLiteral("thumbnails")));
        const QString broken = dir.filePath(QStringLiteral("broken.jpg"));
        writeBytes(broken, "not a picture");
        setChanged(broken, 1000);
        int tries = 0;
        const ThumbnailCache::Maker make = [&tries, overruns](const QString &, int side, QDeadlineTimer) {
            ++tries;
            return overruns ? square(side) : QImage();
        };
        // An overrun is found on return: the deadline has passed by then.
        const auto deadline = [overruns] { return overruns ? QDeadlineTimer(0) : QDeadlineTimer(5000); };
        QVERIFY(cache.obtain(broken, 128, make, deadline()).isNull());
        QVERIFY(cache.obtain(broken, 128, make, deadline()).isNull());
        QCOMPARE(tries, 1);
        const QByteArray uri = ThumbnailCache::uriOf(broken);
        QVERIFY(cache.failurePath(uri).endsWith(QStringLiteral("/fail/kestrove-0.1/") +
                                                ThumbnailCache::nameOf(uri)));
        QVERIFY(QFileInfo::exists(cache.failurePath(uri)));
        QVERIFY(!QFileInfo::exists(cache.thumbnailPath(uri, 128)));
        setChanged(broken, 2000);
        cache.obtain(broken, 128, make, deadline());
        QCOMPARE(tries, 2);
    }

    void onlyRegularFilesArePictured()
    {
        TemporaryFolder dir;
        const ThumbnailCache cache(dir.filePath(QStringLiteral("thumbnails")));
        const QString fifo = dir.filePath(QStringLiteral("x.jpg"));
        QCOMPARE(::mkfifo(NativePath::toBytes(fifo).constData(), 0600), 0);
        bool tried = false;
        const ThumbnailCache::Maker make = [&tried](const QString &, int side, QDeadlineTimer) {
            tried = true;
            return square(side);
        };
        QVERIFY(cache.obtain(fifo, 128, make, QDeadlineTimer(5000)).isNull());
        QVERIFY(cache.obtain(dir.filePath(QStringLiteral("missing.jpg")), 128, make, QDeadlineTimer(5000))
                    .isNull());
        QVERIFY(!tried);
    }

    void theQueueWorksOnTheLatestWantedPathsFirst()
    {
        QSemaphore release;
        QStringList begun;
        std::mutex lock;
        ThumbnailQueue queue(
            [&](const QString &path, QDeadlineTimer) {
                {
                    std::lock_guard guard(lock);
                    begun.append(path);
                }
                release.acquire();
                return square(4);
            },
            1);
        QSignalSpy ready(&queue, &ThumbnailQueue::ready);
        queue.want({QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c")});
        QCOMPARE(queue.working(), 1);
        QCOMPARE(queue.waiting(), 2);
        // Scrolled on: b and c are no longer shown, and a is being worked on already.
        queue.want({QStringLiteral("a"), QStringLiteral("d"), QStringLiteral("e")});
        QCOMPARE(queue.waiting(), 2);
        release.release(3);
        QTRY_COMPARE(ready.size(), 3);
        QStringList done;
        for (const QList<QVariant> &signal : ready)
            done.append(signal.at(0).toString());
        QCOMPARE(done, (QStringList{QStringLiteral("a"), QStringLiteral("d"), QStringLiteral("e")}));
        QCOMPARE(begun, done);
    }

    void theQueueRunsOneWorkerAPlace_data()
    {
        QTest::addColumn<int>("workers");
        QTest::newRow("one") << 1;
        QTest::newRow("two") << 2;
        QTest::newRow("four") << 4;
    }
    void theQueueRunsOneWorkerAPlace()
    {
        QFETCH(int, workers);
        std::atomic<int> now{0};
        std::atomic<int> most{0};
        QSemaphore release;
        ThumbnailQueue queue(
            [&](const QString &, QDeadlineTimer) {
                most = qMax(most.load(), ++now);
                release.acquire();
                --now;
                return QImage();
            },
            workers);
        QSignalSpy ready(&queue, &ThumbnailQueue::ready);
        QStringList paths;
        for (int i = 0; i < 10; ++i)
            paths.append(QString::number(i));
        queue.want(paths);
        QTRY_COMPARE(now.load(), workers);
        release.release(10);
        QTRY_COMPARE(ready.size(), 10);
        QCOMPARE(most.load(), workers);
        // A failed thumbnail is reported as a null picture.
        QVERIFY(ready.first().at(1).value<QImage>().isNull());
    }

    void aQueueOnASharedPoolGoesWithoutWaitingForItsWork()
    {
        auto pool = std::make_shared<QThreadPool>();
        QSemaphore begun;
        QSemaphore release;
        std::atomic<bool> ended{false};
        {
            ThumbnailQueue queue(
                [&](const QString &, QDeadlineTimer) {
                    begun.release();
                    release.tryAcquire(1, 5000);
                    ended = true;
                    return square(4);
                },
                1, ThumbnailQueue::DefaultLimit, pool);
            queue.want({QStringLiteral("slow")});
            QVERIFY(begun.tryAcquire(1, 5000));
        }
        // The queue is gone while its work still runs; the pool takes the work to its end.
        QVERIFY(!ended);
        release.release();
        pool->waitForDone();
        QVERIFY(ended);
    }

    void workOverItsLimitIsGivenUpAndTheNextBegins()
    {
        QSemaphore release;
        ThumbnailQueue queue(
            [&](const QString &path, QDeadlineTimer) {
                if (path == QLatin1String("stuck"))
                    release.acquire();
                return square(4);
            },
            1, std::chrono::milliseconds(100));
        QSignalSpy ready(&queue, &ThumbnailQueue::ready);
        queue.want({QStringLiteral("stuck"), QStringLiteral("next")});
        QTRY_COMPARE(ready.size(), 2);
        QCOMPARE(ready.at(0).at(0).toString(), QStringLiteral("stuck"));
        QVERIFY(ready.at(0).at(1).value<QImage>().isNull());
        QCOMPARE(ready.at(1).at(0).toString(), QStringLiteral("next"));
        QVERIFY(!ready.at(1).at(1).value<QImage>().isNull());
        release.release();
    }
};

QObject *createThumbnailsTest()
{
    return new TestThumbnails;
}

#include "tst_thumbnails.moc"
