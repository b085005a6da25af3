// test_report_file.cpp - writing a report file: whole or not at all, never onto what is no regular file.
// SPDX-License-Identifier: MIT
#include "report/ReportFile.h"
#include "series/RunResult.h"
#include "tests/support/FailingCalls.h"
#include "tests/support/TempSeries.h"

#include <QtTest>

#include <csignal>

#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

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
        QTest::addColumn<bool>("inPlace");  // no file can be made beside the target, so it is written over
        using Call = test::FailingCalls::Call;
        const auto row = [](const char* name, const char* target, qint64 limit, int call, int error, const char* reason,
                            bool inPlace = false) {
            QTest::newRow(name) << QString(target) << limit << call << error << QString(reason) << inPlace;
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
        row("a loop of links", "loop", 0, -1, 0, "Too many levels of symbolic links");
        row("a dangling link into a missing folder", "dangling", 0, -1, 0, "No such file or directory");
        row("in place: disk full before a byte", "old.txt", 0, int(Call::Allocate), ENOSPC, "No space left on device", true);
        row("in place: file size limit", "old.txt", 10, -1, 0, "File too large", true);
        row("in place: write: I/O error", "old.txt", 0, int(Call::Write), EIO, "Input/output error", true);
    }
    void failuresLeaveTheFolderAsItWas()
    {
        QFETCH(QString, target);
        QFETCH(qint64, sizeLimit);
        QFETCH(int, failingCall);
        QFETCH(int, error);
        QFETCH(QString, reason);
        QFETCH(bool, inPlace);
        test::TempSeries dir;
        dir.write("old.txt", "the old report\r\n");
        QVERIFY(QFile::link("loop", dir.path("loop")));
        QVERIFY(QFile::link("none/report.txt", dir.path("dangling")));
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
        if (inPlace)
            calls.fail(test::FailingCalls::Call::Open, EACCES, 1, 1);
        if (failingCall >= 0)
            calls.fail(test::FailingCalls::Call(failingCall), error);
        const crc::SystemCallsOverride installed(calls);
        const QString failure = SaveReportFile(dir.path(target), "a report longer than the limit", run);
        QCOMPARE(::setrlimit(RLIMIT_FSIZE, &original), 0);
        QCOMPARE(failure, "Cannot write " + dir.path(target) + ": " + reason);
        QCOMPARE(dir.snapshot(), before);
    }

    // A save replaces the whole file, or writes over it where no new file can be made or renamed
    // beside it; either way the file keeps its owner, group and permissions, and nothing else is left.
    void savesWholeOrInPlaceKeepingOwnerAndMode_data()
    {
        QTest::addColumn<int>("failingCall");  // a test::FailingCalls::Call, failing once; -1: none
        QTest::addColumn<int>("error");
        QTest::addColumn<bool>("inPlace");
        using Call = test::FailingCalls::Call;
        QTest::newRow("replaced") << -1 << 0 << false;
        QTest::newRow("a folder that cannot be written") << int(Call::Open) << EACCES << true;
        QTest::newRow("a sticky folder, another's file") << int(Call::Rename) << EPERM << true;
        QTest::newRow("an owner that cannot be kept") << int(Call::Fchown) << EPERM << true;
    }
    void savesWholeOrInPlaceKeepingOwnerAndMode()
    {
        QFETCH(int, failingCall);
        QFETCH(int, error);
        QFETCH(bool, inPlace);
        if (::geteuid() != 0)
            QSKIP("giving a file to another owner takes root");
        test::TempSeries dir;
        const QByteArray old = QFile::encodeName(dir.write("old.txt", "a much longer old report that must not show\r\n"));
        QCOMPARE(::chown(old.constData(), 1234, 5678), 0);
        QCOMPARE(::chmod(old.constData(), 0604), 0);
        struct stat before {};
        QCOMPARE(::stat(old.constData(), &before), 0);
        test::FailingCalls calls;
        if (failingCall >= 0)
            calls.fail(test::FailingCalls::Call(failingCall), error, 1, 1);
        {
            const crc::SystemCallsOverride installed(calls);
            QCOMPARE(SaveReportFile(dir.path("old.txt"), "new", RunResult()), QString());
        }
        QCOMPARE(QDir(dir.folder()).entryList(QDir::Files | QDir::Hidden), QStringList({"old.txt"}));
        QFile saved(dir.path("old.txt"));
        QVERIFY(saved.open(QIODevice::ReadOnly));
        QCOMPARE(saved.readAll(), QByteArray("new\r\n"));
        struct stat after {};
        QCOMPARE(::stat(old.constData(), &after), 0);
        QCOMPARE(after.st_ino == before.st_ino, inPlace);
        QCOMPARE(QList<uint>({after.st_uid, after.st_gid, after.st_mode & 07777}), QList<uint>({1234, 5678, 0604}));
    }

    // A save through a link writes where the link leads, as a plain write would: the links stay.
    void savesWhereALinkLeads_data()
    {
        QTest::addColumn<QStringList>("links");  // "name>where it leads", made in this order
        QTest::addColumn<QString>("written");    // the file that holds the report
        QTest::newRow("to a file in another folder") << QStringList{"link.txt>@/other/old.txt"} << "other/old.txt";
        QTest::newRow("a chain of relative links") << QStringList{"second>other/old.txt", "link.txt>second"}
                                                   << "other/old.txt";
        QTest::newRow("dangling, into a folder that can be written") << QStringList{"link.txt>other/new.txt"}
                                                                     << "other/new.txt";
    }
    void savesWhereALinkLeads()
    {
        QFETCH(QStringList, links);
        QFETCH(QString, written);
        test::TempSeries dir;
        QVERIFY(QDir(dir.folder()).mkdir("other"));
        dir.write("other/old.txt", "the old report, longer than the new\r\n");
        for (const QString& link : links) {
            const QString leads = link.section('>', 1).replace("@", dir.folder());
            QVERIFY(QFile::link(leads, dir.path(link.section('>', 0, 0))));
        }
        const QStringList folderBefore = QDir(dir.folder()).entryList(QDir::AllEntries | QDir::Hidden | QDir::System);
        QCOMPARE(SaveReportFile(dir.path("link.txt"), "new", RunResult()), QString());
        QCOMPARE(QDir(dir.folder()).entryList(QDir::AllEntries | QDir::Hidden | QDir::System), folderBefore);
        QVERIFY(QFileInfo(dir.path("link.txt")).isSymLink());
        QFile saved(dir.path(written));
        QVERIFY(saved.open(QIODevice::ReadOnly));
        QCOMPARE(saved.readAll(), QByteArray("new\r\n"));
        const QStringList others = QDir(dir.path("other")).entryList(QDir::Files | QDir::Hidden);
        QCOMPARE(others, written.endsWith("new.txt") ? QStringList({"new.txt", "old.txt"}) : QStringList({"old.txt"}));
    }

    // A name as long as the folder allows (in bytes; UTF-8 characters kept whole) saves, new or over a file.
    void aNameAsLongAsAllowedSaves()
    {
        test::TempSeries dir;
        for (const QString& name : {QString(251, u'r') + ".txt", QString(125, u'\u00e9') + ".txt"}) {
            QCOMPARE(QFile::encodeName(name).size() >= 254, true);
            for (int save = 0; save < 2; ++save)
                QCOMPARE(SaveReportFile(dir.path(name), "new", RunResult()), QString());
            QCOMPARE(QDir(dir.folder()).entryList(QDir::Files | QDir::Hidden), QStringList({name}));
            QVERIFY(QFile::remove(dir.path(name)));
        }
    }

    // SIGINT or SIGTERM in the middle of a save ends the program as ever, and takes the temporary
    // file with it.
    void aSignalDuringTheSaveLeavesNothingBehind_data()
    {
        QTest::addColumn<int>("signal");
        QTest::newRow("SIGINT") << SIGINT;
        QTest::newRow("SIGTERM") << SIGTERM;
    }
    void aSignalDuringTheSaveLeavesNothingBehind()
    {
        QFETCH(int, signal);
        test::TempSeries dir;
        dir.write("old.txt", "the old report\r\n");
        const QStringList before = dir.snapshot();
        const pid_t child = ::fork();
        QVERIFY(child >= 0);
        if (child == 0) {
            // As a shell starts a program; the test's own handlers are not the program's.
            std::signal(signal, SIG_DFL);
            struct SignalledWrite : crc::SystemCalls {
                int signal;
                ssize_t write(int fd, const void* buffer, std::size_t size) override
                {
                    ::raise(signal);
                    return SystemCalls::write(fd, buffer, size);
                }
            } calls;
            calls.signal = signal;
            const crc::SystemCallsOverride installed(calls);
            SaveReportFile(dir.path("old.txt"), "new", RunResult());
            ::_exit(0);
        }
        int status = 0;
        QCOMPARE(::waitpid(child, &status, 0), child);
        QVERIFY(WIFSIGNALED(status));
        QCOMPARE(WTERMSIG(status), signal);
        QCOMPARE(dir.snapshot(), before);
    }
};

QTEST_GUILESS_MAIN(ReportFileTest)
#include "test_report_file.moc"
