// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/Paths.h"

#include <QTest>

class TestPaths : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void aTypedTildeIsTheHomeFolder_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("path");
        QTest::newRow("alone") << "~"
                               << "/home/ann";
        QTest::newRow("a folder in it") << "~/Music"
                                        << "/home/ann/Music";
        QTest::newRow("a separator only") << "~/"
                                          << "/home/ann/";
        QTest::newRow("another user's is not guessed") << "~bob/Music"
                                                       << "~bob/Music";
        QTest::newRow("further on it is a name") << "/tmp/~/x"
                                                 << "/tmp/~/x";
        QTest::newRow("a relative name") << "Music"
                                         << "Music";
        QTest::newRow("nothing") << ""
                                 << "";
    }
    void aTypedTildeIsTheHomeFolder()
    {
        QFETCH(QString, typed);
        QFETCH(QString, path);
        QCOMPARE(Paths::expandHome(typed, QStringLiteral("/home/ann")), path);
    }
};

QObject *createPathsTest()
{
    return new TestPaths;
}

#include "tst_paths.moc"
