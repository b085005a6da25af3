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

    static QStringList walked(SeriesKind kind, const QStringList& found, const QString& firstMember = {})
    {
        return WalkNames(series(kind, found, firstMember));
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
    void walksGoPastGapsToTheLastFound_data()
    {
        QTest::addColumn<SeriesKind>("kind");
        QTest::addColumn<QString>("firstMember");
        QTest::addColumn<QStringList>("found");
        QTest::addColumn<int>("count");
        QTest::addColumn<QStringList>("lastNames");
        QTest::newRow("rar past a gap") << SeriesKind::Rar << "" << QStringList{"x.rar", "x.r00", "x.r07"} << 8
                                        << QStringList{"x.r06", "x.r07"};
        QTest::newRow("rar to its very last name") << SeriesKind::Rar << "" << QStringList{"x.rar", "x.z99"} << 900
                                                   << QStringList{"x.z99"};
        QTest::newRow("arj never meeting the last found") << SeriesKind::Arj << ""
                                                          << QStringList{"x.arj", "x.a01", "x.a02", "x.050"} << 999
                                                          << QStringList{"x.999"};
        QTest::newRow("numbered from .000") << SeriesKind::Num << "" << QStringList{"x.000", "x.001", "x.002"} << 2
                                            << QStringList{"x.001", "x.002"};
        QTest::newRow("numbered from .001") << SeriesKind::Num << "" << QStringList{"x.001", "x.002", "x.003"} << 2
                                            << QStringList{"x.002", "x.003"};
        QTest::newRow("numbered on past .999") << SeriesKind::Num << "" << QStringList{"x.001", "x.1002"} << 1001
                                               << QStringList{"x.999", "x.1000", "x.1001", "x.1002"};
        QTest::newRow("rar parts, part 1 absent") << SeriesKind::RarParts << "x.part01.rar"
                                                  << QStringList{"x.part02.rar", "x.part04.rar"} << 3
                                                  << QStringList{"x.part02.rar", "x.part03.rar", "x.part04.rar"};
        QTest::newRow("rar parts, part9 then part10") << SeriesKind::RarParts << "x.part1.rar"
                                                      << QStringList{"x.part1.rar", "x.part11.rar"} << 10
                                                      << QStringList{"x.part9.rar", "x.part10.rar", "x.part11.rar"};
        QTest::newRow("zip, .z99 then .z100, .zip last") << SeriesKind::Zip << "x.z01"
                                                         << QStringList{"x.z01", "x.z100", "x.zip"} << 100
                                                         << QStringList{"x.z99", "x.z100", "x.zip"};
        QTest::newRow("zip of two") << SeriesKind::Zip << "x.z01" << QStringList{"x.z01", "x.zip"} << 1
                                    << QStringList{"x.zip"};
    }
    void walksGoPastGapsToTheLastFound()
    {
        QFETCH(SeriesKind, kind);
        QFETCH(QString, firstMember);
        QFETCH(QStringList, found);
        QFETCH(int, count);
        QFETCH(QStringList, lastNames);
        const QStringList names = walked(kind, found, firstMember);
        QCOMPARE(names.size(), count);
        QCOMPARE(names.mid(count - lastNames.size()), lastNames);
    }
};

QTEST_GUILESS_MAIN(MemberWalksTest)
#include "test_member_walks.moc"
