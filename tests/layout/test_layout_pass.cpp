// test_layout_pass.cpp - layout passes over the two windows' design geometry, and their minimum size.
#include "layout/MainWindowLayout.h"
#include "layout/WindowGeometry.h"

#include <QtTest>

using namespace quil;

namespace {

// Outer size of the main window in the tests: its client area plus a frame.
constexpr TwipSize kMainOuter{8865 + 120, 7995 + 450};

TwipRect RectOf(std::vector<LayoutItem>& items, const char* name)
{
    const LayoutItem* item = FindItem(items, name);
    return item ? item->Rect : TwipRect{-1, -1, -1, -1};
}

}  // namespace

class LayoutPassTest : public QObject {
    Q_OBJECT
private slots:
    void firstPassSetsTheRoundedMinimumAndMovesNothing()
    {
        LayoutState state;
        QCOMPARE(ClampToMinimum(state, {10, 20}), (TwipSize{10, 20}));
        std::vector<LayoutItem> items = ReportWindowDesign();
        QVERIFY(ResizeControls(state, {9000.5, 7001.5}, items));
        QCOMPARE((QList<int>{state.MinFormWidth, state.MinFormHeight, state.LastFormWidth, state.LastFormHeight}),
                 (QList<int>{9000, 7002, 9000, 7002}));
        QCOMPARE(RectOf(items, "ReportList"), (TwipRect{120, 120, 7575, 5340}));
        QVERIFY(!ResizeControls(state, {9000, 7002}, items));
        QCOMPARE(ClampToMinimum(state, {8400, 7302}), (TwipSize{9000, 7302}));
    }

    void mainWindowGrowsBy300By150()
    {
        LayoutState state;
        std::vector<LayoutItem> items = MainWindowDesign();
        QVERIFY(ResizeMainWindowControls(state, kMainOuter, items));
        QVERIFY(!ResizeMainWindowControls(state, {kMainOuter.Width + 300, kMainOuter.Height + 150}, items));
        QCOMPARE(RectOf(items, "Frame1"), (TwipRect{120, 120, 8955, 7005}));
        QCOMPARE(RectOf(items, "HelpButton"), (TwipRect{6660, 7230, 735, 615}));
        QCOMPARE(RectOf(items, "FTV"), (TwipRect{120, 240, 4485, 2730}));
        QCOMPARE(RectOf(items, "FileList"), (TwipRect{4710, 480, 4125, 1845}));
        QCOMPARE(RectOf(items, "CheckSeq"), (TwipRect{4710, 2400, 1987.5, 615}));
        QCOMPARE(RectOf(items, "ShowSequence"), (TwipRect{6847.5, 2400, 1987.5, 615}));
        QCOMPARE(RectOf(items, "SB"), (TwipRect{0, 7740, 8865, 255}));
    }

    void unchangedSizeStillSplitsTheStartButtons()
    {
        LayoutState state;
        std::vector<LayoutItem> items = MainWindowDesign();
        ResizeMainWindowControls(state, kMainOuter, items);
        QCOMPARE(RectOf(items, "CheckSeq").Width, 1935.0);  // the first pass leaves the design alone
        ResizeMainWindowControls(state, kMainOuter, items);
        QCOMPARE(RectOf(items, "CheckSeq"), (TwipRect{4560, 2400, 1912.5, 615}));
        QCOMPARE(RectOf(items, "ShowSequence"), (TwipRect{6622.5, 2400, 1912.5, 615}));
    }

    void growingAndShrinkingBackRestoresTheDesign()
    {
        LayoutState state;
        std::vector<LayoutItem> items = ReportWindowDesign();
        const std::vector<LayoutItem> design = items;
        const TwipSize outer{7800 + 120, 6435 + 450};
        ResizeControls(state, outer, items);
        ResizeControls(state, {outer.Width + 15, outer.Height + 1000}, items);
        QCOMPARE(RectOf(items, "SaveFile"), (TwipRect{4455, 6880, 1575, 495}));
        QCOMPARE(RectOf(items, "Label1"), (TwipRect{105, 6520, 7605, 255}));
        ResizeControls(state, outer, items);
        for (size_t i = 0; i < items.size(); ++i)
            QCOMPARE(items[i].Rect, design[i].Rect);
    }
};

QTEST_GUILESS_MAIN(LayoutPassTest)
#include "test_layout_pass.moc"
