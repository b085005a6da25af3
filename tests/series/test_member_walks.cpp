// test_member_walks.cpp - the member names each series kind walks, and where a walk stops.
// SPDX-License-Identifier: MIT
#include "series/MemberWalks.h"

#include <QtTest>

using namespace quil;

class MemberWalksTest : public QObject {
    Q_OBJECT

    static Series series(SeriesKind kind, const QStringList& found, const QString& firstMember = {})
    {
        Series series;
        series.Kind = kind;
        series.BaseName = "x";
        series.FirstMember = firstMember;
        series.SeqList = found;
        return series;
    }


private slots:
    // The turns from one letter or width to the next, and each list's last name.
    void extensionListsTurnOverInOrder()
    {
        const QStringList rar = WalkExtensions(series(SeriesKind::Rar, {}));
        QCOMPARE(rar.size(), 900);
        QCOMPARE(rar.mid(99, 2), QStringList({"r99", "s00"}));
        QCOMPARE(rar.last(), QString("z99"));
        const QStringList arj = WalkExtensions(series(SeriesKind::Arj, {}));
        QCOMPARE(arj.first(), QString("a01"));
        QCOMPARE(arj.mid(98, 2), QStringList({"a99", "100"}));
        QCOMPARE(arj.last(), QString("999"));
        const QStringList ace = WalkExtensions(series(SeriesKind::Ace, {}));
        QCOMPARE(ace.first(), QString("c00"));
        QCOMPARE(ace.mid(99, 2), QStringList({"c99", "100"}));
        QCOMPARE(ace.size(), 1000);
    }

    // Past gaps to the last member found, or to the walk's end when it is never met; the newer kinds
    // widen the number where the set outgrows its width. A numbered series checks its usual start once.
    // Listed names after the last found one stretch the walk to the last of them; listed names of
    // another series, or before the last found one, do not.
    void walksGoPastGapsToTheLastFound_data()
    {
        QTest::addColumn<SeriesKind>("kind");
        QTest::addColumn<QString>("firstMember");
        QTest::addColumn<QStringList>("found");
        QTest::addColumn<QStringList>("listed");
        QTest::addColumn<int>("count");
        QTest::addColumn<QStringList>("lastNames");
        QTest::newRow("rar past a gap") << SeriesKind::Rar << "" << QStringList{"x.rar", "x.r00", "x.r07"} << QStringList{} << 8
                                        << QStringList{"x.r06", "x.r07"};
        QTest::newRow("rar to its very last name") << SeriesKind::Rar << "" << QStringList{"x.rar", "x.z99"} << QStringList{} << 900
                                                   << QStringList{"x.z99"};
        QTest::newRow("arj never meeting the last found") << SeriesKind::Arj << ""
                                                          << QStringList{"x.arj", "x.a01", "x.a02", "x.050"} << QStringList{} << 999
                                                          << QStringList{"x.999"};
        QTest::newRow("numbered from .000") << SeriesKind::Num << "" << QStringList{"x.000", "x.001", "x.002"} << QStringList{} << 2
                                            << QStringList{"x.001", "x.002"};
        QTest::newRow("numbered from .001") << SeriesKind::Num << "" << QStringList{"x.001", "x.002", "x.003"} << QStringList{} << 2
                                            << QStringList{"x.002", "x.003"};
        QTest::newRow("numbered on past .999") << SeriesKind::Num << "" << QStringList{"x.001", "x.1002"} << QStringList{} << 1001
                                               << QStringList{"x.999", "x.1000", "x.1001", "x.1002"};
        QTest::newRow("rar parts, part 1 absent") << SeriesKind::RarParts << "x.part01.rar"
                                                  << QStringList{"x.part02.rar", "x.part04.rar"} << QStringList{} << 3
                                                  << QStringList{"x.part02.rar", "x.part03.rar", "x.part04.rar"};
        QTest::newRow("rar parts, part9 then part10") << SeriesKind::RarParts << "x.part1.rar"
                                                      << QStringList{"x.part1.rar", "x.part11.rar"} << QStringList{} << 10
                                                      << QStringList{"x.part9.rar", "x.part10.rar", "x.part11.rar"};
        QTest::newRow("zip, .z99 then .z100, .zip last") << SeriesKind::Zip << "x.z01"
                                                         << QStringList{"x.z01", "x.z100", "x.zip"} << QStringList{} << 100
                                                         << QStringList{"x.z99", "x.z100", "x.zip"};
        QTest::newRow("zip of two") << SeriesKind::Zip << "x.z01" << QStringList{"x.z01", "x.zip"} << QStringList{} << 1
                                    << QStringList{"x.zip"};
        QTest::newRow("rar, listed past the last found") << SeriesKind::Rar << ""
                                                         << QStringList{"x.rar", "x.r00", "x.r01"}
                                                         << QStringList{"X.R03", "x.r00", "x.r02", "y.r09", "x.r07.bak"}
                                                         << 4 << QStringList{"x.r02", "x.r03"};
        QTest::newRow("rar, listed before the last found") << SeriesKind::Rar << ""
                                                           << QStringList{"x.rar", "x.r00", "x.r01"}
                                                           << QStringList{"x.rar", "x.r00"} << 2
                                                           << QStringList{"x.r01"};
        QTest::newRow("rar parts, listed past the highest part") << SeriesKind::RarParts << "x.part1.rar"
                                                                 << QStringList{"x.part1.rar", "x.part2.rar"}
                                                                 << QStringList{"x.part4.rar", "x.part09.rar"} << 3
                                                                 << QStringList{"x.part3.rar", "x.part4.rar"};
        QTest::newRow("numbered, listed past the last found") << SeriesKind::Num << ""
                                                              << QStringList{"x.001", "x.002"}
                                                              << QStringList{"x.004", "x.rar"} << 3
                                                              << QStringList{"x.003", "x.004"};
        QTest::newRow("zip, listed parts before .zip") << SeriesKind::Zip << "x.z01" << QStringList{"x.z01", "x.zip"}
                                                       << QStringList{"x.z03", "y.z05"} << 3
                                                       << QStringList{"x.z02", "x.z03", "x.zip"};
        // A listed number of seven digits or more is no member and stretches no walk (no hang).
        QTest::newRow("rar parts, stray listed part") << SeriesKind::RarParts << "x.part1.rar"
                                                      << QStringList{"x.part1.rar", "x.part2.rar"}
                                                      << QStringList{"x.part999999999.rar"} << 1 << QStringList{"x.part2.rar"};
        QTest::newRow("zip, stray listed part") << SeriesKind::Zip << "x.z01" << QStringList{"x.z01", "x.zip"}
                                                << QStringList{"x.z999999999"} << 1 << QStringList{"x.zip"};
        QTest::newRow("numbered, stray listed volume") << SeriesKind::Num << "" << QStringList{"x.001", "x.002"}
                                                       << QStringList{"x.999999999"} << 1 << QStringList{"x.002"};
    }
    void walksGoPastGapsToTheLastFound()
    {
        QFETCH(SeriesKind, kind);
        QFETCH(QString, firstMember);
        QFETCH(QStringList, found);
        QFETCH(QStringList, listed);
        QFETCH(int, count);
        QFETCH(QStringList, lastNames);
        const QStringList names = WalkNames(series(kind, found, firstMember), listed);
        QCOMPARE(names.size(), count);
        QCOMPARE(names.mid(count - lastNames.size()), lastNames);
    }
};

QTEST_GUILESS_MAIN(MemberWalksTest)
#include "test_member_walks.moc"
