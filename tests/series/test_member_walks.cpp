// test_member_walks.cpp - the member names each series kind walks, and where a walk stops.
#include "series/MemberWalks.h"

#include <QtTest>

using namespace quil;

class MemberWalksTest : public QObject {
    Q_OBJECT

    static QStringList walked(SeriesKind kind, const QStringList& found)
    {
        Series series;
        series.kind = kind;
        series.BaseName = "x";
        series.SeqList = found;
        return WalkNames(series);
    }

private slots:
    // The turns from one letter or width to the next, and each list's last name.
    void extensionListsTurnOverInOrder()
    {
        const QStringList rar = WalkExtensions(SeriesKind::Rar, {});
        QCOMPARE(rar.size(), 900);
        QCOMPARE(rar.mid(99, 2), QStringList({"r99", "s00"}));
        QCOMPARE(rar.last(), QString("z99"));
        const QStringList arj = WalkExtensions(SeriesKind::Arj, {});
        QCOMPARE(arj.first(), QString("a01"));
        QCOMPARE(arj.mid(98, 2), QStringList({"a99", "100"}));
        QCOMPARE(arj.last(), QString("999"));
        const QStringList ace = WalkExtensions(SeriesKind::Ace, {});
        QCOMPARE(ace.first(), QString("c00"));
        QCOMPARE(ace.mid(99, 2), QStringList({"c99", "100"}));
        QCOMPARE(ace.size(), 1000);
    }

    void walkGoesPastGapsAndStopsAtTheLastFoundMember()
    {
        const QStringList names = walked(SeriesKind::Rar, {"x.rar", "x.r00", "x.r07"});
        QCOMPARE(names.size(), 8);
        QCOMPARE(names.last(), QString("x.r07"));
        // The very last name a RAR walk has is still reached.
        QCOMPARE(walked(SeriesKind::Rar, {"x.rar", "x.z99"}).size(), 900);
    }

    void walkThatNeverMeetsTheLastNameRunsToItsEnd()
    {
        const QStringList names = walked(SeriesKind::Arj, {"x.arj", "x.a01", "x.a02", "x.050"});
        QCOMPARE(names.size(), 999);
        QCOMPARE(names.last(), QString("x.999"));
    }

    void numberedSeriesStartingAtZeroChecksItsFirstVolume()
    {
        QCOMPARE(walked(SeriesKind::Num, {"x.000", "x.001", "x.002"}), QStringList({"x.001", "x.002"}));
        // The usual start is checked once only.
        QCOMPARE(walked(SeriesKind::Num, {"x.001", "x.002", "x.003"}), QStringList({"x.002", "x.003"}));
    }
};

QTEST_GUILESS_MAIN(MemberWalksTest)
#include "test_member_walks.moc"
