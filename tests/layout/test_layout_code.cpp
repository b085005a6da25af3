// test_layout_code.cpp - each layout code's share of a window's size change, and refused extents.
#include "layout/LayoutCode.h"

#include <QtTest>

using namespace quil;

Q_DECLARE_METATYPE(quil::TwipRect)

class LayoutCodeTest : public QObject {
    Q_OBJECT
private slots:
    void codes_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<TwipRect>("expected");  // from {1000, 2000, 3000, 4000} with dW 300, dH 150
        QTest::newRow("R") << "R" << TwipRect{1000, 2000, 3300, 4150};
        QTest::newRow("M") << "M" << TwipRect{1300, 2150, 3000, 4000};
        QTest::newRow("WT") << "WT" << TwipRect{1000, 2150, 3300, 4000};
        QTest::newRow("T") << "T" << TwipRect{1000, 2150, 3000, 4000};
        QTest::newRow("W") << "W" << TwipRect{1000, 2000, 3300, 4000};
        QTest::newRow("L") << "L" << TwipRect{1300, 2000, 3000, 4000};
        QTest::newRow("L2") << "L2" << TwipRect{1150, 2000, 3000, 4000};
        QTest::newRow("W2") << "W2" << TwipRect{1000, 2000, 3150, 4000};
        QTest::newRow("WL2") << "WL2" << TwipRect{1150, 2000, 3150, 4150};
        QTest::newRow("WL2NH") << "WL2NH" << TwipRect{1150, 2000, 3150, 4000};
        QTest::newRow("WH2") << "WH2" << TwipRect{1000, 2000, 3150, 4150};
    }
    void codes()
    {
        QFETCH(QString, code);
        QFETCH(TwipRect, expected);
        TwipRect rect{1000, 2000, 3000, 4000};
        QVERIFY(ApplyLayoutCode(code, rect, 300, 150));
        QCOMPARE(rect, expected);
    }

    void unknownCodesTouchNothing()
    {
        for (const QString code : {"", "r", "wl2", "R ", "X"}) {
            TwipRect rect{1, 2, 3, 4};
            QVERIFY(!ApplyLayoutCode(code, rect, 300, 150));
            QCOMPARE(rect, (TwipRect{1, 2, 3, 4}));
        }
    }

    void negativeExtentIsRefusedPropertyByProperty()
    {
        TwipRect rect{100, 100, 1000, 1000};
        QVERIFY(ApplyLayoutCode("R", rect, -1500, -200));
        QCOMPARE(rect, (TwipRect{100, 100, 1000, 800}));
        QVERIFY(ApplyLayoutCode("M", rect, -1500, -200));
        QCOMPARE(rect, (TwipRect{-1400, -100, 1000, 800}));
    }
};

QTEST_GUILESS_MAIN(LayoutCodeTest)
#include "test_layout_code.moc"
