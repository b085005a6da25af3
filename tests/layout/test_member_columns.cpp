// test_member_columns.cpp - the member list's column unit and captions, and twip rounding.
// SPDX-License-Identifier: MIT
#include "layout/MemberColumns.h"
#include "layout/TwipUnits.h"

#include <QtTest>

using namespace quil;

class MemberColumnsTest : public QObject {
    Q_OBJECT
private slots:
    void columnsAndRounding()
    {
        // 668.75; exact; a half goes to even, down and up; narrower than the border; wider than 16 bits hold.
        for (const auto& [listWidth, unit] : std::initializer_list<std::pair<double, int>>{
                 {8175, 669}, {1950, 150}, {8172, 668}, {8184, 670}, {100, 0}, {1.0e7, 32767}})
            QVERIFY2(ColumnUnit(listWidth) == unit, qPrintable(QStringLiteral("list width %1").arg(listWidth)));
        // The column widths are checked in pixels on the shown window (tests/app); the captions only here.
        const auto columns = MemberColumns(8175);
        QCOMPARE((QStringList{columns[0].Caption, columns[1].Caption, columns[2].Caption}),
                 (QStringList{"Filename", "Byte Size", "CRC-32"}));
        QCOMPARE(RoundHalfEven(-2.5), -2);
        QCOMPARE(RoundHalfEven(1.0e12), std::numeric_limits<qint32>::max());
        QCOMPARE(TwipsToPixels(22.5), 2);  // 1.5 pixels
    }
};

QTEST_GUILESS_MAIN(MemberColumnsTest)
#include "test_member_columns.moc"
