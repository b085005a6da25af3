// test_scan_report.cpp - the report lines composed from a run's state, and the report text.
// SPDX-License-Identifier: MIT
#include "report/Product.h"
#include "report/ScanReport.h"
#include "series/RunResult.h"

#include <QtTest>

using namespace quil;

class ScanReportTest : public QObject {
    Q_OBJECT

    static QString Footer() { return "Report Created By Quillane Version 3.1.005\r\nAvailable At " + ProductWebPage(); }

    RunResult run;

private slots:
    // The run of the worked example: test.r01 missing, sizes compared, all matching.
    void init()
    {
        run = {};
        run.CheckedSeries.StartName = "test.rar";
        run.CheckedSeries.SeqList = QStringList{"test.rar", "test.r00", "test.r02", "test.r03"};
        run.LastMemberName = "test.r03";
        run.MissingList = QStringList{"test.r01"};
    }

    void workedExample()
    {
        const QStringList expected{
            "For The Archive Sequence Starting With test.rar...", "",
            "test.r01 Is Missing From The Sequence:", "",
            "All File Sizes Match", "",
            "SUMMARY",
            "Starting Archive Filename: test.rar",
            "Ending Archive Filename: test.r03", "",
            "Number Of Missing Files: 1",
            "Number Of Files With Differing Sizes: 0",
            "Total Number Of Files: 4", "",
            "Total Errors/Differences Found: 1", ""};
        const QStringList lines = ComposeReport(run);
        QCOMPARE(lines, expected);
        QCOMPARE(ReportText(lines), expected.join("\r\n") + "\r\n" + Footer());
    }

    void sections_data()
    {
        QTest::addColumn<bool>("sfvMode");
        QTest::addColumn<QStringList>("missing");
        QTest::addColumn<QStringList>("problems");      // the size list, or in SFV mode the CRC list
        QTest::addColumn<QStringList>("sectionLines");  // from the missing section up to SUMMARY
        using L = QStringList;
        const QString none = "No Files Are Missing From The Sequence";
        const auto row = [](const char* name, bool sfv, L missing, L problems, L section) {
            QTest::newRow(name) << sfv << missing << problems << section;
        };
        row("two missing", false, {"test.r01", "test.r02"}, {},
            {"2 Files Are Missing From The Sequence:", "test.r01", "test.r02", "", "All File Sizes Match", ""});
        row("sfv, no mismatch", true, {}, {}, {none, "", "No Files Have Bad CRC Values", ""});
        row("one size", false, {}, {"test.r02"}, {none, "", "test.r02 Has A Different Byte Size Than test.rar", ""});
        row("two sizes", false, {}, {"test.r00", "test.r02"},
            {none, "", "2 Files Have A Different Byte Size Than test.rar", "test.r00", "test.r02", ""});
        row("one crc", true, {}, {"test.r00"}, {none, "", "test.r00 Has A Bad CRC Value.", ""});
        row("two crcs", true, {}, {"test.r00", "test.r03"},
            {none, "", "2 Files Have A Bad CRC Value:", "test.r00", "test.r03", ""});
    }
    void sections()
    {
        QFETCH(bool, sfvMode);
        QFETCH(QStringList, missing);
        QFETCH(QStringList, problems);
        QFETCH(QStringList, sectionLines);
        run.Mode = sfvMode ? CheckMode::SfvCheck : CheckMode::SizeOnly;
        run.MissingList = missing;
        (sfvMode ? run.CRCList : run.SizeList) = problems;
        (sfvMode ? run.SizeList : run.CRCList) = QStringList{"test.old"};  // the other mode's list: no section
        const QStringList lines = ComposeReport(run);
        QCOMPARE(lines.mid(2, sectionLines.size() + 1), sectionLines + QStringList{"SUMMARY"});
        // Only the mode's own count line appears, yet the total adds every list.
        const QString countLine = sfvMode ? "Number Of Files With Bad CRC Values: " : "Number Of Files With Differing Sizes: ";
        QCOMPARE(lines.filter("Number Of Files With"), QStringList{countLine + QString::number(problems.size())});
        QCOMPARE(lines.at(lines.size() - 2),
                 "Total Errors/Differences Found: " + QString::number(missing.size() + problems.size() + 1));
    }

    void textKeepsLinesButBlanksSpaceOnlyOnes()
    {
        QCOMPARE(ReportText({"   ", "  indented ", "", "last"}), "\r\n  indented \r\n\r\nlast\r\n" + Footer());
        QCOMPARE(ReportText({}), Footer());
    }
};

QTEST_GUILESS_MAIN(ScanReportTest)
#include "test_scan_report.moc"
