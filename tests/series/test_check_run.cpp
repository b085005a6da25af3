// test_check_run.cpp - whole check runs over real series on disk, in each mode.
// SPDX-License-Identifier: MIT
#include "crc/clsCRC.h"
#include "report/ScanReport.h"
#include "series/CheckRun.h"
#include "series/CheckWorker.h"
#include "series/Recognition.h"
#include "series/SfvLookup.h"
#include "prompts/StatusPopup.h"
#include "tests/support/FailingCalls.h"
#include "tests/support/RecordingView.h"
#include "tests/support/TempSeries.h"

#include <QFile>
#include <QSignalSpy>
#include <QtTest>

#include <algorithm>
#include <mutex>

#include <sys/stat.h>

using namespace quil;

class CheckRunTest : public QObject {
    Q_OBJECT

    test::RecordingView view;
    clsCRC crc;

    static Series recognised(const test::TempSeries& dir, const QString& startFile)
    {
        const std::optional<Series> series = RecognizeSeries(dir.folder(), startFile);
        if (!series)
            qFatal("%s is not a start file", qPrintable(startFile));
        return *series;
    }

    // Adds each of `files`, written "name" (10 bytes) or "name:size".
    static void add(test::TempSeries& series, const QStringList& files)
    {
        for (const QString& file : files)
            series.add(file.section(':', 0, 0), file.contains(':') ? file.section(':', 1).toLongLong() : 10);
    }

    // A sparse volume of 4 GiB: no disk, yet reading it takes far longer than a Stop takes to act.
    static void addLarge(test::TempSeries& series, const char* name)
    {
        QFile large(series.path(name));
        if (!large.open(QIODevice::WriteOnly) || !large.resize(qint64{4} << 30))
            qFatal("cannot make %s", name);
    }

    static QString crcOf(const QString& name, qint64 size) { return test::TempSeries::crcTextFor(name, size); }

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }

    void init() { view = {}; }

    void eachModeGivesItsVerdicts_data()
    {
        QTest::addColumn<CheckMode>("mode");
        QTest::addColumn<MemberStatus>("faultyVerdict");
        QTest::newRow("sizes only") << CheckMode::SizeOnly << MemberStatus::BadSize;
        QTest::newRow("crc report") << CheckMode::CrcReport << MemberStatus::BadSize;
        // No SFV line for x.r01: its CRC fails and its short size goes unnoticed.
        QTest::newRow("sfv check") << CheckMode::SfvCheck << MemberStatus::BadCrc;
    }

    // Written in capitals, the series checks like one in lower case. A folder and a FIFO named as
    // members are missing and never opened: reading the FIFO would hang the run.
    void eachModeGivesItsVerdicts()
    {
        QFETCH(CheckMode, mode);
        QFETCH(MemberStatus, faultyVerdict);
        test::TempSeries dir;
        add(dir, {"X.RAR:100", "X.R00:100", "X.R04:100", "X.R01:60"});
        QVERIFY(QDir(dir.folder()).mkdir("X.R02"));
        QCOMPARE(::mkfifo(QFile::encodeName(dir.path("X.R03")).constData(), 0600), 0);
        const SfvTable sfv = SfvTable::Parse(("; made by hand\r\nX.RAR " + crcOf("X.RAR", 100).toLower() + "\nx.r00 "
                                              + crcOf("X.R00", 100) + "\nx.r04 " + crcOf("X.R04", 100) + "\n")
                                                 .toUtf8());
        CheckRun run(view, crc);
        const RunResult result = run.Run(recognised(dir, "X.RAR"), mode, &sfv);
        QVERIFY(!result.Cancelled);
        QCOMPARE(view.statuses(), QList<MemberStatus>({MemberStatus::OK, MemberStatus::OK, faultyVerdict,
                                                       MemberStatus::Missing, MemberStatus::Missing, MemberStatus::OK}));
        QCOMPARE(view.rows.at(2), (MemberRow{"x.r01", "0,060", mode == CheckMode::SizeOnly ? "Skipped" : crcOf("X.R01", 60),
                                             faultyVerdict, "", 60, "", "X.R01"}));
        // Only an SFV check's rows carry what the SFV file lists for them.
        QCOMPARE(view.rows.at(0).expectedCrc, mode == CheckMode::SfvCheck ? crcOf("X.RAR", 100) : QString());
        const QString folderReason = "Cannot read " + dir.path("X.R02") + ": not a regular file";
        QCOMPARE(view.rows.at(3), (MemberRow{"x.r02", "?", "?", MemberStatus::Missing, folderReason}));
        QCOMPARE(result.Rows, view.rows);
        QCOMPARE(result.MissingList, QStringList({"x.r02", "x.r03"}));
        QCOMPARE(mode == CheckMode::SfvCheck ? result.CRCList : result.SizeList, QStringList({"x.r01"}));
        QCOMPARE(result.ProblemsFound(), 3);
        QCOMPARE(result.LastMemberName, QString("x.r04"));
        QCOMPARE(result.ReferenceSize, qint64(100));
    }

    // Each newer kind over a real set, sizes compared: the rows from the set's first name to its last
    // found, the reference size, and the report naming the set's own files.
    void newerKindsCheckRealSets_data()
    {
        QTest::addColumn<QStringList>("files");  // "name:size"
        QTest::addColumn<QString>("startFile");
        QTest::addColumn<int>("rowCount");
        QTest::addColumn<QStringList>("notOk");        // "name status" of each row that is not OK, in order
        QTest::addColumn<qint64>("referenceSize");
        QTest::addColumn<QStringList>("firstAndLast");  // the first and last row, as the report names them
        QTest::newRow("rar parts: gap, short last part, mixed case")
            << QStringList{"Movie.Part01.rar:100", "MOVIE.PART02.RAR:100", "movie.part04.rar:100",
                           "movie.part05.rar:40"}
            << "Movie.Part01.rar" << 5 << QStringList{"movie.part03.rar Missing", "movie.part05.rar Bad Size"}
            << qint64(100) << QStringList{"movie.part01.rar", "movie.part05.rar"};
        QTest::newRow("rar parts: part 1 missing, the first part present is the reference")
            << QStringList{"m.part2.rar:60", "m.part3.rar:100"} << "m.part2.rar" << 3
            << QStringList{"m.part1.rar Missing", "m.part3.rar Bad Size"} << qint64(60)
            << QStringList{"m.part1.rar", "m.part3.rar"};
        QStringList zip{"S.ZIP:4"};
        for (int part = 1; part <= 100; ++part)
            if (part != 50)
                zip << QStringLiteral("s.z%1:10").arg(part, 2, 10, QChar(u'0'));
        QTest::newRow("zip: gap, past .z99, short .zip last")
            << zip << "S.ZIP" << 101 << QStringList{"s.z50 Missing", "s.zip Bad Size"} << qint64(10)
            << QStringList{"s.z01", "s.zip"};
    }
    void newerKindsCheckRealSets()
    {
        QFETCH(QStringList, files);
        QFETCH(QString, startFile);
        QFETCH(int, rowCount);
        QFETCH(QStringList, notOk);
        QFETCH(qint64, referenceSize);
        QFETCH(QStringList, firstAndLast);
        test::TempSeries dir;
        add(dir, files);
        CheckRun run(view, crc);
        const RunResult result = run.Run(recognised(dir, startFile), CheckMode::SizeOnly);
        QCOMPARE(result.Rows.size(), rowCount);
        QStringList problems;
        for (const MemberRow& row : result.Rows)
            if (row.status != MemberStatus::OK)
                problems << row.name + ' ' + StatusWord(row.status);
        QCOMPARE(problems, notOk);
        QCOMPARE(result.ReferenceSize, referenceSize);
        QCOMPARE(QStringList({result.Rows.first().name, result.Rows.last().name}), firstAndLast);
        const QStringList report = ComposeReport(result);
        QVERIFY(report.contains("Starting Archive Filename: " + firstAndLast.first()));
        QVERIFY(report.contains("Ending Archive Filename: " + firstAndLast.last()));
    }

    // The volumes an SFV file lists after the last one present are missing, in walk order, and
    // count as a gap does; entries of another series stay out of the rows.
    void sfvListedVolumesPastTheLastArePresentOrMissing_data()
    {
        QTest::addColumn<QStringList>("files");   // the start file first
        QTest::addColumn<QStringList>("absent");  // listed in the SFV file too
        QTest::addColumn<QStringList>("rows");
        QTest::newRow("rar") << QStringList{"a.rar", "a.r00", "a.r01"} << QStringList{"a.r02", "A.R03", "b.r04"}
                             << QStringList{"a.rar OK", "a.r00 OK", "a.r01 OK", "a.r02 Missing", "a.r03 Missing"};
        QTest::newRow("split zip, .zip last") << QStringList{"z.zip", "z.z01"} << QStringList{"z.z02"}
                                              << QStringList{"z.z01 OK", "z.z02 Missing", "z.zip OK"};
    }
    void sfvListedVolumesPastTheLastArePresentOrMissing()
    {
        QFETCH(QStringList, files);
        QFETCH(QStringList, absent);
        QFETCH(QStringList, rows);
        test::TempSeries dir;
        add(dir, files);
        QByteArray listing;
        for (const QString& name : files + absent)
            listing += (name + ' ' + crcOf(name, 10) + '\n').toUtf8();
        const SfvTable sfv = SfvTable::Parse(listing);
        CheckRun run(view, crc);
        const RunResult result = run.Run(recognised(dir, files.first()), CheckMode::SfvCheck, &sfv);
        QStringList shown;
        for (const MemberRow& row : result.Rows)
            shown << row.name + ' ' + StatusWord(row.status);
        QCOMPARE(shown, rows);
        QCOMPARE(result.MissingList.size(), rows.filter(QRegularExpression(" Missing$")).size());
        QVERIFY(ComposeReport(result).contains(
            QStringLiteral("Total Errors/Differences Found: %1").arg(result.MissingList.size())));
    }

    // A size message names the file the sizes were compared with: the first member examined, which is not
    // always the start file, as it is named on disk.
    void sizeMessagesNameTheFirstMemberExamined_data()
    {
        QTest::addColumn<QStringList>("files");  // "name:size", the start file first
        QTest::addColumn<QString>("shortMember");
        QTest::addColumn<QString>("reference");
        QTest::newRow("numbered led by a .000") << QStringList{"n.001:4", "n.000:10", "n.002:10"} << "n.001" << "n.000";
        QTest::newRow("numbered, .000 in capitals") << QStringList{"n.001:4", "N.000:10", "n.002:10"} << "n.001"
                                                    << "N.000";
        QTest::newRow("numbered without a .000") << QStringList{"n.001:10", "n.002:4"} << "n.002" << "n.001";
        QTest::newRow("rar picked in capitals") << QStringList{"X.RAR:10", "x.r00:4"} << "x.r00" << "X.RAR";
        QTest::newRow("rar parts from part 2") << QStringList{"m.part2.rar:4", "m.part1.rar:10"} << "m.part2.rar"
                                               << "m.part1.rar";
        QTest::newRow("rar parts without part 1") << QStringList{"m.part2.rar:10", "m.part3.rar:4"} << "m.part3.rar"
                                                  << "m.part2.rar";
        QTest::newRow("split zip") << QStringList{"s.zip:4", "S.Z01:10"} << "s.zip" << "S.Z01";
    }
    void sizeMessagesNameTheFirstMemberExamined()
    {
        QFETCH(QStringList, files);
        QFETCH(QString, shortMember);
        QFETCH(QString, reference);
        test::TempSeries dir;
        add(dir, files);
        CheckRun run(view, crc);
        const RunResult result = run.Run(recognised(dir, files.first().section(':', 0, 0)), CheckMode::SizeOnly);
        QCOMPARE(result.SizeList, QStringList{shortMember});
        const auto isShort = [&](const MemberRow& row) { return row.name == shortMember; };
        const MemberRow row = *std::find_if(result.Rows.cbegin(), result.Rows.cend(), isShort);
        QCOMPARE(ExplainMemberStatus(row, result).text,
                 "Status For: " + shortMember + "\r\n\r\nFile Has A Different Byte Size Than " + reference
                     + ".\r\nHas 0,004, Should Be 0,010");
    }

    // Files whose names differ only in letter case are each a member: each gets its row, named as on
    // disk, the walked name's own case first, and the total counts as many files as there are rows. The start file as picked comes first.
    void namesEqualButForCaseAreEachChecked_data() { eachModeGivesItsVerdicts_data(); }
    void namesEqualButForCaseAreEachChecked()
    {
        QFETCH(CheckMode, mode);
        QFETCH(MemberStatus, faultyVerdict);
        test::TempSeries dir;
        const QByteArray start = test::TempSeries::contentFor("d.rar", 10);
        dir.write("d.rar", start);
        dir.write("d.RAR", start);
        add(dir, {"d.r00", "d.r01", "D.R01:9"});
        const SfvTable sfv = SfvTable::Parse(("d.rar " + crcOf("d.rar", 10) + "\nd.r00 " + crcOf("d.r00", 10)
                                              + "\nd.r01 " + crcOf("d.r01", 10) + "\n").toUtf8());
        CheckRun run(view, crc);
        const RunResult result = run.Run(recognised(dir, "d.RAR"), mode, &sfv);
        QStringList rows;
        for (const MemberRow& row : result.Rows)
            rows << row.name + ' ' + StatusWord(row.status);
        const QString ok = StatusWord(MemberStatus::OK);
        QCOMPARE(rows, QStringList({"d.RAR " + ok, "d.rar " + ok, "d.r00 " + ok, "d.r01 " + ok,
                                    "D.R01 " + StatusWord(faultyVerdict)}));
        QVERIFY(ComposeReport(result).contains("Total Number Of Files: 5"));
        QCOMPARE(result.ProblemsFound(), 1);
    }

    // A member that is there but cannot be read: in an SFV check a bad CRC with no value, in a CRC
    // report a missing member; either way the row, and its status popup, say why.
    void unreadableMemberCarriesItsReason_data()
    {
        QTest::addColumn<CheckMode>("mode");
        QTest::addColumn<int>("call");  // a test::FailingCalls::Call
        QTest::addColumn<int>("error");
        QTest::addColumn<QString>("reason");
        using Call = test::FailingCalls::Call;
        for (const CheckMode mode : {CheckMode::SfvCheck, CheckMode::CrcReport}) {
            const char* modeName = mode == CheckMode::SfvCheck ? "sfv: " : "crc: ";
            const auto row = [&](const char* name, Call call, int error, const char* reason) {
                QTest::newRow(qPrintable(modeName + QString(name))) << mode << int(call) << error << QString(reason);
            };
            row("no access", Call::Open, EACCES, "Permission denied");
            row("no memory", Call::MapMemory, ENOMEM, "Cannot allocate memory");
            row("read: I/O error", Call::Pread, EIO, "Input/output error");
        }
    }
    void unreadableMemberCarriesItsReason()
    {
        QFETCH(CheckMode, mode);
        QFETCH(int, call);
        QFETCH(int, error);
        QFETCH(QString, reason);
        test::TempSeries dir;
        add(dir, {"x.rar", "x.r00"});
        const SfvTable sfv;
        test::FailingCalls calls;
        // Unmappable, so every byte comes through reads.
        calls.fail(test::FailingCalls::Call(call), error).fail(test::FailingCalls::Call::MapFile, ENODEV);
        const crc::SystemCallsOverride installed(calls);
        CheckRun run(view, crc);
        const RunResult result = run.Run(recognised(dir, "x.rar"), mode, &sfv);
        const MemberRow& row = result.Rows.at(1);
        QCOMPARE(row.status, mode == CheckMode::SfvCheck ? MemberStatus::BadCrc : MemberStatus::Missing);
        QCOMPARE(row.crcText, QString("?"));
        QCOMPARE(row.reason, "Cannot read " + dir.path("x.r00") + ": " + reason);
        QVERIFY(ExplainMemberStatus(row, result).text.endsWith("\r\n" + row.reason));
    }

    // A member cut short between the look at the folder and the open: its size and CRC both come
    // from the file as opened, so it is a bad size, never an OK with the old size.
    void sizeAndCrcComeFromTheOpenFile()
    {
        test::TempSeries dir;
        add(dir, {"x.rar", "x.r00"});
        const Series series = recognised(dir, "x.rar");
        test::FailingCalls calls;
        calls.beforeOpen = [&dir](const char* path) {
            if (QFile::decodeName(path) == dir.path("x.r00"))
                QFile::resize(dir.path("x.r00"), 4);
        };
        const crc::SystemCallsOverride installed(calls);
        CheckRun run(view, crc);
        const RunResult result = run.Run(series, CheckMode::CrcReport);
        const QString shortCrc = test::TempSeries::crcTextOf(test::TempSeries::contentFor("x.r00", 10).left(4));
        QCOMPARE(result.Rows.at(1), (MemberRow{"x.r00", "0,004", shortCrc, MemberStatus::BadSize, "", 4, "", "x.r00"}));
    }

    // In a batch, the next series' start file is opened for read-ahead advice while this run's last
    // volume is read, so the disk streams on from one series into the next.
    void fileReadAfterTheLastVolumeIsAskedForAhead()
    {
        struct Opens : test::FailingCalls {
            std::mutex lock;
            QStringList opened;
            int open(const char* path, int flags, mode_t mode) override
            {
                const std::lock_guard guard(lock);
                opened.append(QString::fromLocal8Bit(path));
                return FailingCalls::open(path, flags, mode);
            }
        };
        test::TempSeries dir;
        add(dir, {"x.rar", "x.r00", "y.rar"});
        Opens opens;
        const crc::SystemCallsOverride installed(opens);
        CheckRun run(view, crc);
        run.ReadAheadAfterLast(dir.path("y.rar"));
        QCOMPARE(run.Run(recognised(dir, "x.rar"), CheckMode::CrcReport).Rows.size(), 2);
        QVERIFY2(opens.opened.contains(dir.path("y.rar")), qPrintable(opens.opened.join(", ")));
    }

    // A Stop ends the walk before its next member; one given before the run ends that run after its
    // first member, so a run started on another thread cannot miss it.
    void stopKeepsTheRowsSoFar_data()
    {
        QTest::addColumn<int>("stopAfterRows");  // -1: before the run
        QTest::addColumn<int>("rowCount");
        QTest::newRow("after the second row") << 2 << 2;
        QTest::newRow("before the run") << -1 << 1;
    }
    void stopKeepsTheRowsSoFar()
    {
        QFETCH(int, stopAfterRows);
        QFETCH(int, rowCount);
        test::TempSeries dir;
        add(dir, {"x.rar", "x.r00", "x.r01", "x.r02", "x.r03"});
        CheckRun run(view, crc);
        if (stopAfterRows < 0) {
            addLarge(dir, "x.rar");  // read in many pieces, each a chance to see the Stop
            run.Stop();
        }
        view.onShown = [&] {
            if (view.rows.size() == stopAfterRows)
                run.Stop();
        };
        const RunResult result = run.Run(recognised(dir, "x.rar"), CheckMode::CrcReport);
        QVERIFY(result.Cancelled);
        QCOMPARE(view.rows.size(), rowCount);
        QCOMPARE(result.Rows, view.rows);
        // A new run starts afresh.
        view.onShown = {};
        QVERIFY(!run.Run(recognised(dir, "x.rar"), CheckMode::CrcReport).Cancelled);
    }

    // While a large volume is read, the view hears how far the read has come, so a progress line
    // can move inside one volume; a Stop then abandons the volume midway, with no verdict for it. A
    // digest list's run, reading ahead, abandons the volume it waits for and the one after it.
    void aLargeVolumeReportsItsBytesAsItIsRead_data()
    {
        QTest::addColumn<CheckMode>("mode");
        QTest::addColumn<QByteArray>("list");  // an MD5 list for an SFV check
        QTest::newRow("crc report") << CheckMode::CrcReport << QByteArray();
        QTest::newRow("md5 list") << CheckMode::SfvCheck << QByteArray(32, '0') + "  x.r00\n";
    }
    void aLargeVolumeReportsItsBytesAsItIsRead()
    {
        QFETCH(CheckMode, mode);
        QFETCH(QByteArray, list);
        test::TempSeries dir;
        add(dir, {"x.rar"});
        addLarge(dir, "x.r00");
        addLarge(dir, "x.r01");
        CheckRun run(view, crc);
        view.onBytesRead = [&](qint64 bytes) {
            if (bytes > 0)
                run.Stop();
        };
        const SfvTable sfv = SfvTable::Parse(list, "x.md5");
        QVERIFY(run.Run(recognised(dir, "x.rar"), mode, &sfv).Cancelled);
        QCOMPARE(view.rows.size(), 1);
        if (mode == CheckMode::CrcReport)
            QVERIFY(std::is_sorted(view.bytesRead.cbegin(), view.bytesRead.cend()));
        QVERIFY(view.bytesRead.last() > 0);
        QVERIFY(view.bytesRead.last() < qint64{4} << 30);
    }

    // The worker shows what a run on the calling thread shows, in the same order, on the thread
    // that started it, and then its result.
    void workerShowsWhatTheRunShows_data() { eachModeGivesItsVerdicts_data(); }
    void workerShowsWhatTheRunShows()
    {
        QFETCH(CheckMode, mode);
        test::TempSeries dir;
        add(dir, {"x.rar", "x.r00", "x.r02", "x.r03:4"});
        const SfvTable sfv = SfvTable::Parse(("x.rar " + crcOf("x.rar", 10) + "\nx.r02 00000000\n").toUtf8());
        const Series series = recognised(dir, "x.rar");
        CheckRun run(view, crc);
        const RunResult direct = run.Run(series, mode, &sfv);

        test::RecordingView shown;
        QList<QThread*> threads;
        CheckWorker worker;
        connect(&worker, &CheckWorker::memberRow, this, [&](const MemberRow& row) { shown.AddMemberRow(row); });
        connect(&worker, &CheckWorker::status, this, [&](const QString& text) { shown.ShowStatus(text); });
        connect(&worker, &CheckWorker::progress, this, [&](int value, int max) { shown.SetProgress(value, max); });
        connect(&worker, &CheckWorker::progressTip, this, [&](const QString& tip) { shown.SetProgressTip(tip); });
        shown.onShown = [&] { threads.append(QThread::currentThread()); };
        QSignalSpy finished(&worker, &CheckWorker::finished);
        QVERIFY(worker.Start(series, mode, sfv));
        QVERIFY(worker.Running());
        QVERIFY(!worker.Start(series, mode, sfv));  // one run at a time
        QVERIFY(finished.wait());
        QVERIFY(!worker.Running());

        QCOMPARE(shown.shown, view.shown);
        QCOMPARE(threads, QList<QThread*>(view.shown.size(), QThread::currentThread()));
        const auto result = finished.first().first().value<RunResult>();
        QCOMPARE(result.Rows, direct.Rows);
        QCOMPARE(result.ProblemsFound(), direct.ProblemsFound());
        QVERIFY(!result.Cancelled);
        // The next run starts once the last has finished.
        QVERIFY(worker.Start(series, mode, sfv));
        QVERIFY(finished.wait());
    }

    // Stop from the owner's thread reaches a volume being read on the worker's and abandons it, with no
    // verdict; destroying the worker mid-run stops it and waits for its thread, so the run never reads
    // through freed memory.
    void workerStopsMidVolume_data()
    {
        QTest::addColumn<bool>("destroy");
        QTest::newRow("stop") << false;
        QTest::newRow("destroy") << true;
    }
    void workerStopsMidVolume()
    {
        QFETCH(bool, destroy);
        test::TempSeries dir;
        add(dir, {"x.rar"});
        addLarge(dir, "x.r00");
        add(dir, {"x.r01"});
        auto worker = std::make_unique<CheckWorker>();
        QList<MemberRow> rows;
        connect(worker.get(), &CheckWorker::memberRow, this, [&](const MemberRow& row) { rows.append(row); });
        connect(worker.get(), &CheckWorker::status, this, [&](const QString& text) {
            if (text == "Checking x.r00...")
                destroy ? worker.reset() : worker->Stop();
        });
        QSignalSpy finished(worker.get(), &CheckWorker::finished);
        QVERIFY(worker->Start(recognised(dir, "x.rar"), CheckMode::CrcReport));
        if (destroy) {
            QTRY_VERIFY(!worker);
            QCOMPARE(rows.size(), 1);
            return;
        }
        QVERIFY(finished.wait());
        QVERIFY(finished.first().first().value<RunResult>().Cancelled);
        QCOMPARE(rows.size(), 1);
    }

    void firstMemberGoneSinceListedKeepsTheListedSize()
    {
        test::TempSeries dir;
        add(dir, {"x.rar", "x.r00", "x.r01:7"});
        const Series series = recognised(dir, "x.rar");
        QVERIFY(QFile::remove(dir.path("x.rar")));
        CheckRun run(view, crc);
        const RunResult result = run.Run(series, CheckMode::SizeOnly);
        QCOMPARE(result.MissingList, QStringList({"x.rar"}));
        QCOMPARE(result.SizeList, QStringList({"x.r01"}));
        QCOMPARE(result.ReferenceSize, qint64(10));
        QCOMPARE(view.progressTip, QString("Checking File Number 2 Of 3"));
    }

    void progressStaysInRangeWhenMoreMembersTurnUp()
    {
        test::TempSeries dir;
        add(dir, {"x.rar", "x.r00", "x.r02"});
        const Series series = recognised(dir, "x.rar");
        add(dir, {"x.r01"});  // appears after the listing: four present, three found
        CheckRun run(view, crc);
        const RunResult result = run.Run(series, CheckMode::SizeOnly);
        QCOMPARE(result.Rows.size(), 4);
        QCOMPARE(result.ProblemsFound(), 0);
        for (int value : view.progress) {
            QVERIFY(value >= 0);
            QVERIFY(value <= view.maximum);
        }
        QCOMPARE(view.progressTip, QString("Checking File Number 3 Of 3"));
    }
};

QTEST_GUILESS_MAIN(CheckRunTest)
#include "test_check_run.moc"
