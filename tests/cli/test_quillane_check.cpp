// test_quillane_check.cpp - quillane-check as a user runs it: output, report file and exit status.
#include "tests/support/TempSeries.h"

#include <QProcess>
#include <QtTest>

using namespace quil;
using test::TempSeries;

namespace {

struct Outcome {
    int status = -1;
    QString output;
    QString errors;
};

Outcome Run(const QStringList& arguments, const QString& folder)
{
    QProcess process;
    process.setWorkingDirectory(folder);
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("LC_ALL", "C.UTF-8");
    process.setProcessEnvironment(environment);
    process.start(QUILLANE_CHECK_PATH, arguments);
    if (!process.waitForFinished(60000))
        qFatal("quillane-check did not finish");
    return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError())};
}

}  // namespace

class QuillaneCheckTest : public QObject {
    Q_OBJECT
private slots:
    void sizeOnlyPrintsRowsThenTheReport()
    {
        TempSeries series;
        for (const char* name : {"test.rar", "test.r00", "test.r02"})
            series.add(name, 1000);
        const Outcome run = Run({"test.rar"}, series.folder());
        QCOMPARE(run.status, 1);
        QCOMPARE(run.errors, QString());  // not a terminal: no progress
        QCOMPARE(run.output.split('\n').mid(0, 6),
                 QStringList({"OK\ttest.rar\t1,000\tSkipped", "OK\ttest.r00\t1,000\tSkipped", "Missing\ttest.r01\t?\t?",
                              "OK\ttest.r02\t1,000\tSkipped", "", "For The Archive Sequence Starting With test.rar..."}));
        QVERIFY(!run.output.contains('\r'));
    }

    void crcReportShowsEachCrcAndComparesSizes()
    {
        TempSeries series;
        series.add("m.ace", 50);
        series.add("m.c00", 40);
        const Outcome run = Run({"--crc", "m.ace"}, series.folder());
        QCOMPARE(run.status, 1);
        QCOMPARE(run.output.split('\n').mid(0, 2),
                 QStringList({"OK\tm.ace\t0,050\t" + TempSeries::crcTextFor("m.ace", 50),
                              "Bad Size\tm.c00\t0,040\t" + TempSeries::crcTextFor("m.c00", 40)}));
        QVERIFY(run.output.contains("\nm.c00 Has A Different Byte Size Than m.ace\n"));
    }

    void cleanSfvCheckExitsZeroAndSavesTheReport()
    {
        TempSeries series;
        QByteArray sfv;
        for (const char* name : {"a.001", "a.002", "a.003"}) {
            series.add(name, 300);
            sfv += QByteArray(name) + ' ' + TempSeries::crcTextFor(name, 300).toLatin1() + "\r\n";
        }
        series.write("a.sfv", sfv);
        const Outcome run = Run({"--sfv", "a.sfv", "--save", "report.txt", "a.001"}, series.folder());
        QCOMPARE(run.status, 0);
        QVERIFY(run.output.startsWith("OK\ta.001\t0,300\t" + TempSeries::crcTextFor("a.001", 300) + "\n"));
        QFile saved(series.path("report.txt"));
        QVERIFY(saved.open(QIODevice::ReadOnly));
        const QByteArray bytes = saved.readAll();
        QVERIFY(bytes.startsWith("For The Archive Sequence Starting With a.001...\r\n"));  // CR LF in the file
        QCOMPARE(QString::fromUtf8(bytes).replace("\r\n", "\n"), run.output.mid(run.output.indexOf("\n\n") + 2));
    }

    // The demonstration series, written where no key can reach the window, shows its faults when checked.
    void demoSeriesIsWrittenAndChecksWithItsFaults()
    {
        TempSeries dir;
        const Outcome written = Run({"--demo-series", dir.folder()}, dir.folder());
        QCOMPARE(QStringList({QString::number(written.status), written.output, written.errors}),
                 QStringList({"0", "Test generation Complete\n", ""}));
        const Outcome checked = Run({"quiltest.rar"}, dir.folder());
        QCOMPARE(checked.status, 1);
        QVERIFY(checked.output.contains("Missing\tquiltest.r10\t?\t?\n"));
        QVERIFY(checked.output.contains("Bad Size\tquiltest.u54\t1,702\tSkipped\n"));
        QVERIFY(checked.output.contains("Total Errors/Differences Found: 9\n"));  // four missing, five short
    }

    void refusalsUsageHelpAndVersion_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("says");  // on standard error when refused, else on standard output
        QTest::newRow("not a start file") << QStringList{"x.r00"} << 2 << "Select an Archive File First!\n";
        QTest::newRow("one member") << QStringList{"lone.arj"} << 2 << "List Contains Only 1 File!\n";
        QTest::newRow("report not writable") << QStringList{"--save", "/proc/none/r.txt", "x.rar"} << 2
                                             << "Error While Saving Report File!\nCannot write /proc/none/r.txt: ";
        QTest::newRow("sfv file absent") << QStringList{"--sfv", "none.sfv", "x.rar"} << 2
                                         << "Error While Opening SFV File!\nCannot read ";
        QTest::newRow("both modes") << QStringList{"--sfv", "a.sfv", "--crc", "x.rar"} << 2 << "Usage: quillane-check";
        QTest::newRow("unknown option") << QStringList{"--fast", "x.rar"} << 2 << "Usage: quillane-check";
        QTest::newRow("no start file") << QStringList{"--crc"} << 2 << "Usage: quillane-check";
        QTest::newRow("value missing") << QStringList{"x.rar", "--save"} << 2 << "Usage: quillane-check";
        QTest::newRow("demo series not written") << QStringList{"--demo-series", "/proc/none"} << 2
                                                 << "Error While Creating Test Series!\n\n/proc/none/quiltest.r00: ";
        QTest::newRow("demo series and a start file") << QStringList{"--demo-series", ".", "x.rar"} << 2
                                                      << "Usage: quillane-check";
        QTest::newRow("help") << QStringList{"--help"} << 0 << "Usage: quillane-check [--sfv SFV_FILE | --crc]";
        QTest::newRow("version") << QStringList{"--version"} << 0 << "quillane-check (Quillane) ";
    }
    void refusalsUsageHelpAndVersion()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, status);
        QFETCH(QString, says);
        TempSeries series;
        for (const char* name : {"x.rar", "x.r00", "lone.arj"})
            series.add(name, 5);
        const Outcome run = Run(arguments, series.folder());
        QCOMPARE(run.status, status);
        QVERIFY2((status == 2 ? run.errors : run.output).contains(says), qPrintable(run.output + run.errors));
    }
};

QTEST_GUILESS_MAIN(QuillaneCheckTest)
#include "test_quillane_check.moc"
