// test_report_file.cpp - every way writing a report file can fail (the save command test covers a good write).
#include "report/ReportFile.h"

#include <QtTest>

using namespace quil;

class ReportFileTest : public QObject {
    Q_OBJECT
private slots:
    void failuresAreReported()
    {
        // A missing folder, a folder, and a full disk, where only the flush fails (skipped where there is none).
        for (const QString& path : {QString("/nonexistent-folder/report.txt"), QDir::tempPath(), QString("/dev/full")}) {
            if (path.startsWith("/dev/") && !QFileInfo::exists(path))
                continue;
            QVERIFY2(!SaveReportFile(path, "line one\r\nAvailable At https://x").isEmpty(), qPrintable(path));
        }
    }
};

QTEST_GUILESS_MAIN(ReportFileTest)
#include "test_report_file.moc"
