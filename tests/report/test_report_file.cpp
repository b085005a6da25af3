// test_report_file.cpp - writing a report file: whole or not at all, never onto what is no regular file.
// SPDX-License-Identifier: MIT
#include "report/ReportFile.h"
#include "series/RunResult.h"
#include "tests/support/FailingCalls.h"
#include "tests/support/TempSeries.h"

#include <QtTest>

#include <sys/resource.h>
#include <sys/stat.h>

using namespace quil;

class ReportFileTest : public QObject {
    Q_OBJECT
private slots:
    // In a folder holding old.txt, a FIFO, a subfolder and the SFV file and a volume the run read:
    // each failure names the path and why, and the folder is as it was: no partial report, nothing
    // beside it.
    void failuresLeaveTheFolderAsItWas_data()
    {
        QTest::addColumn<QString>("target");
        QTest::addColumn<qint64>("sizeLimit");  // the process's file size limit during the save; 0: none
        QTest::addColumn<int>("failingCall");   // a test::FailingCalls::Call; -1: none
        QTest::addColumn<int>("error");
        QTest::addColumn<QString>("reason");
        using Call = test::FailingCalls::Call;
        const auto row = [](const char* name, const char* target, qint64 limit, int call, int error, const char* reason) {
            QTest::newRow(name) << QString(target) << limit << call << error << QString(reason);
        };
        row("missing folder", "none/report.txt", 0, -1, 0, "No such file or directory");
        row("a folder", "sub", 0, -1, 0, "not a regular file");
        row("a FIFO, which would block", "fifo", 0, -1, 0, "not a regular file");
        row("the run's SFV file", "x.sfv", 0, -1, 0, "it is the SFV file of the check");
        row("a volume the run read", "x.r00", 0, -1, 0, "it is a volume of the series");
        row("file size limit, over a file", "old.txt", 10, -1, 0, "File too large");
        row("file size limit, a new file", "new.txt", 10, -1, 0, "File too large");
        row("open: no access", "old.txt", 0, int(Call::Open), EACCES, "Permission denied");
        row("write: disk full", "old.txt", 0, int(Call::Write), ENOSPC, "No space left on device");
        row("write: I/O error", "new.txt", 0, int(Call::Write), EIO, "Input/output error");
        row("fsync: I/O error", "old.txt", 0, int(Call::Fsync), EIO, "Input/output error");
        row("close: I/O error", "old.txt", 0, int(Call::Close), EIO, "Input/output error");
        row("rename: I/O error", "old.txt", 0, int(Call::Rename), EIO, "Input/output error");
    }
    void failuresLeaveTheFolderAsItWas()
    {
        QFETCH(QString, target);
        QFETCH(qint64, sizeLimit);
        QFETCH(int, failingCall);
        QFETCH(int, error);
        QFETCH(QString, reason);
        test::TempSeries dir;
        dir.write("old.txt", "the old report\r\n");
        RunResult run;
        run.SfvPath = dir.write("x.sfv", "x.r00 00000000\r\n");
        run.ExaminedPaths = QStringList{dir.add("x.rar", 5), dir.add("x.r00", 5)};
        QVERIFY(QDir(dir.folder()).mkdir("sub"));
        QCOMPARE(::mkfifo(QFile::encodeName(dir.path("fifo")).constData(), 0600), 0);
        const QStringList before = dir.snapshot();
        rlimit original {};
        QCOMPARE(::getrlimit(RLIMIT_FSIZE, &original), 0);
        if (sizeLimit > 0) {
            const rlimit limited{rlim_t(sizeLimit), original.rlim_max};
            QCOMPARE(::setrlimit(RLIMIT_FSIZE, &limited), 0);
        }
        test::FailingCalls calls;
        if (failingCall >= 0)
            calls.fail(test::FailingCalls::Call(failingCall), error);
        const crc::SystemCallsOverride installed(calls);
        const QString failure = SaveReportFile(dir.path(target), "a report longer than the limit", run);
        QCOMPARE(::setrlimit(RLIMIT_FSIZE, &original), 0);
        QCOMPARE(failure, "Cannot write " + dir.path(target) + ": " + reason);
        QCOMPARE(dir.snapshot(), before);
    }

    // A save replaces the whole file, keeping its permissions; through a link, the file it names.
    void saveReplacesTheFileALinkNames()
    {
        test::TempSeries dir;
        dir.write("old.txt", "a much longer old report that must not show through\r\n");
        QVERIFY(QFile::setPermissions(dir.path("old.txt"), QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup));
        QVERIFY(QFile::link(dir.path("old.txt"), dir.path("link.txt")));
        QCOMPARE(SaveReportFile(dir.path("link.txt"), "new", RunResult()), QString());
        QCOMPARE(QDir(dir.folder()).entryList(QDir::Files | QDir::Hidden), QStringList({"link.txt", "old.txt"}));
        QVERIFY(QFileInfo(dir.path("link.txt")).isSymLink());
        QFile saved(dir.path("old.txt"));
        QVERIFY(saved.open(QIODevice::ReadOnly));
        QCOMPARE(saved.readAll(), QByteArray("new\r\n"));
        struct stat info {};
        QCOMPARE(::stat(QFile::encodeName(dir.path("old.txt")).constData(), &info), 0);
        QCOMPARE(info.st_mode & 07777, mode_t(0640));
    }
};

QTEST_GUILESS_MAIN(ReportFileTest)
#include "test_report_file.moc"
