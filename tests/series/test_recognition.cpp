// test_recognition.cpp - the folder listing, start-file recognition and the case-blind member lookup.
#include "series/FolderListing.h"
#include "series/MemberFile.h"
#include "series/Recognition.h"
#include "tests/support/TempSeries.h"

#include <QFile>
#include <QtTest>

#include <sys/stat.h>

using namespace quil;

class RecognitionTest : public QObject {
    Q_OBJECT

private slots:
    void listingKeepsOrdinaryStartFilesInCaseBlindOrder()
    {
        test::TempSeries dir;
        for (const char* name : {"d.arj", "b.001", "a.RAR", "c.ace", "e.r00", "f.zip", ".g.rar"})
            dir.add(name, 1);
        QVERIFY(QDir(dir.folder()).mkdir("h.rar"));
        QCOMPARE(::mkfifo(QFile::encodeName(dir.path("i.rar")).constData(), 0600), 0);
        QVERIFY(QFile::link(dir.path("absent"), dir.path("j.rar")));
        QVERIFY(QFile::link(dir.path("a.RAR"), dir.path("k.rar")));
        QCOMPARE(ListOrdinaryFiles(dir.folder(), kStartFilePatterns),
                 QStringList({"a.RAR", "b.001", "c.ace", "d.arj", "k.rar"}));
        QCOMPARE(ListOrdinaryFiles(dir.path("missing folder")), QStringList());
    }

    void startFileChoosesKindAndMembers_data()
    {
        QTest::addColumn<QString>("startFile");
        QTest::addColumn<SeriesKind>("kind");
        QTest::addColumn<QStringList>("members");
        QTest::newRow("rar: its own base, r00 to z99 only")
            << "Movie.Part.RAR" << SeriesKind::Rar
            << QStringList{"movie.part.rar", "movie.part.r00", "movie.part.r01", "movie.part.s00"};
        QTest::newRow("arj") << "x.arj" << SeriesKind::Arj << QStringList{"x.arj", "x.a01", "x.a02", "x.100"};
        QTest::newRow("ace") << "x.ace" << SeriesKind::Ace << QStringList{"x.ace", "x.c00", "x.100"};
        // A numbered series comes from the scan alone, .000 first.
        QTest::newRow("numbered") << "n.001" << SeriesKind::Num << QStringList{"n.000", "n.001", "n.002"};
    }
    void startFileChoosesKindAndMembers()
    {
        QFETCH(QString, startFile);
        QFETCH(SeriesKind, kind);
        QFETCH(QStringList, members);
        test::TempSeries dir;
        for (const char* name : {"Movie.Part.RAR", "movie.part.r00", "MOVIE.PART.R01", "movie.part.s00", "other.r00",
                                 "movie.part.r001", "movie.part.rar2", "movie.part.q00", "x.arj", "x.ace", "x.100",
                                 "x.a02", "x.a01", "x.c00", "n.002", "n.001", "n.000", "n.01"})
            dir.add(name, 1);
        const std::optional<Series> series = RecognizeSeries(dir.folder(), startFile);
        QVERIFY(series);
        QCOMPARE(series->kind, kind);
        QCOMPARE(series->SeqList, members);
        QCOMPARE(series->startFile, startFile);
        QCOMPARE(series->ReferenceSize, qint64(1));
    }

    void otherExtensionsAndShortListsAreRefused()
    {
        test::TempSeries dir;
        dir.add("x.zip", 1);
        dir.add("x.002", 1);
        QVERIFY(!RecognizeSeries(dir.folder(), "x.zip"));
        QVERIFY(!RecognizeSeries(dir.folder(), "x.0001"));
        QCOMPARE(SeqListRefusal({}), std::optional<QString>("Select an Archive File First!"));
        QCOMPARE(SeqListRefusal({"x.rar"}), std::optional<QString>("List Contains Only 1 File!"));
        QCOMPARE(SeqListRefusal({"x.rar", "x.r00"}), std::nullopt);
    }

    void memberLookupIgnoresLetterCaseButPrefersTheExactName()
    {
        test::TempSeries dir;
        dir.add("MOVIE.R00", 7);
        dir.add("Movie.r01", 8);
        dir.add("movie.r01", 9);
        // Neither in the walked case: the first in name order wins, whatever order they were made.
        dir.add("movie.R02", 10);
        dir.add("MOVIE.r02", 11);
        QVERIFY(QDir(dir.folder()).mkdir("movie.r04"));
        MemberFinder finder(dir.folder());
        QCOMPARE(finder.Find("movie.r00").size, qint64(7));
        QCOMPARE(finder.Find("movie.r01").size, qint64(9));
        QCOMPARE(finder.Find("movie.r02").size, qint64(11));
        QCOMPARE(finder.Find("movie.r03").kind, MemberFile::Kind::Absent);
        const MemberFile folder = finder.Find("movie.r04");
        QCOMPARE(folder.kind, MemberFile::Kind::NotAFile);
        QVERIFY(folder.problem.endsWith("movie.r04: not a regular file"));
    }
};

QTEST_GUILESS_MAIN(RecognitionTest)
#include "test_recognition.moc"
