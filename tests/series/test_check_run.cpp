// test_check_run.cpp - whole check runs over real series on disk, in each mode, with scripted answers.
#include "crc/clsCRC.h"
#include "report/clsOpenSave.h"
#include "series/CheckRun.h"
#include "series/Recognition.h"
#include "series/SeriesState.h"
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
        return run.CheckSeq_Click(series.folder());
    }

    // Answers the questions for mode 0 (sizes only), 1 (CRC report) or 2 (SFV check with `sfv`).
    void chooseMode(int mode, const QString& sfv = {})
    {
        prompts.queueAnswer(mode == 2 ? Answer::Yes : Answer::No);
        if (mode == 2)
            prompts.queueFile(sfv);
        else
            prompts.queueAnswer(mode == 1 ? Answer::Yes : Answer::No);
    }

    static void add(test::TempSeries& series, std::initializer_list<const char*> names)
    {
        for (const char* name : names)
            series.add(name, 10);
    }

    static QString crcOf(const QString& name, qint64 size) { return test::TempSeries::crcTextFor(name, size); }

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }

    void init()
    {
        ResetState();
        view = {};
        prompts = {};
    }

    void eachModeGivesItsVerdicts_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<QString>("faultyVerdict");
        QTest::newRow("sizes only") << 0 << "Bad Size";
        QTest::newRow("crc report") << 1 << "Bad Size";
        // No SFV line for x.r01: its CRC fails and its short size goes unnoticed.
        QTest::newRow("sfv check") << 2 << "Bad CRC";
    }

    // Written in capitals, the series checks like one in lower case. A folder and a FIFO named as
    // members are missing and never opened: reading the FIFO would hang the run.
    void eachModeGivesItsVerdicts()
    {
        QFETCH(int, mode);
        QFETCH(QString, faultyVerdict);
        test::TempSeries series;
        for (const char* name : {"X.RAR", "X.R00", "X.R04"})
            series.add(name, 100);
        series.add("X.R01", 60);
        QVERIFY(QDir(series.folder()).mkdir("X.R02"));
        QCOMPARE(::mkfifo(QFile::encodeName(series.path("X.R03")).constData(), 0600), 0);
        chooseMode(mode, series.write("x.sfv", ("; made by hand\r\nX.RAR " + crcOf("X.RAR", 100).toLower() + "\nx.r00 "
                                                + crcOf("X.R00", 100) + "\nx.r04 " + crcOf("X.R04", 100) + "\n")
                                                   .toUtf8()));
        QCOMPARE(check(series, "X.RAR"), RunEnd::Finished);
        QCOMPARE(view.statusWords(), QStringList({"OK", "OK", faultyVerdict, "Missing", "Missing", "OK"}));
        QCOMPARE(view.rows.mid(2, 2), QList<Row>({{"x.r01", mode == 0 ? "Skipped" : crcOf("X.R01", 60), "0,060",
                                                    faultyVerdict},
                                                   {"x.r02", "?", "?", "Missing"}}));
        QCOMPARE(State().MissingList, QStringList({"x.r02", "x.r03"}));
        QCOMPARE(mode == 2 ? State().CRCList : State().SizeList, QStringList({"x.r01"}));
        QCOMPARE(view.reportsShown, 1);
    }

    void sfvFileNotChosenOrUnreadableAbandonsTheRun()
    {
        test::TempSeries series;
        add(series, {"x.rar", "x.r00"});
        prompts.queueAnswer(Answer::Yes);
        prompts.queueFile(std::nullopt);
        QCOMPARE(check(series, "x.rar"), RunEnd::Abandoned);
        QCOMPARE(prompts.messages.size(), 1);  // the question alone, no message
        QCOMPARE(prompts.dialogs.first().initialFolder, series.folder() + "/");

        chooseMode(2, series.folder());  // a folder cannot be read as an SFV file
        QCOMPARE(check(series, "x.rar"), RunEnd::Abandoned);
        QCOMPARE(prompts.messages.last().text, QString("Error While Opening SFV File!"));
        QVERIFY(view.rows.isEmpty());
        QCOMPARE(view.enabled, QList<bool>({true, true}));
    }

    void stopKeepsTheRowsSoFarAndSkipsTheReport()
    {
        test::TempSeries series;
        add(series, {"x.rar", "x.r00", "x.r01", "x.r02", "x.r03"});
        FileList_Click(series.folder(), "x.rar", {});
        chooseMode(1);
        CheckRun run(view, prompts, crc, dialog);
        view.onEvents = [&] {
            if (view.rows.size() == 2)
                run.StopButton_Click();
        };
        QCOMPARE(run.CheckSeq_Click(series.folder()), RunEnd::Cancelled);
        QCOMPARE(view.rows.size(), 3);  // the member being processed still gets its row
        QCOMPARE(view.statuses.last(), QString("Checking Cancelled"));
        QCOMPARE(view.reportsShown, 0);
    }

    void refusesAListTooShortToBeASeries()
    {
        test::TempSeries series;
        add(series, {"x.rar"});
        CheckRun run(view, prompts, crc, dialog);
        QCOMPARE(run.CheckSeq_Click(series.folder()), RunEnd::Refused);  // nothing recognised yet
        QCOMPARE(check(series, "x.rar"), RunEnd::Refused);
        QCOMPARE(prompts.messageTexts(), QStringList({"Select an Archive File First!", "List Contains Only 1 File!"}));
        QVERIFY(view.rows.isEmpty());
    }

    void progressStaysInRangeWhenMoreMembersTurnUp()
    {
        test::TempSeries series;
        add(series, {"x.rar", "x.r00", "x.r02"});
        FileList_Click(series.folder(), "x.rar", {});
        add(series, {"x.r01"});  // appears after the listing: four present, three found
        chooseMode(0);
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
