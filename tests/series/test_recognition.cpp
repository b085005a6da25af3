// test_recognition.cpp - the folder listing, start-file recognition and the case-blind member lookup.
#include "series/FolderListing.h"
#include "series/MemberFile.h"
#include "series/Recognition.h"
#include "series/SeriesState.h"
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
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QStringList>("members");
        QTest::newRow("rar: its own base, r00 to z99 only")
            << "Movie.Part.RAR" << "RAR"
            << QStringList{"movie.part.rar", "movie.part.r00", "movie.part.r01", "movie.part.s00"};
        QTest::newRow("arj") << "x.arj" << "ARJ" << QStringList{"x.arj", "x.a01", "x.a02", "x.100"};
        QTest::newRow("ace") << "x.ace" << "ACE" << QStringList{"x.ace", "x.c00", "x.100"};
        // A numbered series comes from the scan alone, .000 first.
        QTest::newRow("numbered") << "n.001" << "NUM" << QStringList{"n.000", "n.001", "n.002"};
    }
    void startFileChoosesKindAndMembers()
    {
        QFETCH(QString, startFile);
        QFETCH(QString, kind);
        QFETCH(QStringList, members);
        test::TempSeries dir;
        for (const char* name : {"Movie.Part.RAR", "movie.part.r00", "MOVIE.PART.R01", "movie.part.s00", "other.r00",
                                 "movie.part.r001", "movie.part.rar2", "movie.part.q00", "x.arj", "x.ace", "x.100",
                                 "x.a02", "x.a01", "x.c00", "n.002", "n.001", "n.000", "n.01"})
            dir.add(name, 1);
        FileList_Click(dir.folder(), startFile, {});
        QCOMPARE(State().SeriesKind, kind);
        QCOMPARE(State().SeqList, members);
    }

    void memberLookupIgnoresLetterCaseButPrefersTheExactName()
    {
        test::TempSeries dir;
        dir.add("MOVIE.R00", 7);
        dir.add("Movie.r01", 8);
        dir.add("movie.r01", 9);
        QCOMPARE(FindMemberFile(dir.folder(), "movie.r00").size, qint64(7));
        QCOMPARE(FindMemberFile(dir.folder(), "movie.r01").size, qint64(9));
        QCOMPARE(FindMemberFile(dir.folder(), "movie.r03").kind, MemberFile::Kind::Absent);
    }
};

QTEST_GUILESS_MAIN(RecognitionTest)
#include "test_recognition.moc"
