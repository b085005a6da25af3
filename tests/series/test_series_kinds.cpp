// test_series_kinds.cpp - the table of series kinds: each row's start files, recognition, walk and texts.
// SPDX-License-Identifier: MIT
#include "series/MemberWalks.h"
#include "series/Recognition.h"
#include "series/SeriesKinds.h"
#include "series/StartFiles.h"
#include "tests/support/TempSeries.h"

#include <QtTest>

using namespace quil;

class SeriesKindsTest : public QObject {
    Q_OBJECT

private slots:
    void eachKindHasOneRow()
    {
        QCOMPARE(SeriesKinds().size(), std::size_t(6));
        for (const SeriesKindRow& row : SeriesKinds())
            QCOMPARE(&KindRow(row.kind), &row);
    }

    // A new kind is a row of the table and a row here.
    void eachKindStartsRecognisesAndWalks_data()
    {
        QTest::addColumn<SeriesKind>("kind");
        QTest::addColumn<QStringList>("files");  // the start file first
        QTest::addColumn<QStringList>("firstWalked");
        QTest::addColumn<QString>("jsonName");
        QTest::addColumn<QString>("walkStatus");
        QTest::newRow("rar") << SeriesKind::Rar << QStringList{"x.rar", "x.r00", "x.r02"}
                             << QStringList{"x.r00", "x.r01", "x.r02"} << "rar" << "Checking RAR Archive Members";
        // Named as a part, yet with older members beside it and no other part: the older kind, as before sets came.
        QTest::newRow("rar under a part name") << SeriesKind::Rar << QStringList{"v.part1.rar", "v.part1.r00", "v.part1.r01"}
                                               << QStringList{"v.part1.r00", "v.part1.r01"} << "rar"
                                               << "Checking RAR Archive Members";
        QTest::newRow("rar parts") << SeriesKind::RarParts << QStringList{"x.part01.rar", "x.part03.rar"}
                                   << QStringList{"x.part02.rar", "x.part03.rar"} << "rar-parts"
                                   << "Checking RAR Archive Members";
        QTest::newRow("rar parts with older members beside")
            << SeriesKind::RarParts << QStringList{"x.part1.rar", "x.part1.r00", "x.part2.rar"}
            << QStringList{"x.part2.rar"} << "rar-parts" << "Checking RAR Archive Members";
        QTest::newRow("split zip") << SeriesKind::Zip << QStringList{"x.zip", "x.z01", "x.z02"}
                                   << QStringList{"x.z02", "x.zip"} << "zip" << "Checking ZIP Archive Members";
        QTest::newRow("arj") << SeriesKind::Arj << QStringList{"x.arj", "x.a01", "x.a02"}
                             << QStringList{"x.a01", "x.a02"} << "arj" << "Checking ARJ Archive Members";
        QTest::newRow("ace") << SeriesKind::Ace << QStringList{"x.ace", "x.c00", "x.c01"}
                             << QStringList{"x.c00", "x.c01"} << "ace" << "Checking ACE Archive Members";
        QTest::newRow("numbered") << SeriesKind::Num << QStringList{"x.7z.001", "x.7z.002", "x.7z.003"}
                                  << QStringList{"x.7z.002", "x.7z.003"} << "numbered" << "Checking Archive Members";
    }
    void eachKindStartsRecognisesAndWalks()
    {
        QFETCH(SeriesKind, kind);
        QFETCH(QStringList, files);
        QFETCH(QStringList, firstWalked);
        QFETCH(QString, jsonName);
        QFETCH(QString, walkStatus);
        test::TempSeries dir;
        for (const QString& name : files)
            dir.add(name, 3);
        const QString startFile = files.first();
        QCOMPARE(StartFiles(dir.folder()), QStringList{startFile});
        // Only its own kind's rule takes the start file: no name starts two kinds of series.
        for (const SeriesKindRow& row : SeriesKinds())
            QCOMPARE(row.startFilesAmong(files).contains(startFile), row.kind == kind);
        const std::optional<Series> series = RecognizeSeries(dir.folder(), startFile);
        QVERIFY(series);
        QCOMPARE(series->Kind, kind);
        QCOMPARE(WalkNames(*series), firstWalked);
        QCOMPARE(QString(KindRow(kind).jsonName), jsonName);
        QCOMPARE(QString(KindRow(kind).walkStatus), walkStatus);
    }

    void usageTextsNameEveryKind()
    {
        QCOMPARE(StartFileKindsPhrase(u"\nor "), QString(".rar, .partN.rar, .zip beside a .z01, .arj, .ace\nor .001"));
    }
};

QTEST_GUILESS_MAIN(SeriesKindsTest)
#include "test_series_kinds.moc"
