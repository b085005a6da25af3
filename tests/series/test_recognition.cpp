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

    QStringList statuses;
    ShowStatusFn recordStatus()
    {
        return [this](const QString& text) { statuses.append(text); };
    }

private slots:
    void init()
    {
        ResetState();
        statuses.clear();
    }

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

    void rarSeriesGathersOnlyItsOwnThreeLetterExtensions()
    {
        test::TempSeries dir;
        dir.add("Movie.Part.RAR", 100);
        for (const char* name : {"movie.part.r00", "MOVIE.PART.R01", "movie.part.s00", "other.r00",
                                 "movie.part.r001", "movie.part.rar2", "movie.part.q00"})
            dir.add(name, 100);
        FileList_Click(dir.folder(), "Movie.Part.RAR", recordStatus());
        const SeriesState& state = State();
        QCOMPARE(state.SeriesKind, QString("RAR"));
        QCOMPARE(state.BaseName, QString("movie.part"));
        QCOMPARE(state.ReferenceSize, qint64(100));
        QCOMPARE(state.SeqList,
                 QStringList({"movie.part.rar", "movie.part.r00", "movie.part.r01", "movie.part.s00"}));
        QCOMPARE(statuses, QStringList({"Ready To Scan Archive"}));
    }

    void otherKindsGatherTheirMembers()
    {
        test::TempSeries dir;
        for (const char* name : {"x.arj", "x.100", "x.a02", "x.a01", "x.c00"})
            dir.add(name, 1);
        FileList_Click(dir.folder(), "x.arj", {});
        QCOMPARE(State().SeriesKind, QString("ARJ"));
        QCOMPARE(State().SeqList, QStringList({"x.arj", "x.a01", "x.a02", "x.100"}));

        dir.add("x.ace", 1);
        FileList_Click(dir.folder(), "x.ace", {});
        QCOMPARE(State().SeriesKind, QString("ACE"));
        QCOMPARE(State().SeqList, QStringList({"x.ace", "x.c00", "x.100"}));

        // A numbered series comes from the scan alone, .000 first.
        for (const char* name : {"n.002", "n.001", "n.000", "n.01"})
            dir.add(name, 5);
        FileList_Click(dir.folder(), "n.001", {});
        QCOMPARE(State().SeriesKind, QString("NUM"));
        QCOMPARE(State().SeqList, QStringList({"n.000", "n.001", "n.002"}));
    }

    void memberLookupIgnoresLetterCase()
    {
        test::TempSeries dir;
        dir.add("MOVIE.R00", 7);
        dir.add("Movie.r01", 8);
        dir.add("movie.r01", 9);
        QVERIFY(QDir(dir.folder()).mkdir("movie.r02"));

        const MemberFile upper = FindMemberFile(dir.folder(), "movie.r00");
        QVERIFY(upper.isRegularFile());
        QCOMPARE(upper.size, qint64(7));
        QCOMPARE(FindMemberFile(dir.folder(), "movie.r01").size, qint64(9));  // the exact case wins
        QCOMPARE(FindMemberFile(dir.folder(), "movie.r02").kind, MemberFile::Kind::NotAFile);
        QCOMPARE(FindMemberFile(dir.folder(), "movie.r03").kind, MemberFile::Kind::Absent);
    }
};

QTEST_GUILESS_MAIN(RecognitionTest)
#include "test_recognition.moc"
