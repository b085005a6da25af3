// test_sfv_lookup.cpp - reading SFV files and comparing a member's CRC-32 text with its entry.
// SPDX-License-Identifier: MIT
#include "crc/clsCRC.h"
#include "os/NativeNames.h"
#include "series/MemberCrc.h"
#include "series/SfvLookup.h"
#include "tests/support/FailingCalls.h"
#include "tests/support/TempSeries.h"

#include <QFile>
#include <QtTest>

#include <sys/stat.h>

using namespace quil;

class SfvLookupTest : public QObject {
    Q_OBJECT

private slots:
    void lookup_data()
    {
        QTest::addColumn<QByteArray>("sfv");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("expected");
        QTest::newRow("capital name, two spaces, lower-case value")
            << QByteArray("MOVIE.R00  0a1b2c3d\r\n") << "movie.r00" << "0A1B2C3D";
        // A member really named ";movie.r00" shows the line is skipped as a comment, not as a non-match.
        QTest::newRow("commented entry") << QByteArray(";movie.r00 0A1B2C3D\r\n") << ";movie.r00" << "";
        // Blanks are runs of spaces and tabs: between name and value, and ignored at the end.
        QTest::newRow("tab instead of space") << QByteArray("movie.r00\t0A1B2C3D\r\n") << "movie.r00" << "0A1B2C3D";
        QTest::newRow("space and tab between") << QByteArray("movie.r00 \t 0A1B2C3D\n") << "movie.r00" << "0A1B2C3D";
        QTest::newRow("trailing space") << QByteArray("movie.r00 0A1B2C3D \r\n") << "movie.r00" << "0A1B2C3D";
        QTest::newRow("trailing tab") << QByteArray("movie.r00 0A1B2C3D\t\n") << "movie.r00" << "0A1B2C3D";
        QTest::newRow("tab inside a name stays") << QByteArray("my\tmovie.r00 0A1B2C3D\n") << "my\tmovie.r00"
                                                  << "0A1B2C3D";
        // Case folding, not upper-casing: "ß" is no "SS", a dotless "ı" no "I".
        QTest::newRow("sharp s is no SS") << QByteArray("STRASSE.R00 0A1B2C3D\n") << "straße.r00" << "";
        QTest::newRow("dotless i is no I") << QByteArray("FILM.R00 0A1B2C3D\n") << "fılm.r00" << "";
        QTest::newRow("folded letters match") << QByteArray("ÉTÉ.R00 0A1B2C3D\n") << "été.r00" << "0A1B2C3D";
        // By its bytes, as the folder listing gives the name.
        QTest::newRow("name not UTF-8") << QByteArray("d\xE9j\xE0.r00 0A1B2C3D\n") << NameFromNative("d\xE9j\xE0.r00")
                                        << "0A1B2C3D";
        QTest::newRow("last line wins")
            << QByteArray("movie.r00 11111111\r\nmovie.r01 22222222\r\nmovie.r00 33333333\r\n") << "movie.r00"
            << "33333333";
        QTest::newRow("name with a space") << QByteArray("my movie.r00 0A1B2C3D\r\n") << "my movie.r00" << "0A1B2C3D";
        QTest::newRow("folder part never matches") << QByteArray("sub/movie.r00 0A1B2C3D\r\n") << "movie.r00" << "";
        QTest::newRow("lines ended by CR alone") << QByteArray("a.r00 11111111\rmovie.r00 0A1B2C3D") << "movie.r00"
                                                 << "0A1B2C3D";
        QTest::newRow("binary junk") << QByteArray(200000, '\x01') + "\nmovie.r00 0A1B2C3D" << "movie.r00"
                                     << "0A1B2C3D";
    }
    void lookup()
    {
        QFETCH(QByteArray, sfv);
        QFETCH(QString, name);
        QFETCH(QString, expected);
        QCOMPARE(SfvTable::Parse(sfv).Lookup(name), expected);
        test::TempSeries dir;
        QCOMPARE(std::get<SfvTable>(SfvTable::Read(dir.write("check.sfv", sfv))).Lookup(name), expected);
    }

    // Line numbers count every line ending, CR LF once; comments and blank lines are neither entries
    // nor unreadable, and the lines that are no entries still match as before.
    void entriesAndUnreadableLinesKeepTheirNumbers()
    {
        const SfvTable sfv = SfvTable::Parse("; comment\r\n\r\nx.r00 0a1b2c3d\r\n \t\nnospace\rx.r01 XYZ\n"
                                             + QByteArray(70000, 'a') + "\n X.R02  0A1B2C3D\nextra.r09 12345678");
        QCOMPARE(sfv.entries(), QList<SfvEntry>({{3, "x.r00", "0A1B2C3D"}, {8, "X.R02", "0A1B2C3D"},
                                                 {9, "extra.r09", "12345678"}}));
        QCOMPARE(sfv.unreadableLines(), QList<int>({5, 6, 7}));
        QCOMPARE(sfv.EntriesNamingNone({"x.r00", "x.r01", "x.r02", "x.r03"}),
                 QList<SfvEntry>({{9, "extra.r09", "12345678"}}));
        QCOMPARE(sfv.Lookup("x.r01"), QString("XYZ"));
        QVERIFY(sfv.Lists("X.R01"));
        QVERIFY(!sfv.Lists("x.r03"));
    }

    // Digest lists as the GNU tools write them: the kind from the name, or from the first value's length
    // when the name says nothing; "*" marks a name read in binary mode; a value of the wrong length is
    // no entry.
    void digestListsAreReadTheGnuWay_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<HashKind>("kind");
        QTest::addColumn<QStringList>("entries");  // "line name value"
        QTest::addColumn<QList<int>>("unreadable");
        const QByteArray md5(32, 'A'), sha256(64, 'b');
        QTest::newRow("md5 by its name") << "X.MD5" << "# by hand\n" + md5 + "  a.r00\r\n" + md5 + " *b r01\nnonsense\n"
                                         << HashKind::Md5
                                         << QStringList{"2 a.r00 " + md5.toLower(), "3 b r01 " + md5.toLower()}
                                         << QList<int>{4};
        QTest::newRow("sha256 by its length") << "list.txt" << "\n" + sha256 + "  a.rar\n" << HashKind::Sha256
                                              << QStringList{"2 a.rar " + sha256} << QList<int>{};
        QTest::newRow("wrong length for the name") << "x.sha1" << md5 + "  a.r00\n" << HashKind::Sha1 << QStringList{}
                                                   << QList<int>{1};
        QTest::newRow("sfv by its name") << "x.sfv" << md5 + "  a.r00\n" << HashKind::Crc32 << QStringList{}
                                         << QList<int>{1};
        QTest::newRow("sfv by its lines") << "" << QByteArray("a.r00 0a1b2c3d\n") << HashKind::Crc32
                                          << QStringList{"1 a.r00 0A1B2C3D"} << QList<int>{};
    }
    void digestListsAreReadTheGnuWay()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, content);
        QFETCH(HashKind, kind);
        QFETCH(QStringList, entries);
        QFETCH(QList<int>, unreadable);
        const SfvTable table = SfvTable::Parse(content, name);
        QCOMPARE(table.kind(), kind);
        QStringList read;
        for (const SfvEntry& entry : table.entries())
            read << QString::number(entry.line) + ' ' + entry.name + ' ' + entry.crc;
        QCOMPARE(read, entries);
        QCOMPARE(table.unreadableLines(), unreadable);
    }

    // Every way reading an SFV file fails through the system calls: refused with the reason, never a
    // table that lacks the lines after the failure. An interrupted read is tried again.
    void readFailuresAreReported_data()
    {
        QTest::addColumn<int>("call");  // a test::FailingCalls::Call
        QTest::addColumn<int>("error");
        QTest::addColumn<int>("from");
        QTest::addColumn<int>("times");
        QTest::addColumn<QString>("reason");  // "" when the whole table comes out
        using Call = test::FailingCalls::Call;
        QTest::newRow("open: no access") << int(Call::Open) << EACCES << 1 << 0 << "Permission denied";
        QTest::newRow("fstat: I/O error") << int(Call::Fstat) << EIO << 1 << 0 << "Input/output error";
        QTest::newRow("first read: I/O error") << int(Call::Pread) << EIO << 1 << 0 << "Input/output error";
        QTest::newRow("second read: I/O error") << int(Call::Pread) << EIO << 2 << 0 << "Input/output error";
        QTest::newRow("second read interrupted") << int(Call::Pread) << EINTR << 2 << 1 << "";
    }
    void readFailuresAreReported()
    {
        QFETCH(int, call);
        QFETCH(int, error);
        QFETCH(int, from);
        QFETCH(int, times);
        QFETCH(QString, reason);
        test::TempSeries dir;
        // The entry that matters comes after the first read's 64 KiB.
        const QString path = dir.write("check.sfv", QByteArray(70000, ';') + "\nmovie.r00 0A1B2C3D\n");
        test::FailingCalls calls;
        calls.fail(test::FailingCalls::Call(call), error, from, times);
        const crc::SystemCallsOverride installed(calls);
        const auto read = SfvTable::Read(path);
        if (reason.isEmpty())
            QCOMPARE(std::get<SfvTable>(read).Lookup("movie.r00"), QString("0A1B2C3D"));
        else
            QCOMPARE(std::get<QString>(read), "Cannot read " + path + ": " + reason);
    }

    void whatIsNoRegularFileIsRefused()
    {
        test::TempSeries dir;
        const QByteArray fifo = QFile::encodeName(dir.path("fifo.sfv"));
        QCOMPARE(::mkfifo(fifo.constData(), 0600), 0);
        QStringList failures;
        for (const QString& path : {dir.folder(), dir.path("absent.sfv"), dir.path("fifo.sfv")})  // a FIFO never waits
            failures << std::get<QString>(SfvTable::Read(path));
        QCOMPARE(failures, QStringList({"Cannot read " + dir.folder() + ": not a regular file",
                                        "Cannot read " + dir.path("absent.sfv") + ": no such file",
                                        "Cannot read " + dir.path("fifo.sfv") + ": not a regular file"}));
    }

    void memberCrcIsComparedAsText()
    {
        QCOMPARE(CrcText(-873187034), QString("CBF43926"));
        QCOMPARE(CrcText(1), QString("00000001"));
        test::TempSeries dir;
        // A member whose CRC-32 text starts with 0, to try the value written without it.
        QByteArray content;
        QString text;
        for (int i = 0; !text.startsWith('0'); ++i) {
            content = QByteArray::number(i);
            text = test::TempSeries::crcTextOf(content);
        }
        const QString member = dir.write("movie.r00", content);
        const SfvTable full = SfvTable::Parse(("movie.r00 " + text.toLower() + "\r\n").toUtf8());
        const SfvTable shortened = SfvTable::Parse(("movie.r00 " + text.mid(1) + "\r\n").toUtf8());

        clsCRC crc;
        const MemberCrc matched = ComputeMemberCrc(crc, member, full.Lookup("movie.r00"), {});
        QCOMPARE(matched.text, text);
        QVERIFY(matched.ok);
        QVERIFY(!ComputeMemberCrc(crc, member, shortened.Lookup("movie.r00"), {}).ok);
        QVERIFY(!ComputeMemberCrc(crc, member, std::nullopt, {}).ok);
        QCOMPARE(ComputeMemberCrc(crc, dir.write("empty.r01", {}), std::nullopt, {}).text, QString("00000000"));
    }
};

QTEST_GUILESS_MAIN(SfvLookupTest)
#include "test_sfv_lookup.moc"
