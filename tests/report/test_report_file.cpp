// test_report_file.cpp - writing a report to a file, and every way that can fail.
#include "report/ReportFile.h"
#include "tests/support/TempSeries.h"

#include <QtTest>

using namespace quil;

namespace {

const QString kReport = QStringLiteral("line one\r\n\r\nReport Created By X\r\nAvailable At https://x");

QByteArray ReadAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

}  // namespace

class ReportFileTest : public QObject {
    Q_OBJECT
private slots:
    void writesTextWithOneLineEndAndReplacesOldContents()
    {
        test::TempSeries dir;
        const QString path = dir.write("report.txt", QByteArray(4096, 'x'));
        QCOMPARE(SaveReportFile(path, kReport), QString());
        const QByteArray first = ReadAll(path);
        QCOMPARE(first, (kReport + "\r\n").toLocal8Bit());
        QCOMPARE(SaveReportFile(path, kReport), QString());
        QCOMPARE(ReadAll(path), first);
    }

    void failuresAreReported_data()
    {
        QTest::addColumn<QString>("path");
        QTest::newRow("missing folder") << "/nonexistent-folder/report.txt";
        QTest::newRow("a folder") << QDir::tempPath();
        QTest::newRow("full disk") << "/dev/full";
    }
    void failuresAreReported()
    {
        QFETCH(QString, path);
        if (path == "/dev/full" && !QFileInfo::exists(path))
            QSKIP("no /dev/full here");
        QVERIFY(!SaveReportFile(path, kReport).isEmpty());
    }
};

QTEST_GUILESS_MAIN(ReportFileTest)
#include "test_report_file.moc"
