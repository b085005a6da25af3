// test_member_columns.cpp - the member list's column unit and widths, and twip rounding.
#include "layout/MemberColumns.h"
#include "layout/TwipUnits.h"

#include <QtTest>

using namespace quil;

class MemberColumnsTest : public QObject {
    Q_OBJECT
private slots:
    void columnUnit_data()
    {
        QTest::addColumn<double>("listWidth");
        QTest::addColumn<int>("unit");
        QTest::newRow("design width") << 8175.0 << 669;  // 668.75
        QTest::newRow("exact") << 1950.0 << 150;
        QTest::newRow("half goes down to even") << 8172.0 << 668;  // 668.5
        QTest::newRow("half goes up to even") << 8184.0 << 670;    // 669.5
        QTest::newRow("narrower than the border") << 100.0 << 0;
        QTest::newRow("wider than 16 bits hold") << 1.0e7 << 32767;
    }
    void columnUnit()
    {
        QFETCH(double, listWidth);
        QFETCH(int, unit);
        QCOMPARE(int(ColumnUnit(listWidth)), unit);
    }

    void columnsInOrder()
    {
        const auto columns = MemberColumns(8175);
        const QList<QPair<QString, double>> expected{{"Filename", 3345}, {"Byte Size", 2341.5}, {"CRC-32", 2341.5}};
        for (int i = 0; i < 3; ++i)
            QCOMPARE((QPair<QString, double>{columns[i].Caption, columns[i].Width}), expected[i]);
    }

    void roundingAndPixels()
    {
        QCOMPARE(RoundHalfEven(-2.5), -2);
        QCOMPARE(RoundHalfEven(1.0e12), std::numeric_limits<qint32>::max());
        QCOMPARE(TwipsToPixels(8865), 591);
        QCOMPARE(TwipsToPixels(22.5), 2);  // 1.5 pixels
        QCOMPARE(PixelsToTwips(591), 8865.0);
    }
};

QTEST_GUILESS_MAIN(MemberColumnsTest)
#include "test_member_columns.moc"
