// test_member_walks.cpp - the member names each series kind walks, and where a walk stops.
#include "series/MemberWalks.h"
#include "series/SeriesState.h"

#include <QtTest>

using namespace quil;

class MemberWalksTest : public QObject {
    Q_OBJECT

    // Walks the current series and returns the names handed to the member check.
    static QStringList walked(const CheckMemberFn& extra = {})
    {
        QStringList names;
        State().KeepWalking = true;
        WalkSeries("/series", [&](const QString& folder, const QString& name) {
            QCOMPARE(folder, QString("/series"));
            names.append(name);
            if (extra)
                extra(folder, name);
        }, {});
        return names;
    }

    static void setSeries(const QString& kind, const QStringList& found)
    {
        ResetState();
        State().SeriesKind = kind;
        State().BaseName = "x";
        State().SeqList = found;
        State().LastMemberName = found.last();
    }

private slots:
    // The turns from one letter or width to the next; the walks below pin each list's ends.
    void extensionListsTurnOverInOrder()
    {
        QCOMPARE(RarExtensions().mid(99, 2), QStringList({"r99", "s00"}));
        QCOMPARE(RarExtensions().last(), QString("z99"));
        QCOMPARE(ArjExtensions().mid(98, 2), QStringList({"a99", "100"}));
        QCOMPARE(AceExtensions().mid(99, 2), QStringList({"c99", "100"}));
    }

    void walkGoesPastGapsAndStopsAtTheLastFoundMember()
    {
        setSeries("RAR", {"x.rar", "x.r00", "x.r07"});
        const QStringList names = walked();
        QCOMPARE(names.size(), 8);
        QCOMPARE(names.last(), QString("x.r07"));
        QVERIFY(!State().KeepWalking);
    }

    void walkThatNeverMeetsTheLastNameRunsToItsEnd()
    {
        setSeries("ARJ", {"x.arj", "x.a01", "x.a02", "x.050"});
        const QStringList names = walked();
        QCOMPARE(names.size(), 999);
        QCOMPARE(names.last(), QString("x.999"));
    }

    void numberedSeriesStartingAtZeroChecksItsFirstVolume()
    {
        setSeries("NUM", {"x.000", "x.001", "x.002"});
        QCOMPARE(walked(), QStringList({"x.001", "x.002"}));
        setSeries("NUM", {"x.001", "x.002", "x.003"});  // the usual start is checked once only
        QCOMPARE(walked(), QStringList({"x.002", "x.003"}));
    }

    void stoppingEndsTheWalkBeforeTheNextName()
    {
        setSeries("ACE", {"x.ace", "x.c00", "x.c01", "x.c02"});
        const QStringList names = walked([](const QString&, const QString& name) {
            if (name == "x.c00")
                State().KeepWalking = false;
        });
        QCOMPARE(names, QStringList({"x.c00"}));
    }

};

QTEST_GUILESS_MAIN(MemberWalksTest)
#include "test_member_walks.moc"
