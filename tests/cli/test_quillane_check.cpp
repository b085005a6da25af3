// test_quillane_check.cpp - quillane-check as a user runs it: output, report file and exit status.
#include "tests/support/TempSeries.h"

#include <QProcess>
#include <QtTest>

using namespace quil;

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

QString CrcOf(const QString& name, qint64 size)
{
    return test::TempSeries::crcTextFor(name, size);
}

}  // namespace

class QuillaneCheckTest : public QObject {
    Q_OBJECT
private slots:
    void sizeOnlyPrintsRowsThenTheReport()
    {
        test::TempSeries series;
        for (const char* name : {"test.rar", "test.r00", "test.r02", "test.r03"})
            series.add(name, 1000);
        const Outcome run = Run({"test.rar"}, series.folder());
        QCOMPARE(run.status, 1);
        QCOMPARE(run.errors, QString());  // not a terminal: no progress
        const QStringList lines = run.output.split('\n');
        QCOMPARE(lines.mid(0, 5), QStringList({"OK\ttest.rar\t1,000\tSkipped", "OK\ttest.r00\t1,000\tSkipped",
                                               "Missing\ttest.r01\t?\t?", "OK\ttest.r02\t1,000\tSkipped",
                                               "OK\ttest.r03\t1,000\tSkipped"}));
        QCOMPARE(lines[5], QString());
        QCOMPARE(lines[6], QString("For The Archive Sequence Starting With test.rar..."));
        QVERIFY(run.output.contains("\ntest.r01 Is Missing From The Sequence:\n"));
        QVERIFY(run.output.endsWith("Available At https://quillane.example.org/\n"));
        QVERIFY(!run.output.contains('\r'));
    }

    void cleanSfvCheckExitsZeroAndSavesTheReport()
    {
        test::TempSeries series;
        QByteArray sfv;
        for (const char* name : {"a.001", "a.002", "a.003"}) {
            series.add(name, 300);
            sfv += QByteArray(name) + ' ' + CrcOf(name, 300).toLatin1() + "\r\n";
        }
        series.write("a.sfv", sfv);
        const Outcome run = Run({"--sfv", "a.sfv", "--save", "report.txt", "a.001"}, series.folder());
        QCOMPARE(run.status, 0);
        QVERIFY(run.output.startsWith("OK\ta.001\t0,300\t" + CrcOf("a.001", 300) + "\n"));
        QVERIFY(run.output.contains("No Files Have Bad CRC Values"));
        QFile saved(series.path("report.txt"));
        QVERIFY(saved.open(QIODevice::ReadOnly));
        const QByteArray bytes = saved.readAll();
        QVERIFY(bytes.startsWith("For The Archive Sequence Starting With a.001...\r\n\r\n"));
        QVERIFY(bytes.endsWith("Available At https://quillane.example.org/\r\n"));
        const QString reportPart = run.output.mid(run.output.indexOf("\n\n") + 2);
        QCOMPARE(QString::fromUtf8(bytes).replace("\r\n", "\n"), reportPart);
    }

    void refusalsAndUsage_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("message");
        QTest::newRow("no such start file") << QStringList{"absent.rar"} << "Select an Archive File First!\n";
        QTest::newRow("not a start file") << QStringList{"x.r00"} << "Select an Archive File First!\n";
        QTest::newRow("one member") << QStringList{"lone.arj"} << "List Contains Only 1 File!\n";
        QTest::newRow("sfv missing") << QStringList{"--sfv", "none.sfv", "x.rar"} << "Error While Opening SFV File!\n";
        QTest::newRow("report not writable") << QStringList{"--save", "/proc/none/r.txt", "x.rar"}
                                             << "Error While Saving Report File!\n";
        QTest::newRow("both modes") << QStringList{"--sfv", "a.sfv", "--crc", "x.rar"} << "";
        QTest::newRow("unknown option") << QStringList{"--fast", "x.rar"} << "";
        QTest::newRow("no start file") << QStringList{"--crc"} << "";
        QTest::newRow("value missing") << QStringList{"x.rar", "--save"} << "";
    }
    void refusalsAndUsage()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, message);
        test::TempSeries series;
        series.add("x.rar", 5);
        series.add("x.r00", 5);
        series.add("lone.arj", 5);
        const Outcome run = Run(arguments, series.folder());
        QCOMPARE(run.status, 2);
        if (message.isEmpty())
            QVERIFY(run.errors.contains("Usage: quillane-check"));
        else
            QCOMPARE(run.errors, message);
    }

    void helpAndVersion()
    {
        const Outcome help = Run({"--help"}, QDir::tempPath());
        QCOMPARE(help.status, 0);
        QVERIFY(help.output.startsWith("Usage: quillane-check [--sfv SFV_FILE | --crc] [--save REPORT_FILE] START_FILE"));
        const Outcome version = Run({"--version"}, QDir::tempPath());
        QCOMPARE(version.status, 0);
        QCOMPARE(version.output, QString("quillane-check (Quillane) 3.1.005\n"));
    }
};

QTEST_GUILESS_MAIN(QuillaneCheckTest)
#include "test_quillane_check.moc"
