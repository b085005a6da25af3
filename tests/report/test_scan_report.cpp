// test_scan_report.cpp - the report lines composed from a run's state, and the report text.
#include "report/Product.h"
#include "report/ScanReport.h"
#include "series/SeriesState.h"

#include <QtTest>

using namespace quil;

namespace {

// The state the worked example leaves: test.r01 missing, sizes compared, all matching.
void SetUpRarRunMissingR01()
{
    ResetState();
    SeriesState& state = State();
    state.SeriesKind = "RAR";
    state.BaseName = "test";
    state.SeqList = QStringList{"test.rar", "test.r00", "test.r02", "test.r03"};
    state.LastMemberName = "test.r03";
    state.MissingList = QStringList{"test.r01"};
}

QString Footer()
{
    return "Report Created By Quillane Version 3.1.005\r\nAvailable At " + ProductWebPage();
}

}  // namespace

class ScanReportTest : public QObject {
    Q_OBJECT
private slots:
    void init() { SetUpRarRunMissingR01(); }

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
        const QStringList lines = ComposeReport();
        QCOMPARE(lines, expected);
        QCOMPARE(ComposeReport(), lines);
        QCOMPARE(ReportText(lines), expected.join("\r\n") + "\r\n" + Footer());
    }

    void sections_data()
    {
        QTest::addColumn<bool>("sfvMode");
        QTest::addColumn<QStringList>("missing");
        QTest::addColumn<QStringList>("sizes");
        QTest::addColumn<QStringList>("crcs");
        QTest::addColumn<QStringList>("sectionLines");  // from the missing section to the blank before SUMMARY
        QTest::addColumn<QString>("countLine");
        QTest::newRow("two missing") << false << QStringList{"test.r01", "test.r02"} << QStringList{} << QStringList{}
            << QStringList{"2 Files Are Missing From The Sequence:", "test.r01", "test.r02", "", "All File Sizes Match", ""}
            << "Number Of Files With Differing Sizes: 0";
        QTest::newRow("sfv, no mismatch") << true << QStringList{} << QStringList{} << QStringList{}
            << QStringList{"No Files Are Missing From The Sequence", "", "No Files Have Bad CRC Values", ""}
            << "Number Of Files With Bad CRC Values: 0";
        QTest::newRow("one size") << false << QStringList{} << QStringList{"test.r02"} << QStringList{}
            << QStringList{"No Files Are Missing From The Sequence", "", "test.r02 Has A Different Byte Size Than test.rar", ""}
            << "Number Of Files With Differing Sizes: 1";
        QTest::newRow("two sizes") << false << QStringList{} << QStringList{"test.r00", "test.r02"} << QStringList{}
            << QStringList{"No Files Are Missing From The Sequence", "",
                           "2 Files Have A Different Byte Size Than test.rar", "test.r00", "test.r02", ""}
            << "Number Of Files With Differing Sizes: 2";
        QTest::newRow("one crc") << true << QStringList{} << QStringList{} << QStringList{"test.r00"}
            << QStringList{"No Files Are Missing From The Sequence", "", "test.r00 Has A Bad CRC Value.", ""}
            << "Number Of Files With Bad CRC Values: 1";
        QTest::newRow("two crcs") << true << QStringList{} << QStringList{} << QStringList{"test.r00", "test.r03"}
            << QStringList{"No Files Are Missing From The Sequence", "", "2 Files Have A Bad CRC Value:", "test.r00",
                           "test.r03", ""}
            << "Number Of Files With Bad CRC Values: 2";
    }
    void sections()
    {
        QFETCH(bool, sfvMode);
        QFETCH(QStringList, missing);
        QFETCH(QStringList, sizes);
        QFETCH(QStringList, crcs);
        QFETCH(QStringList, sectionLines);
        QFETCH(QString, countLine);
        SeriesState& state = State();
        state.CheckWithSfv = sfvMode;
        state.MissingList = missing;
        state.SizeList = sizes;
        state.CRCList = crcs;
        const QStringList lines = ComposeReport();
        QCOMPARE(lines.mid(2, sectionLines.size()), sectionLines);
        QCOMPARE(lines.mid(2 + sectionLines.size()).at(0), QString("SUMMARY"));
        QVERIFY(lines.contains(countLine));
        QCOMPARE(lines.filter("Number Of Files With").size(), 1);
    }

    void totalAddsEveryListWhateverTheMode()
    {
        SeriesState& state = State();
        state.CheckWithSfv = true;
        state.SizeList = QStringList{"test.r00"};
        state.CRCList = QStringList{"test.r02", "test.r03"};
        QVERIFY(ComposeReport().contains("Total Errors/Differences Found: 4"));
        state.SeqList.clear();
        QVERIFY(ComposeReport().contains("Total Number Of Files: 0"));
    }

    void startNameIsRebuiltFromTheKind_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("startName");
        QTest::newRow("RAR") << "RAR" << "movie.part.rar";
        QTest::newRow("ARJ") << "ARJ" << "movie.part.arj";
        QTest::newRow("ACE") << "ACE" << "movie.part.ace";
        QTest::newRow("NUM") << "NUM" << "movie.part.001";
        QTest::newRow("lower-case kind is unknown") << "rar" << "";
        QTest::newRow("no kind") << "" << "";
    }
    void startNameIsRebuiltFromTheKind()
    {
        QFETCH(QString, kind);
        QFETCH(QString, startName);
        State().SeriesKind = kind;
        State().BaseName = "movie.part";
        const QStringList lines = ComposeReport();
        QCOMPARE(lines.first(), "For The Archive Sequence Starting With " + startName + "...");
        QVERIFY(lines.contains("Starting Archive Filename: " + startName));
    }

    void textKeepsLinesButBlanksSpaceOnlyOnes()
    {
        QCOMPARE(ReportText({"   ", "  indented ", "", "last"}),
                 "\r\n  indented \r\n\r\nlast\r\n" + Footer());
        QCOMPARE(ReportText({}), Footer());
    }
};

QTEST_GUILESS_MAIN(ScanReportTest)
#include "test_scan_report.moc"
