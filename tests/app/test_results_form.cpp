// test_results_form.cpp - the report window: its text and the clipboard, saving, cancelling, closing.
// SPDX-License-Identifier: MIT
#include "app/QUILResultsForm.h"
#include "report/ScanReport.h"
#include "series/RunResult.h"
#include "series/SeriesCheck.h"
#include "tests/support/RecordingView.h"
#include "tests/support/ScriptedPrompts.h"
#include "tests/support/TempSeries.h"

#include <QClipboard>
#include <QListWidget>
#include <QPushButton>
#include <QtTest>

using namespace quil;

class ResultsFormTest : public QObject {
    Q_OBJECT

    test::ScriptedPrompts prompts;
    RunResult run;  // any run makes a report: what it says is the report's own test

    static QByteArray Read(const QString& path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

private slots:
    void init()
    {
        run = {};
        run.MissingList = QStringList{"movie.r01", "movie.r02"};
        prompts = test::ScriptedPrompts();
    }

    void showsTheReportAlreadyOnTheClipboard()
    {
        QGuiApplication::clipboard()->setText("something older");
        QUILResultsForm form(nullptr, prompts, run, QString());
        const auto* list = form.findChild<QListWidget*>("ReportList");
        QStringList shown;
        for (int row = 0; row < list->count(); ++row)
            shown << list->item(row)->text();
        QCOMPARE(shown, ComposeReport(run));
        QCOMPARE(QGuiApplication::clipboard()->text(), ReportText(ComposeReport(run)));
    }

    // What a save writes and says is the save command's test; here the window's button drives it.
    void cancelSavesNothingSavingTwiceGivesTheSameBytesAndExitCloses()
    {
        test::TempSeries dir;
        prompts.queueFile(std::nullopt);
        prompts.queueFile(dir.path("one.txt"));
        prompts.queueFile(dir.path("two.txt"));
        QUILResultsForm form(nullptr, prompts, run, dir.folder());
        form.show();
        for (int click = 0; click < 3; ++click)
            QTest::mouseClick(form.findChild<QPushButton*>("SaveFile"), Qt::LeftButton);
        QCOMPARE(QDir(dir.folder()).entryList(QDir::Files), QStringList({"one.txt", "two.txt"}));
        QCOMPARE(Read(dir.path("one.txt")), (form.ReportText() + "\r\n").toLocal8Bit());
        QCOMPARE(Read(dir.path("one.txt")), Read(dir.path("two.txt")));
        QVERIFY(form.isVisible());
        QVERIFY(!QApplication::overrideCursor());
        QTest::mouseClick(form.findChild<QPushButton*>("ExitButton"), Qt::LeftButton);
        QVERIFY(!form.isVisible());
    }

    // Where no window manager holds it to its minimum size, the window sets itself back to it.
    void shrunkBelowItsMinimumTheWindowGrowsBack()
    {
        QUILResultsForm form(nullptr, prompts, run, QString());
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        const QSize first = form.size();
        const QRect list = form.findChild<QListWidget*>("ReportList")->geometry();
        form.windowHandle()->resize(200, 100);
        QTest::qWait(50);  // the window system's resize arrives
        QTRY_COMPARE(form.size(), first);
        QCOMPARE(form.findChild<QListWidget*>("ReportList")->geometry(), list);
    }

    // The report never replaces a file its run read: a save over the SFV file or a volume is refused
    // with the reason, and the folder stays as it was (the message and dialog are the save command's test).
    void saveRefusesTheSfvFileAndAVolumeOfTheRun()
    {
        test::TempSeries dir;
        dir.addAll({"x.rar", "x.r00"}, 5);
        dir.write("x.sfv", ("x.rar " + test::TempSeries::crcTextFor("x.rar", 5) + "\r\n").toUtf8());
        test::RecordingView view;
        const SeriesOutcome checked = CheckSeries(dir.path("x.rar"), RecognizeStartPath(dir.path("x.rar")),
                                                  {CheckMode::SfvCheck, dir.path("x.sfv")}, view);
        QVERIFY(checked.run);
        const QStringList before = dir.snapshot(true);
        prompts.queueFile(dir.path("x.sfv"));
        prompts.queueFile(dir.path("x.r00"));
        QUILResultsForm form(nullptr, prompts, *checked.run, dir.folder());
        form.show();
        for (int click = 0; click < 2; ++click)
            QTest::mouseClick(form.findChild<QPushButton*>("SaveFile"), Qt::LeftButton);
        QCOMPARE(prompts.messageTexts(),
                 QStringList({"Error While Saving Report File!\nCannot write " + dir.path("x.sfv")
                                  + ": it is the SFV file of the check",
                              "Error While Saving Report File!\nCannot write " + dir.path("x.r00")
                                  + ": it is a volume of the series"}));
        QCOMPARE(dir.snapshot(true), before);
    }
};

QTEST_MAIN(ResultsFormTest)
#include "test_results_form.moc"
