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
        QTest::addColumn<bool>("known");
        QTest::addColumn<TwipRect>("expected");  // from {1000, 2000, 3000, 4000} with dW 300, dH 150
        const auto row = [](const char* code, bool known, TwipRect rect) {
            QTest::newRow(*code ? code : "empty") << QString(code) << known << rect;
        };
        row("R", true, {1000, 2000, 3300, 4150});
        row("M", true, {1300, 2150, 3000, 4000});
        row("WT", true, {1000, 2150, 3300, 4000});
        row("T", true, {1000, 2150, 3000, 4000});
        row("W", true, {1000, 2000, 3300, 4000});
        row("L", true, {1300, 2000, 3000, 4000});
        row("L2", true, {1150, 2000, 3000, 4000});
        row("W2", true, {1000, 2000, 3150, 4000});
        row("WL2", true, {1150, 2000, 3150, 4150});
        row("WL2NH", true, {1150, 2000, 3150, 4000});
        row("WH2", true, {1000, 2000, 3150, 4150});
        // Codes match exactly: case, padding and unknown names leave the control alone.
        for (const char* code : {"", "r", "wl2", "R ", "X"})
            row(code, false, {1000, 2000, 3000, 4000});
    }
    void codes()
    {
        QFETCH(QString, code);
        QFETCH(bool, known);
        QFETCH(TwipRect, expected);
        TwipRect rect{1000, 2000, 3000, 4000};
        QCOMPARE(ApplyLayoutCode(code, rect, 300, 150), known);
        QCOMPARE(rect, expected);
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
