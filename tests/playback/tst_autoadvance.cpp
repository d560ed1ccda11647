// SPDX-License-Identifier: GPL-3.0-or-later
#include "playback/AdvanceList.h"
#include "playback/AutoAdvance.h"

#include <QTest>

namespace {

// A list written as a string: 'u' the way up, 'd' a folder, 'f' a file.
class FakeList : public AdvanceList
{
public:
    explicit FakeList(const QString &entries, int current = -1) : m_entries(entries), m_current(current) {}

    int count() const override { return int(m_entries.size()); }
    int current() const override { return m_current; }
    bool isFile(int row) const override { return m_entries.at(row) == QLatin1Char('f'); }
    void choose(int row) override
    {
        m_current = row;
        chosen.append(row);
    }

    QList<int> chosen;

private:
    QString m_entries;
    int m_current;
};

struct Options
{
    bool finished = true;
    bool usePlaylist = false;
    bool on = true;
};

AutoAdvance::Hooks hooksFor(Options &options)
{
    return {[&options] { return options.finished; }, [&options] { return options.usePlaylist; },
            [&options] { options.usePlaylist = false; }, [&options] { options.on = false; }};
}

} // namespace

class TestAutoAdvance : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void theNextFileIsChosen_data()
    {
        QTest::addColumn<QString>("entries");
        QTest::addColumn<int>("current");
        QTest::addColumn<int>("next");
        QTest::newRow("the next file") << "udff" << 2 << 3;
        QTest::newRow("folders skipped") << "ufdf" << 1 << 3;
        QTest::newRow("wraps past the end, skipping the way up and folders") << "udff" << 3 << 2;
        QTest::newRow("nothing chosen starts at the top") << "udff" << -1 << 2;
        QTest::newRow("no file after the chosen one turns it off") << "ufdd" << 1 << -1;
        QTest::newRow("a folder without files turns it off") << "udd" << 2 << -1;
        QTest::newRow("the one file of a folder is not shown again") << "uf" << 1 << -1;
        QTest::newRow("the one file among folders is not shown again") << "udfd" << 2 << -1;
        QTest::newRow("an empty list turns it off") << "" << -1 << -1;
    }
    void theNextFileIsChosen()
    {
        QFETCH(QString, entries);
        QFETCH(int, current);
        QFETCH(int, next);
        FakeList files(entries, current);
        FakeList playlist{QString()};
        Options options;
        AutoAdvance advance(files, playlist, hooksFor(options));
        advance.setOn(true, false);
        advance.tick();
        QCOMPARE(files.chosen, next < 0 ? QList<int>() : QList<int>{next});
        QCOMPARE(options.on, next >= 0);
        QCOMPARE(advance.isOn(), next >= 0);
    }

    void nothingMovesBeforeTheEnd()
    {
        FakeList files(QStringLiteral("uff"), 1);
        FakeList playlist{QString()};
        Options options;
        options.finished = false;
        AutoAdvance advance(files, playlist, hooksFor(options));
        advance.setOn(true, false);
        advance.tick();
        QVERIFY(files.chosen.isEmpty());
        options.finished = true;
        advance.tick();
        QCOMPARE(files.chosen, QList<int>{2});
    }

    void thePlaylistIsFollowedWhileInUse_data()
    {
        QTest::addColumn<QString>("entries");
        QTest::addColumn<int>("current");
        QTest::addColumn<QList<int>>("chosen");
        QTest::addColumn<bool>("stillInUse");
        QTest::newRow("the next entry") << "fff" << 0 << QList<int>{1} << true;
        QTest::newRow("wraps to the first") << "fff" << 2 << QList<int>{0} << true;
        QTest::newRow("nothing chosen starts at the first") << "fff" << -1 << QList<int>{0} << true;
        QTest::newRow("an empty playlist is left for the file list") << "" << -1 << QList<int>() << false;
    }
    void thePlaylistIsFollowedWhileInUse()
    {
        QFETCH(QString, entries);
        QFETCH(int, current);
        QFETCH(QList<int>, chosen);
        QFETCH(bool, stillInUse);
        FakeList files(QStringLiteral("uff"), 1);
        FakeList playlist(entries, current);
        Options options;
        options.usePlaylist = true;
        AutoAdvance advance(files, playlist, hooksFor(options));
        advance.setOn(true, false);
        advance.tick();
        QCOMPARE(playlist.chosen, chosen);
        QCOMPARE(options.usePlaylist, stillInUse);
        // Without the playlist the file list goes on.
        QCOMPARE(files.chosen, stillInUse ? QList<int>() : QList<int>{2});
    }

    void switchedOnWhileStoppedItStartsSomewhere_data()
    {
        QTest::addColumn<QString>("entries");
        QTest::addColumn<int>("current");
        QTest::addColumn<bool>("stopped");
        QTest::addColumn<QList<int>>("chosen");
        QTest::addColumn<bool>("running");
        QTest::newRow("playing: waits for the end") << "uff" << 1 << false << QList<int>() << true;
        QTest::newRow("stopped with a file chosen") << "uff" << 1 << true << QList<int>() << true;
        QTest::newRow("stopped with nothing chosen: the first entry")
            << "uff" << -1 << true << QList<int>{0} << true;
        QTest::newRow("stopped in an empty list") << "" << -1 << true << QList<int>() << false;
    }
    void switchedOnWhileStoppedItStartsSomewhere()
    {
        QFETCH(QString, entries);
        QFETCH(int, current);
        QFETCH(bool, stopped);
        QFETCH(QList<int>, chosen);
        QFETCH(bool, running);
        FakeList files(entries, current);
        FakeList playlist{QString()};
        Options options;
        AutoAdvance advance(files, playlist, hooksFor(options));
        advance.setOn(true, stopped);
        QCOMPARE(files.chosen, chosen);
        QCOMPARE(advance.isOn(), running);
        advance.setOn(false, stopped);
        QVERIFY(!advance.isOn());
    }

    void picturesWaitForTheSlideDelay()
    {
        FakeList files(QStringLiteral("uff"), 1);
        FakeList playlist{QString()};
        Options options;
        AutoAdvance advance(files, playlist, hooksFor(options));
        QCOMPARE(advance.interval(), AutoAdvance::MediaPollMs);
        // The fifth entry of the delay list is five seconds.
        advance.pictureShown(4);
        QCOMPARE(advance.interval(), 5000);
        advance.mediumShown();
        QCOMPARE(advance.interval(), 1000);
    }
};

QObject *createAutoAdvanceTest()
{
    return new TestAutoAdvance;
}

#include "tst_autoadvance.moc"
