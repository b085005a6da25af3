// test_check_run.cpp - whole check runs over real series on disk, in each mode, with scripted answers.
#include "crc/clsCRC.h"
#include "report/clsOpenSave.h"
#include "series/CheckRun.h"
#include "series/Recognition.h"
#include "series/SeriesState.h"
#include "series/SfvLookup.h"
#include "tests/support/RecordingView.h"
#include "tests/support/ScriptedPrompts.h"
#include "tests/support/TempSeries.h"

#include <QFile>
#include <QtTest>

#include <sys/stat.h>

using namespace quil;
using test::Row;

class CheckRunTest : public QObject {
    Q_OBJECT

    test::RecordingView view;
    test::ScriptedPrompts prompts;
    clsCRC crc;
    clsOpenSave dialog;

    RunEnd check(const test::TempSeries& series, const QString& startFile)
    {
        FileList_Click(series.folder(), startFile, {});
        CheckRun run(view, prompts, crc, dialog);
        view.onEvents = {};
        return run.CheckSeq_Click(series.folder());
    }

    void answerSizeOnly() { prompts.queueAnswer(Answer::No); prompts.queueAnswer(Answer::No); }
    void answerCrcReport() { prompts.queueAnswer(Answer::No); prompts.queueAnswer(Answer::Yes); }
    void answerSfv(const QString& sfvPath)
    {
        prompts.queueAnswer(Answer::Yes);
        prompts.queueFile(sfvPath);
    }

    static QString crcOf(const QString& name, qint64 size) { return test::TempSeries::crcTextFor(name, size); }

    // x.rar, x.r00, x.r01 of 100, 100 and 60 bytes.
    static void addShortLastSeries(test::TempSeries& series)
    {
        series.add("x.rar", 100);
        series.add("x.r00", 100);
        series.add("x.r01", 60);
    }

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }

    void init()
    {
        ResetState();
        view = {};
        prompts = {};
    }

    void sizeOnlyFindsTheShortLastVolume()
    {
        test::TempSeries series;
        addShortLastSeries(series);
        answerSizeOnly();
        QCOMPARE(check(series, "x.rar"), RunEnd::Finished);
        QCOMPARE(view.rows, QList<Row>({{"x.rar", "Skipped", "0,100", "OK"},
                                        {"x.r00", "Skipped", "0,100", "OK"},
                                        {"x.r01", "Skipped", "0,060", "Bad Size"}}));
        QCOMPARE(State().SizeList, QStringList({"x.r01"}));
        QCOMPARE(view.reportsShown, 1);
        QCOMPARE(view.eventRounds, 0);  // size-only runs never yield
        QCOMPARE(view.progress, QList<int>({0, 2, 3, 3}));
        QCOMPARE(view.progressTip, QString("Checking File Number 3 Of 3"));
        QCOMPARE(view.enabled, QList<bool>({false, true}));
        QCOMPARE(view.statuses.mid(view.statuses.size() - 2), QStringList({"Displaying Results...", "Ready"}));
        QVERIFY(!State().CheckWithSfv);
    }

    void crcReportComputesButComparesSizes()
    {
        // Written in capitals, the series checks like one in lower case.
        test::TempSeries series;
        series.add("X.RAR", 100);
        series.add("X.R00", 100);
        series.add("X.R01", 60);
        answerCrcReport();
        QCOMPARE(check(series, "X.RAR"), RunEnd::Finished);
        QCOMPARE(view.rows, QList<Row>({{"x.rar", crcOf("X.RAR", 100), "0,100", "OK"},
                                        {"x.r00", crcOf("X.R00", 100), "0,100", "OK"},
                                        {"x.r01", crcOf("X.R01", 60), "0,060", "Bad Size"}}));
        QVERIFY(State().ReportCrcAnyway);
        QCOMPARE(view.eventRounds, 6);  // before and after each CRC
    }

    void sfvCheckComparesCrcsNotSizes()
    {
        test::TempSeries series;
        addShortLastSeries(series);
        // No line for x.r01: its CRC fails and its short size goes unnoticed.
        const QString sfv = series.write("x.sfv", ("; made by hand\r\nX.RAR " + crcOf("x.rar", 100).toLower() +
                                                   "\nx.r00 " + crcOf("x.r00", 100) + "\n").toUtf8());
        answerSfv(sfv);
        QCOMPARE(check(series, "x.rar"), RunEnd::Finished);
        QCOMPARE(view.statusWords(), QStringList({"OK", "OK", "Bad CRC"}));
        QCOMPARE(view.rows[2].crcText, crcOf("x.r01", 60));
        QCOMPARE(State().CRCList, QStringList({"x.r01"}));
        QVERIFY(State().SizeList.isEmpty());
        QVERIFY(State().CheckWithSfv);
        QCOMPARE(State().SfvPath, sfv);
        const FileDialogRequest& asked = prompts.dialogs.first();
        QCOMPARE(asked.title, QString("Find The SFV File To Use..."));
        QVERIFY(asked.fileMustExist);
        QCOMPARE(asked.initialFolder, series.folder() + "/");
    }

    void sfvDialogCancelledOrUnreadable()
    {
        test::TempSeries series;
        addShortLastSeries(series);
        prompts.queueAnswer(Answer::Yes);
        prompts.queueFile(std::nullopt);
        QCOMPARE(check(series, "x.rar"), RunEnd::Abandoned);
        QCOMPARE(prompts.messages.size(), 1);  // the question alone, no message
        QVERIFY(view.rows.isEmpty());
        QCOMPARE(view.enabled, QList<bool>({true}));

        answerSfv(series.folder());  // a folder cannot be read as an SFV file
        QCOMPARE(check(series, "x.rar"), RunEnd::Abandoned);
        QCOMPARE(prompts.messages.last().text, QString("Error While Opening SFV File!"));
        QCOMPARE(prompts.messages.last().icon, MessageIcon::Critical);
        QVERIFY(view.rows.isEmpty());
    }

    void stopDuringCrcReportKeepsRowsAndSkipsReport()
    {
        test::TempSeries series;
        for (const char* name : {"x.rar", "x.r00", "x.r01", "x.r02", "x.r03"})
            series.add(name, 10);
        FileList_Click(series.folder(), "x.rar", {});
        answerCrcReport();
        CheckRun run(view, prompts, crc, dialog);
        view.onEvents = [&] {
            if (view.rows.size() == 2)
                run.StopButton_Click();
        };
        QCOMPARE(run.CheckSeq_Click(series.folder()), RunEnd::Cancelled);
        QCOMPARE(view.rows.size(), 3);  // the member being processed still gets its row
        QCOMPARE(view.statuses.last(), QString("Checking Cancelled"));
        QCOMPARE(view.reportsShown, 0);
        QCOMPARE(view.progress.last(), 5);
        QVERIFY(!run.NotCancelled());
    }

    void refusals()
    {
        test::TempSeries series;
        series.add("x.rar", 10);
        CheckRun run(view, prompts, crc, dialog);
        QCOMPARE(run.CheckSeq_Click(series.folder()), RunEnd::Refused);
        FileList_Click(series.folder(), "x.rar", {});
        QCOMPARE(run.CheckSeq_Click(series.folder()), RunEnd::Refused);
        QCOMPARE(prompts.messageTexts(), QStringList({"Select an Archive File First!", "List Contains Only 1 File!"}));
        QCOMPARE(prompts.messages.first().icon, MessageIcon::Exclamation);
        QCOMPARE(prompts.messages.first().title, QString("Quillane"));
        QVERIFY(view.rows.isEmpty());
    }

    void nonFilesAreMissingAndNeverOpened_data()
    {
        QTest::addColumn<int>("mode");  // 0 size only, 1 CRC report, 2 SFV check
        QTest::newRow("size only") << 0;
        QTest::newRow("crc report") << 1;
        QTest::newRow("sfv check") << 2;
    }
    void nonFilesAreMissingAndNeverOpened()
    {
        QFETCH(int, mode);
        test::TempSeries series;
        series.add("x.rar", 10);
        QVERIFY(QDir(series.folder()).mkdir("x.r00"));
        QCOMPARE(::mkfifo(QFile::encodeName(series.path("x.r01")).constData(), 0600), 0);
        series.add("x.r02", 10);
        if (mode == 0)
            answerSizeOnly();
        else if (mode == 1)
            answerCrcReport();
        else
            answerSfv(series.write("x.sfv", ("x.r02 " + crcOf("x.r02", 10) + "\r\n").toUtf8()));
        QCOMPARE(check(series, "x.rar"), RunEnd::Finished);
        QCOMPARE(view.statusWords().mid(1), QStringList({"Missing", "Missing", "OK"}));
        QCOMPARE(State().MissingList, QStringList({"x.r00", "x.r01"}));
    }

    void progressStaysInRangeWhenMoreMembersTurnUp()
    {
        test::TempSeries series;
        for (const char* name : {"x.rar", "x.r00", "x.r02"})
            series.add(name, 10);
        FileList_Click(series.folder(), "x.rar", {});
        series.add("x.r01", 10);  // appears after the listing: four present, three found
        answerSizeOnly();
        CheckRun run(view, prompts, crc, dialog);
        QCOMPARE(run.CheckSeq_Click(series.folder()), RunEnd::Finished);
        QCOMPARE(view.statusWords(), QStringList({"OK", "OK", "OK", "OK"}));
        for (int value : view.progress)
            QVERIFY(value >= 0 && value <= view.maximum);
        QCOMPARE(view.progressTip, QString("Checking File Number 3 Of 3"));
    }

};

QTEST_GUILESS_MAIN(CheckRunTest)
#include "test_check_run.moc"
