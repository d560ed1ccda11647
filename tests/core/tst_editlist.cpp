// SPDX-License-Identifier: GPL-3.0-or-later
#include "EditListFile.h"
#include "EditListStore.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {

void writeBytes(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

} // namespace

class TestEditList : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void membershipFollowsDuplicatesAndRemovals()
    {
        EditListStore store;
        store.append(QStringLiteral("/a"));
        store.append(QStringLiteral("/b"));
        store.append(QStringLiteral("/a"));
        QCOMPARE(store.count(), 3);
        store.removeAt(0);
        QVERIFY(store.contains(QStringLiteral("/a")));
        store.removeAt(1);
        QVERIFY(!store.contains(QStringLiteral("/a")));
        QVERIFY(store.contains(QStringLiteral("/b")));
        store.removeAt(5);
        QCOMPARE(store.entries(), QStringList{QStringLiteral("/b")});
    }

    void loadingAppendsEveryNonEmptyLine()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("files.ini"));
        writeBytes(path, "/m/a.mp3\r\n\r\n/m/b.mp3  \r\n/m/a.mp3\r\n\r\n");
        EditListStore store;
        store.append(QStringLiteral("/already"));
        QVERIFY(EditListFile::load(store, path).isEmpty());
        QCOMPARE(store.entries(), QStringList({"/already", "/m/a.mp3", "/m/b.mp3  ", "/m/a.mp3"}));
    }

    void missingFileLoadsNothing()
    {
        QTemporaryDir dir;
        EditListStore store;
        QVERIFY(EditListFile::load(store, dir.filePath(QStringLiteral("files.ini"))).isEmpty());
        QVERIFY(store.isEmpty());
    }

    void savingAnEmptyListRemovesTheFile()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("files.ini"));
        EditListStore store;
        store.append(QStringLiteral("/m/a b.mp3"));
        store.append(QStringLiteral("/m/c.wav"));
        QVERIFY(EditListFile::save(store, path).isEmpty());
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), QByteArray("/m/a b.mp3\r\n/m/c.wav\r\n"));
        file.close();

        store.clear();
        QVERIFY(EditListFile::save(store, path).isEmpty());
        QVERIFY(!QFile::exists(path));
        QVERIFY(EditListFile::save(store, path).isEmpty());
    }
};

QObject *createEditListTest()
{
    return new TestEditList;
}

#include "tst_editlist.moc"
