// test_layout_pass.cpp - layout passes over the two windows' design geometry, and their minimum size.
// SPDX-License-Identifier: MIT
#include "layout/MainWindowLayout.h"
#include "layout/WindowGeometry.h"

#include <QtTest>

#include <algorithm>

using namespace quil;

namespace {

TwipRect RectOf(std::vector<LayoutItem>& items, const char* name)
{
    const LayoutItem* item = FindItem(items, name);
    return item ? item->Rect : TwipRect{-1, -1, -1, -1};
}

bool SameRects(const std::vector<LayoutItem>& a, const std::vector<LayoutItem>& b)
{
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](auto& x, auto& y) { return x.Rect == y.Rect; });
}

}  // namespace

class LayoutPassTest : public QObject {
    Q_OBJECT
private slots:
    void reportWindowMinimumAndRoundTrip()
    {
        LayoutState state;
        std::vector<LayoutItem> items = ReportWindowDesign();
        const std::vector<LayoutItem> design = items;
        // The first pass only takes the size, rounded half to even, as minimum and last size.
        QVERIFY(ResizeControls(state, {9000.5, 7001.5}, items));
        QCOMPARE((QList<int>{state.MinFormWidth, state.MinFormHeight, state.LastFormWidth, state.LastFormHeight}),
                 (QList<int>{9000, 7002, 9000, 7002}));
        QVERIFY(SameRects(items, design));
        QCOMPARE(ClampToMinimum(state, {8400, 7302}), (TwipSize{9000, 7302}));
        // Later passes move by the change since the last one, so growing and shrinking back restores the design.
        QVERIFY(!ResizeControls(state, {9015, 8002}, items));
        QCOMPARE(RectOf(items, "SaveFile"), (TwipRect{4455, 6880, 1575, 495}));
        QVERIFY(!ResizeControls(state, {9000, 7002}, items));
        QVERIFY(SameRects(items, design));
    }

    void mainWindowSplitsTheStartButtonsOnEveryLaterPass()
    {
        const TwipSize outer{8865 + 120, 7995 + 450};  // the client area plus a frame
        LayoutState state;
        std::vector<LayoutItem> items = MainWindowDesign();
        QVERIFY(ResizeMainWindowControls(state, outer, items));
        // The same size again moves nothing by code, but the buttons are re-split from the file list.
        QVERIFY(!ResizeMainWindowControls(state, outer, items));
        QCOMPARE(RectOf(items, "CheckSeq"), (TwipRect{4560, 2400, 1912.5, 615}));
        QCOMPARE(RectOf(items, "ShowSequence"), (TwipRect{6622.5, 2400, 1912.5, 615}));

        // 300 wider and 150 higher: the file list moves and widens by half the width change; the buttons follow it.
        QVERIFY(!ResizeMainWindowControls(state, {outer.Width + 300, outer.Height + 150}, items));
        QCOMPARE(RectOf(items, "FileList"), (TwipRect{4710, 480, 4125, 1845}));
        QCOMPARE(RectOf(items, "CheckSeq"), (TwipRect{4710, 2400, 1987.5, 615}));
        QCOMPARE(RectOf(items, "ShowSequence"), (TwipRect{6847.5, 2400, 1987.5, 615}));
    }
};

QTEST_GUILESS_MAIN(LayoutPassTest)
#include "test_layout_pass.moc"
