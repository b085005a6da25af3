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
        QTest::addColumn<QStringList>("problems");       // the size list, or in SFV mode the CRC list
        QTest::addColumn<QStringList>("sectionLines");   // from the missing section up to SUMMARY
        QTest::addColumn<QString>("countLine");
        const QString none = "No Files Are Missing From The Sequence";
        const QString noSize = "Number Of Files With Differing Sizes: ";
        const QString noCrc = "Number Of Files With Bad CRC Values: ";
        using L = QStringList;
        QTest::newRow("two missing") << false << L{"test.r01", "test.r02"} << L{}
            << L{"2 Files Are Missing From The Sequence:", "test.r01", "test.r02", "", "All File Sizes Match", ""} << noSize + "0";
        QTest::newRow("sfv, no mismatch") << true << L{} << L{}
            << L{none, "", "No Files Have Bad CRC Values", ""} << noCrc + "0";
        QTest::newRow("one size") << false << L{} << L{"test.r02"}
            << L{none, "", "test.r02 Has A Different Byte Size Than test.rar", ""} << noSize + "1";
        QTest::newRow("two sizes") << false << L{} << L{"test.r00", "test.r02"}
            << L{none, "", "2 Files Have A Different Byte Size Than test.rar", "test.r00", "test.r02", ""} << noSize + "2";
        QTest::newRow("one crc") << true << L{} << L{"test.r00"}
            << L{none, "", "test.r00 Has A Bad CRC Value.", ""} << noCrc + "1";
        QTest::newRow("two crcs") << true << L{} << L{"test.r00", "test.r03"}
            << L{none, "", "2 Files Have A Bad CRC Value:", "test.r00", "test.r03", ""} << noCrc + "2";
    }
    void sections()
    {
        QFETCH(bool, sfvMode);
        QFETCH(QStringList, missing);
        QFETCH(QStringList, problems);
        QFETCH(QStringList, sectionLines);
        QFETCH(QString, countLine);
        SeriesState& state = State();
        state.CheckWithSfv = sfvMode;
        state.MissingList = missing;
        (sfvMode ? state.CRCList : state.SizeList) = problems;
        const QStringList lines = ComposeReport();
        QCOMPARE(lines.mid(2, sectionLines.size() + 1), sectionLines + QStringList{"SUMMARY"});
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

    void startNameIsRebuiltFromTheKind()
    {
        const QList<QPair<QString, QString>> kinds{
            {"RAR", "movie.part.rar"}, {"ARJ", "movie.part.arj"}, {"ACE", "movie.part.ace"},
            {"NUM", "movie.part.001"}, {"rar", ""}, {"", ""}};
        State().BaseName = "movie.part";
        for (const auto& [kind, startName] : kinds) {
            State().SeriesKind = kind;
            const QStringList lines = ComposeReport();
            QCOMPARE(lines.first(), "For The Archive Sequence Starting With " + startName + "...");
            QVERIFY(lines.contains("Starting Archive Filename: " + startName));
        }
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
