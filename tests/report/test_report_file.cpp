// test_report_file.cpp - every way writing a report file can fail (the save command test covers a good write).
#include "report/ReportFile.h"

#include <QtTest>

using namespace quil;

class ReportFileTest : public QObject {
    Q_OBJECT
private slots:
    void failuresAreReported_data()
    {
        QTest::addColumn<QString>("path");
        QTest::newRow("missing folder") << "/nonexistent-folder/report.txt";
        QTest::newRow("a folder") << QDir::tempPath();
        QTest::newRow("full disk") << "/dev/full";  // only the flush fails here
    }
    void failuresAreReported()
    {
        QFETCH(QString, path);
        if (!QFileInfo::exists(path) && path.startsWith("/dev/"))
            QSKIP("no /dev/full here");
        QVERIFY(!SaveReportFile(path, "line one\r\nAvailable At https://x").isEmpty());
    }
};

QTEST_GUILESS_MAIN(ReportFileTest)
#include "test_report_file.moc"
