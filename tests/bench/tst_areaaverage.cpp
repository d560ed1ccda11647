// SPDX-License-Identifier: GPL-3.0-or-later
#include "AreaAverage.h"

#include <QTest>
#include <stdexcept>

using Pixels = QList<int>;

namespace {

// A picture of one value a pixel: the four bytes of pixel p are p's value plus 0, 1, 2 and 3, so
// that a byte averaged with the wrong neighbour shows.
std::vector<std::uint8_t> rowOf(const Pixels &values)
{
    std::vector<std::uint8_t> row;
    for (const int value : values) {
        for (int c = 0; c < 4; ++c)
            row.push_back(std::uint8_t(value + c));
    }
    return row;
}

} // namespace

class TestAreaAverage : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void eachPixelIsTheMeanOfWhatItCovers_data()
    {
        QTest::addColumn<int>("sourceWidth");
        QTest::addColumn<Pixels>("source");
        QTest::addColumn<QSize>("size");
        QTest::addColumn<Pixels>("expected");
        QTest::newRow("same size") << 2 << Pixels{10, 20, 30, 40} << QSize(2, 2) << Pixels{10, 20, 30, 40};
        QTest::newRow("halved across") << 4 << Pixels{10, 20, 100, 200} << QSize(2, 1) << Pixels{15, 150};
        QTest::newRow("halved down") << 1 << Pixels{10, 20, 100, 200} << QSize(1, 2) << Pixels{15, 150};
        // Three pixels into two: the middle one goes a third to each side.
        QTest::newRow("thirds across") << 3 << Pixels{0, 90, 180} << QSize(2, 1) << Pixels{30, 150};
        QTest::newRow("thirds down") << 1 << Pixels{0, 90, 180} << QSize(1, 2) << Pixels{30, 150};
        QTest::newRow("thirds both ways")
            << 3 << Pixels{0, 0, 0, 0, 90, 0, 0, 0, 0} << QSize(2, 2) << Pixels{10, 10, 10, 10};
        QTest::newRow("rounded") << 3 << Pixels{0, 0, 1} << QSize(1, 1) << Pixels{0};
        QTest::newRow("rounded up") << 3 << Pixels{0, 1, 1} << QSize(1, 1) << Pixels{1};
        QTest::newRow("all into one") << 2 << Pixels{10, 20, 30, 40, 50, 60} << QSize(1, 1) << Pixels{35};
    }
    void eachPixelIsTheMeanOfWhatItCovers()
    {
        QFETCH(int, sourceWidth);
        QFETCH(Pixels, source);
        QFETCH(QSize, size);
        QFETCH(Pixels, expected);
        AreaAverage shrunk(sourceWidth, int(source.size()) / sourceWidth, size.width(), size.height());
        for (qsizetype y = 0; y < source.size() / sourceWidth; ++y)
            shrunk.addRow(rowOf(source.mid(y * sourceWidth, sourceWidth)).data());
        QCOMPARE(shrunk.result(), rowOf(expected));
    }

    void rowsPastThePictureAreLeftOut()
    {
        AreaAverage shrunk(2, 1, 1, 1);
        shrunk.addRow(rowOf({10, 20}).data());
        shrunk.addRow(rowOf({200, 200}).data());
        QCOMPARE(shrunk.result(), rowOf({15}));
    }

    void itOnlyShrinks_data()
    {
        QTest::addColumn<QSize>("size");
        QTest::newRow("wider") << QSize(3, 2);
        QTest::newRow("taller") << QSize(2, 3);
        QTest::newRow("empty") << QSize(0, 2);
    }
    void itOnlyShrinks()
    {
        QFETCH(QSize, size);
        QVERIFY_THROWS_EXCEPTION(std::invalid_argument, AreaAverage(2, 2, size.width(), size.height()));
    }
};

QObject *createAreaAverageTest()
{
    return new TestAreaAverage;
}

#include "tst_areaaverage.moc"
