// test_layout_code.cpp - each layout code's share of a window's size change, and refused extents.
// SPDX-License-Identifier: MIT
#include "layout/LayoutCode.h"

#include <QtTest>

using namespace quil;

Q_DECLARE_METATYPE(quil::TwipRect)

constexpr TwipRect kStart{1000, 2000, 3000, 4000};

class LayoutCodeTest : public QObject {
    Q_OBJECT
private slots:
    void codes_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<TwipRect>("expected");  // from kStart with dW 300, dH 150
        const auto row = [](const char* code, TwipRect rect) { QTest::newRow(*code ? code : "empty") << QString(code) << rect; };
        row("R", {1000, 2000, 3300, 4150});
        row("M", {1300, 2150, 3000, 4000});
        row("WT", {1000, 2150, 3300, 4000});
        row("T", {1000, 2150, 3000, 4000});
        row("W", {1000, 2000, 3300, 4000});
        row("L", {1300, 2000, 3000, 4000});
        row("L2", {1150, 2000, 3000, 4000});
        row("W2", {1000, 2000, 3150, 4000});
        row("WL2", {1150, 2000, 3150, 4150});
        row("WL2NH", {1150, 2000, 3150, 4000});
        row("WH2", {1000, 2000, 3150, 4150});
        // Codes match exactly: case, padding and unknown names leave the control alone.
        for (const char* code : {"", "r", "wl2", "R ", "X"})
            row(code, kStart);
    }
    void codes()
    {
        QFETCH(QString, code);
        QFETCH(TwipRect, expected);
        TwipRect rect = kStart;
        QCOMPARE(ApplyLayoutCode(code, rect, 300, 150), expected != kStart);  // every known code moves something here
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
