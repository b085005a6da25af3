// test_series_check.cpp - the check path both front ends take: its refusals, and a check from start file to report.
// SPDX-License-Identifier: MIT
#include "report/ScanReport.h"
#include "series/SeriesCheck.h"
#include "tests/support/RecordingView.h"
#include "tests/support/TempSeries.h"

#include <QtTest>

using namespace quil;

class SeriesCheckTest : public QObject {
    Q_OBJECT

    // Writes each "name" (10 bytes), "name:content" or "name/" (a folder) into `dir`.
    static void lay(test::TempSeries& dir, const QStringList& files)
    {
        for (const QString& file : files) {
            if (file.endsWith('/'))
                QVERIFY(QDir(dir.folder()).mkdir(file.chopped(1)));
            else if (file.contains(':'))
                dir.write(file.section(':', 0, 0), file.section(':', 1).toUtf8());
            else
                dir.add(file, 10);
        }
    }

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }

    // Each refusal comes before the walk: no run, no row, the reason worded in full ("%1": the folder).
    void refusesBeforeTheWalk_data()
    {
        QTest::addColumn<QStringList>("files");
        QTest::addColumn<QString>("start");
        QTest::addColumn<CheckMode>("mode");
        QTest::addColumn<QString>("sfv");  // in the folder; "auto" to find it
        QTest::addColumn<QString>("refusal");
        QTest::addColumn<QString>("code");
        const QStringList series{"x.rar", "x.r00"};
        const CheckMode sizes = CheckMode::SizeOnly;
        const CheckMode sfv = CheckMode::SfvCheck;
        QTest::newRow("no start file") << series << "x.r00" << sizes << "" << "Select an Archive File First!"
                                       << "no_start_file";
        QTest::newRow("one member") << QStringList{"x.rar"} << "x.rar" << sizes << "" << "List Contains Only 1 File!"
                                    << "single_volume";
        QTest::newRow("SFV file absent") << series << "x.rar" << sfv << "none.sfv"
                                         << "Error While Opening SFV File!\nCannot read %1/none.sfv: no such file"
                                         << "sfv_unreadable";
        QTest::newRow("SFV file a folder") << series + QStringList{"d.sfv/"} << "x.rar" << sfv << "d.sfv"
                                           << "Error While Opening SFV File!\nCannot read %1/d.sfv: not a regular file"
                                           << "sfv_unreadable";
        QTest::newRow("auto: no .sfv file") << series << "x.rar" << sfv << "auto"
                                            << "No SFV File Lists x.rar!\nNo .sfv file in %1" << "sfv_not_found";
        QTest::newRow("auto: none lists it") << series + QStringList{"o.sfv:y.rar 00000000"} << "x.rar" << sfv << "auto"
                                             << "No SFV File Lists x.rar!\nLooked at: %1/o.sfv" << "sfv_not_found";
        QTest::newRow("auto: several list it")
            << series + QStringList{"a.sfv:x.rar 00000000", "b.sfv:X.RAR 11111111"} << "x.rar" << sfv << "auto"
            << "Several SFV Files List x.rar!\n%1/a.sfv, %1/b.sfv" << "sfv_ambiguous";
    }
    void refusesBeforeTheWalk()
    {
        QFETCH(QStringList, files);
        QFETCH(QString, start);
        QFETCH(CheckMode, mode);
        QFETCH(QString, sfv);
        QFETCH(QString, refusal);
        QFETCH(QString, code);
        test::TempSeries dir;
        lay(dir, files);
        test::RecordingView view;
        const bool find = sfv == "auto";
        const SeriesOutcome outcome = CheckSeries(dir.path(start), RecognizeListedStartFile(dir.path(start)),
                                                  {mode, find ? QString() : dir.path(sfv), find}, view);
        QCOMPARE(outcome.refusal->text, refusal.arg(dir.folder()));
        QCOMPARE(RefusalCodeName(outcome.refusal->code), code);
        QVERIFY(!outcome.run);
        QVERIFY(outcome.reportText.isEmpty());
        QVERIFY(view.rows.isEmpty());
    }

    // The SFV file found beside the series is read once: each row carries its value, a missing
    // volume's included, and the report is the run's.
    void checksWithTheSfvFileFoundBesideTheSeries()
    {
        test::TempSeries dir;
        const QString crc = test::TempSeries::crcTextFor("x.rar", 10);
        lay(dir, {"x.rar", "x.r01", "x.sfv:x.rar " + crc + "\r\nx.r00 0A1B2C3D\r\n"});
        test::RecordingView view;
        const SeriesOutcome outcome =
            CheckSeries("x.rar", RecognizeStartPath(dir.path("x.rar")), {CheckMode::SfvCheck, {}, true}, view);
        QVERIFY(!outcome.refusal);
        QCOMPARE(outcome.sfv->path(), dir.path("x.sfv"));
        QCOMPARE(outcome.run->SfvPath, dir.path("x.sfv"));
        QStringList rows;
        for (const MemberRow& row : view.rows)
            rows << row.name + ' ' + StatusWord(row.status) + ' ' + row.expectedCrc;
        QCOMPARE(rows, QStringList({"x.rar OK " + crc, "x.r00 Missing 0A1B2C3D", "x.r01 Bad CRC "}));
        QCOMPARE(outcome.reportText, ReportText(ComposeReport(*outcome.run)));
        QCOMPARE(outcome.PrintedReport(), QString(outcome.reportText).replace("\r\n", "\n"));
    }
};

QTEST_GUILESS_MAIN(SeriesCheckTest)
#include "test_series_check.moc"
