// test_recognition.cpp - the start-file list, start-file recognition and the case-blind member lookup.
// SPDX-License-Identifier: MIT
#include "series/FolderListing.h"
#include "series/MemberFile.h"
#include "series/MemberWalks.h"
#include "series/NameCase.h"
#include "series/Recognition.h"
#include "series/SfvLookup.h"
#include "series/SeriesCheck.h"
#include "series/StartFiles.h"
#include "tests/support/FailingCalls.h"
#include "tests/support/TempSeries.h"

#include <QFile>
#include <QtTest>

#include <sys/stat.h>

using namespace quil;

class RecognitionTest : public QObject {
    Q_OBJECT

private slots:
    // Each series once: a .partN.rar set by its lowest part present (part1 … part10 is one set,
    // part1 beside part01 two), a .zip only beside its .z01, and a .partN.rar as an older RAR only
    // with older members beside it and no other part (v.part1.rar, with v.part1.r00).
    void startFilesListEachSeriesOnceInCaseBlindOrder()
    {
        test::TempSeries dir;
        dir.addAll({"d.arj", "b.001", "a.RAR", "c.ace", "e.r00", "f.zip", ".g.rar", "m.ZIP", "M.z01",
                   "m.z02", "Movie.part03.rar", "movie.PART02.RAR", "s.part1.rar", "s.part2.rar",
                   "s.part10.rar", "w.part1.rar", "w.part01.rar", "x.7z.001", "x.7z.002",
                   "v.part1.rar", "v.part1.r00", "s.part1.r00"}, 1);
        QVERIFY(QDir(dir.folder()).mkdir("h.rar"));
        QCOMPARE(::mkfifo(QFile::encodeName(dir.path("i.rar")).constData(), 0600), 0);
        QVERIFY(QFile::link(dir.path("absent"), dir.path("j.rar")));
        QVERIFY(QFile::link(dir.path("a.RAR"), dir.path("k.rar")));
        QCOMPARE(StartFiles(dir.folder()), QStringList({"a.RAR", "b.001", "c.ace", "d.arj", "k.rar", "m.ZIP",
                                                        "movie.PART02.RAR", "s.part1.rar", "v.part1.rar",
                                                        "w.part01.rar", "w.part1.rar", "x.7z.001"}));
        QCOMPARE(StartFiles(dir.path("missing folder")), QStringList());
    }

    void startFileChoosesKindAndMembers_data()
    {
        QTest::addColumn<QString>("startFile");
        QTest::addColumn<SeriesKind>("kind");
        QTest::addColumn<QStringList>("members");
        // The first member the run examines, the report's start name and the file giving the reference size.
        QTest::addColumn<QStringList>("firstStartReference");
        QTest::newRow("rar: its own base, r00 to z99 only")
            << "Movie.Part.RAR" << SeriesKind::Rar
            << QStringList{"movie.part.rar", "movie.part.r00", "movie.part.r01", "movie.part.s00"}
            << QStringList{"movie.part.rar", "movie.part.rar", "Movie.Part.RAR"};
        QTest::newRow("arj") << "x.arj" << SeriesKind::Arj << QStringList{"x.arj", "x.a01", "x.a02", "x.100"}
                             << QStringList{"x.arj", "x.arj", "x.arj"};
        QTest::newRow("ace") << "x.ace" << SeriesKind::Ace << QStringList{"x.ace", "x.c00", "x.100"}
                             << QStringList{"x.ace", "x.ace", "x.ace"};
        // A numbered series comes from the scan alone, .000 first; the report still names the .001.
        QTest::newRow("numbered") << "n.001" << SeriesKind::Num << QStringList{"n.000", "n.001", "n.002"}
                                  << QStringList{"n.000", "n.001", "n.001"};
        QTest::newRow("numbered 7z") << "n.7z.001" << SeriesKind::Num << QStringList{"n.7z.001", "n.7z.002"}
                                     << QStringList{"n.7z.001", "n.7z.001", "n.7z.001"};
        // Past .999 unpadded, in number order; padded or seven digits is no member.
        QTest::newRow("numbered past 999") << "p.001" << SeriesKind::Num << QStringList{"p.001", "p.999", "p.1000", "p.1002"}
                                           << QStringList{"p.001", "p.001", "p.001"};
        // Part 1 absent: the run starts there, the first part present is the reference.
        QTest::newRow("rar parts: in the start file's width, number order")
            << "Movie.Part02.rar" << SeriesKind::RarParts
            << QStringList{"movie.part02.rar", "movie.part03.rar", "movie.part10.rar", "movie.part100.rar"}
            << QStringList{"movie.part01.rar", "movie.part01.rar", "Movie.Part02.rar"};
        // A part or .zNN numbered in seven digits or more (movie.part1234567.rar, n.z1234567) is no
        // member: no archiver writes a set that long, and taken in it would stretch the walk to millions
        // of names. The stray .rar is left a name of its own, as any other .rar beside a set.
        QTest::newRow("rar parts: one digit rolls over to two")
            << "movie.part1.rar" << SeriesKind::RarParts
            << QStringList{"movie.part1.rar", "movie.part10.rar", "movie.part100.rar"}
            << QStringList{"movie.part1.rar", "movie.part1.rar", "movie.part1.rar"};
        QTest::newRow("zip: .z01 on past .z99, the .zip last")
            << "n.zip" << SeriesKind::Zip << QStringList{"n.z01", "n.z99", "n.z100", "n.zip"}
            << QStringList{"n.z01", "n.z01", "N.Z01"};
    }
    void startFileChoosesKindAndMembers()
    {
        QFETCH(QString, startFile);
        QFETCH(SeriesKind, kind);
        QFETCH(QStringList, members);
        QFETCH(QStringList, firstStartReference);
        test::TempSeries dir;
        int size = 0;
        for (const char* name : {"Movie.Part.RAR", "movie.part.r00", "MOVIE.PART.R01", "movie.part.s00", "other.r00",
                                 "movie.part.r001", "movie.part.rar2", "movie.part.q00", "x.arj", "x.ace", "x.100",
                                 "x.a02", "x.a01", "x.c00", "n.002", "n.001", "n.000", "n.01", "n.7z.002", "n.7z.001",
                                 "movie.part100.rar", "movie.part10.rar", "movie.part1.rar", "movie.part003.rar",
                                 "movie.PART03.rar", "Movie.Part02.rar", "n.zip", "n.z100", "n.z99", "N.Z01", "n.z1",
                                 "n.z001", "o.z02", "p.001", "p.1002", "p.999", "p.1000", "p.01001", "p.1234567",
                                 "movie.part1234567.rar", "n.z1234567"})
            dir.add(name, ++size);
        const std::optional<Series> series = RecognizeSeries(dir.folder(), startFile);
        QVERIFY(series);
        QCOMPARE(series->Kind, kind);
        QCOMPARE(series->SeqList, members);
        QCOMPARE(series->StartFile, startFile);
        QCOMPARE(QStringList({series->FirstMember, series->StartName, series->ReferenceName}), firstStartReference);
        QCOMPARE(series->ReferenceSize, QFileInfo(dir.path(firstStartReference.last())).size());
        QCOMPARE(WalkNames(*series).last(), members.last());
    }

    // A folder read only partly must not pass for a shorter series: the series is refused with the
    // system's reason, in the window and on the command line alike.
    void listingCutShortIsRefusedWithItsReason()
    {
        test::TempSeries dir;
        dir.addAll({"x.rar", "x.r00", "x.r01", "x.r02", "x.r03"}, 3);
        test::FailingFolder calls(QFile::encodeName(dir.folder()), 0, EIO, 4);
        const crc::SystemCallsOverride installed(calls);
        const std::optional<Series> series = RecognizeSeries(dir.folder(), "x.rar");
        QVERIFY(series);
        QCOMPARE(ShortListRefusal(series), std::optional<Refusal>({RefusalCode::FolderUnreadable,
                                                                   "Cannot read " + dir.folder() + ": Input/output error"}));
        QCOMPARE(StartFiles(dir.folder()), QStringList());
    }

    void otherExtensionsAndShortListsAreRefused()
    {
        test::TempSeries dir;
        dir.addAll({"x.z01", "x.002"}, 1);
        QVERIFY(!RecognizeSeries(dir.folder(), "x.z01"));
        QVERIFY(!RecognizeSeries(dir.folder(), "x.0001"));
        QCOMPARE(SeqListRefusal({}), std::optional<QString>("Select an Archive File First!"));
        QCOMPARE(SeqListRefusal({"x.rar"}), std::optional<QString>("List Contains Only 1 File!"));
        QCOMPARE(SeqListRefusal({"x.rar", "x.r00"}), std::nullopt);
    }

    // Every file a walked name stands for, letter case ignored: the preferred one, the exact name,
    // then name order; a folder counts only when no file is so named.
    void memberLookupFindsEveryFileEqualButForCase()
    {
        test::TempSeries dir;
        dir.add("MOVIE.R00", 7);
        dir.add("Movie.r01", 8);
        dir.add("movie.r01", 9);
        dir.add("movie.R02", 10);
        dir.add("MOVIE.r02", 11);
        QVERIFY(QDir(dir.folder()).mkdir("movie.r04"));
        QVERIFY(QDir(dir.folder()).mkdir("MOVIE.R05"));
        dir.add("movie.r05", 12);
        MemberFinder finder(dir.folder());
        const auto sizes = [&finder](const QString& name, const QString& preferred = {}) {
            QList<qint64> found;
            for (const MemberFile& file : finder.Members(name, preferred))
                found << (file.isRegularFile() ? file.size : -int(file.kind));
            return found;
        };
        QCOMPARE(sizes("movie.r00"), QList<qint64>({7}));
        QCOMPARE(sizes("movie.r01"), QList<qint64>({9, 8}));
        QCOMPARE(sizes("movie.r01", "Movie.r01"), QList<qint64>({8, 9}));
        QCOMPARE(sizes("movie.r02"), QList<qint64>({11, 10}));
        QCOMPARE(sizes("movie.r03"), QList<qint64>({-int(MemberFile::Kind::Absent)}));
        QCOMPARE(sizes("movie.r05"), QList<qint64>({12}));
        const MemberFile folder = finder.Members("movie.r04").first();
        QCOMPARE(folder.kind, MemberFile::Kind::NotAFile);
        QVERIFY(folder.problem.endsWith("movie.r04: not a regular file"));
    }

    // Names whose lower case differs but whose case fold is one ("ς", "σ" and "Σ"; "ſ" and "s"):
    // listed, recognised, walked to the last one found, and found on disk and in an SFV file alike.
    void namesOneButForCaseAreOneSeriesThroughout_data()
    {
        QTest::addColumn<QStringList>("files");  // the start file first
        QTest::addColumn<QStringList>("members");
        QTest::addColumn<QStringList>("walked");
        QTest::newRow("final sigma") << QStringList{"xς.rar", "XΣ.R00", "xσ.r01"}
                                     << QStringList{"xς.rar", "xσ.r00", "xσ.r01"} << QStringList{"xς.r00", "xς.r01"};
        QTest::newRow("long s, split zip") << QStringList{"ſ.zip", "S.z01", "s.z02"}
                                           << QStringList{"s.z01", "s.z02", "ſ.zip"} << QStringList{"ſ.z02", "ſ.zip"};
        QTest::newRow("long s, part set") << QStringList{"ſ.part1.rar", "S.PART2.RAR"}
                                          << QStringList{"ſ.part1.rar", "s.part2.rar"} << QStringList{"ſ.part2.rar"};
    }
    void namesOneButForCaseAreOneSeriesThroughout()
    {
        QFETCH(QStringList, files);
        QFETCH(QStringList, members);
        QFETCH(QStringList, walked);
        test::TempSeries dir;
        QByteArray sfv;
        for (const QString& name : files) {
            dir.add(name, 4);
            sfv += (name + " 00000000\n").toUtf8();
        }
        QCOMPARE(StartFiles(dir.folder()), QStringList{files.first()});
        const std::optional<Series> series = RecognizeSeries(dir.folder(), files.first());
        QVERIFY(series);
        QCOMPARE(series->SeqList, members);
        QCOMPARE(WalkNames(*series), walked);
        MemberFinder finder(dir.folder());
        const SfvTable table = SfvTable::Parse(sfv);
        for (const QString& name : walked) {
            QVERIFY2(finder.Members(name).first().isRegularFile(), qPrintable(name));
            QVERIFY2(table.Lists(name), qPrintable(name));
        }
    }

    // The order of a listing sorts names by the same key that says whether they are one name.
    void nameOrderAgreesWithTheNameKey_data()
    {
        QTest::addColumn<QString>("a");
        QTest::addColumn<QString>("b");
        QTest::addColumn<bool>("same");
        QTest::newRow("final sigma") << "ς" << "Σ" << true;
        QTest::newRow("long s") << "ſ" << "S" << true;
        QTest::newRow("kelvin sign") << "\u212A" << "k" << true;
        QTest::newRow("capital sharp s") << "ẞ" << "ß" << true;
        QTest::newRow("sharp s is no ss") << "ß" << "ss" << false;
        QTest::newRow("dotted capital i is no i") << "İ" << "i" << false;
        QTest::newRow("deseret, beyond 16 bits") << "\U00010400" << "\U00010428" << true;
    }
    void nameOrderAgreesWithTheNameKey()
    {
        QFETCH(QString, a);
        QFETCH(QString, b);
        QFETCH(bool, same);
        QCOMPARE(SameName(a, b), same);
        QCOMPARE(SameName(QString("x." + a), QString("X." + b)), same);
        QCOMPARE(NameEndsWith(QString("x." + a), b), same);
        // Names of one key are ordered by their case alone, so one letter more makes either the later.
        QCOMPARE(NameOrderLess(a + u'a', b) || NameOrderLess(b + u'a', a), !same);
    }
};

QTEST_GUILESS_MAIN(RecognitionTest)
#include "test_recognition.moc"
