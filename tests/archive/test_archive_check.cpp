// test_archive_check.cpp - volume sets checked against the archive's own checksums: written ones with
// faults, and real ones the archivers made.
// SPDX-License-Identifier: MIT
#include "crc/clsCRC.h"
#include "series/SeriesCheck.h"
#include "tests/support/Rar4Writer.h"
#include "tests/support/RecordingView.h"
#include "tests/support/TempSeries.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QtTest>

#include <functional>

using namespace quil;

namespace {

using Fault = std::function<void(const QStringList& volumes)>;

SeriesOutcome CheckArchive(const QString& startPath)
{
    test::RecordingView view;
    return CheckSeries(startPath, RecognizeStartPath(startPath), {CheckMode::ArchiveCheck, {}, false}, view);
}

// "name status" per row, and the reasons apart.
QStringList RowTexts(const SeriesOutcome& outcome)
{
    QStringList texts;
    for (const MemberRow& row : outcome.run->Rows)
        texts << row.name + u' ' + StatusWord(row.status);
    return texts;
}

QString Reasons(const SeriesOutcome& outcome)
{
    QStringList reasons;
    for (const MemberRow& row : outcome.run->Rows)
        if (!row.reason.isEmpty())
            reasons << row.reason;
    return reasons.join(u'\n');
}

void FlipByte(const QString& path, qint64 offset)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadWrite));
    QVERIFY(file.seek(offset));
    char byte = 0;
    QVERIFY(file.getChar(&byte));
    QVERIFY(file.seek(offset));
    QVERIFY(file.putChar(char(byte ^ 0x20)));
}

void Resize(const QString& path, qint64 size) { QVERIFY(QFile::resize(path, size)); }

void Append(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::Append));
    QCOMPARE(file.write(bytes), bytes.size());
}

void Swap(const QString& a, const QString& b)
{
    QVERIFY(QFile::rename(a, a + ".swap"));
    QVERIFY(QFile::rename(b, a));
    QVERIFY(QFile::rename(a + ".swap", b));
}

QString Samples() { return QStringLiteral(QUILLANE_SAMPLES); }

// Copies a sample folder where a test may change it.
QStringList CopySample(const test::TempSeries& dir, const QString& folder)
{
    QStringList copies;
    for (const QString& name : QDir(Samples() + u'/' + folder).entryList(QDir::Files, QDir::Name)) {
        copies << dir.path(name);
        QFile::copy(Samples() + u'/' + folder + u'/' + name, copies.last());
        QFile::setPermissions(copies.last(), QFile::ReadOwner | QFile::WriteOwner);
    }
    return copies;
}

}  // namespace

class ArchiveCheckTest : public QObject {
    Q_OBJECT

private slots:
    // A written set of three: a 7-byte marker, a 13-byte main header and a 40-byte file header lead
    // each volume's data.
    void writtenSetFaults_data()
    {
        QTest::addColumn<bool>("partNaming");
        QTest::addColumn<Fault>("fault");
        QTest::addColumn<QStringList>("rows");  // as RowTexts gives them, for a set named s
        QTest::addColumn<QString>("reason");    // within the reasons, "" for none at all
        const QStringList ok{"s.part1.rar OK", "s.part2.rar OK", "s.part3.rar OK"};
        const auto with = [&](int i, const QString& status) {
            QStringList rows = ok;
            rows[i] = rows[i].section(u' ', 0, 0) + u' ' + status;
            return rows;
        };
        const Fault none = [](const QStringList&) {};
        QTest::newRow("clean") << true << none << ok << "";
        QTest::newRow("clean, .rar/.r00 names") << false << none << QStringList{"s.rar OK", "s.r00 OK", "s.r01 OK"} << "";
        QTest::newRow("data byte of the middle volume")
            << true << Fault([](const QStringList& v) { FlipByte(v[1], 2000); }) << with(1, "Bad CRC")
            << "The packed part of data.bin in this volume has a bad CRC-32 value";
        QTest::newRow("header byte of the middle volume")
            << true << Fault([](const QStringList& v) { FlipByte(v[1], 30); }) << with(1, "Bad CRC")
            << "has a bad checksum: stored";
        QTest::newRow("data byte of the last volume")
            << true << Fault([](const QStringList& v) { FlipByte(v[2], 1000); }) << with(2, "Bad CRC")
            << "The whole volume has a bad CRC-32 value";
        QTest::newRow("middle volume cut short")
            << true << Fault([](const QStringList& v) { Resize(v[1], 3000); }) << with(1, "Bad Size") << "cut short";
        QTest::newRow("junk after the end")
            << true << Fault([](const QStringList& v) { Append(v[2], "junk"); }) << with(2, "Bad Size")
            << "not zero padding";
        QTest::newRow("zero padding after the end")
            << true << Fault([](const QStringList& v) { Append(v[2], QByteArray(512, 0)); }) << ok << "";
        QTest::newRow("last volume deleted")
            << true << Fault([](const QStringList& v) { QFile::remove(v[2]); }) << with(2, "Missing")
            << "The archive expects more volumes: s.part2.rar says another follows";
        QTest::newRow("middle and last swapped")
            << true << Fault([](const QStringList& v) { Swap(v[1], v[2]); })
            << QStringList{"s.part1.rar OK", "s.part2.rar Bad CRC", "s.part3.rar Bad CRC"}
            << "The archive numbers this volume 3, not 2";
    }
    void writtenSetFaults()
    {
        QFETCH(bool, partNaming);
        QFETCH(Fault, fault);
        QFETCH(QStringList, rows);
        QFETCH(QString, reason);
        test::TempSeries dir;
        const QStringList volumes = test::WriteRar4Set({dir.folder(), "s", 3, 4096, partNaming});
        fault(volumes);
        const SeriesOutcome outcome = CheckArchive(volumes.first());
        QVERIFY(outcome.run);
        QCOMPARE(RowTexts(outcome), rows);
        QVERIFY2(reason.isEmpty() ? Reasons(outcome).isEmpty() : Reasons(outcome).contains(reason),
                 qPrintable(Reasons(outcome)));
        // A row that passed is covered by matching checksums; all of it for these sets, the zeros after the end aside.
        for (const MemberRow& row : outcome.run->Rows)
            if (row.status == MemberStatus::OK)
                QVERIFY(*row.verifiedBytes > 4096 / 2 && *row.verifiedBytes <= *row.bytes);
    }

    // A start file that is no RAR volume is refused in this mode only.
    void otherStartFilesAreRefused()
    {
        test::TempSeries dir;
        dir.addAll({"x.rar", "x.r00"}, 100);
        const SeriesOutcome outcome = CheckArchive(dir.path("x.rar"));
        QVERIFY(!outcome.run);
        QCOMPARE(outcome.refusal->code, RefusalCode::NoArchiveMarker);
        QCOMPARE(outcome.refusal->text, "Cannot Check x.rar Against The Archive's Own Checksums!\n"
                                        "it does not start with the marker of a RAR volume or 7z archive, nor end a split zip");
    }

    void realSets_data()
    {
        QTest::addColumn<QString>("start");
        QTest::addColumn<QString>("statuses");  // one letter a row: O OK, P Partly Verified
        QTest::newRow("RAR 3 stored") << "rarfile-rar3-vols/rar3-vols.part1.rar" << "OOO";
        QTest::newRow("RAR 5 stored, recovery record") << "rarfile-rar5-vols/rar5-vols.part1.rar" << "OOO";
        QTest::newRow("RAR 4 compressed") << "libarchive-rar4-multivolume/test_read_format_rar_multivolume.part0001.rar"
                                          << "OOOO";
        QTest::newRow("RAR 5 compressed") << "libarchive-rar5-multiarchive/test_read_format_rar5_multiarchive.part01.rar"
                                          << "OOPOOOOP";
        QTest::newRow("encrypted headers") << "sharpcompress-rar-encryptedparts/Rar.EncryptedParts.part01.rar"
                                           << "PPPPPP";
        QTest::newRow("RAR 2, no end blocks") << "sharpcompress-rar2-multi/Rar2.multi.rar" << "PPPPPPP";
        QTest::newRow("split zip") << "sharpcompress-infozip-nocomp-multi/Infozip.nocomp.multi.zip" << "PP";
    }
    void realSets()
    {
        QFETCH(QString, start);
        QFETCH(QString, statuses);
        if (!QFile::exists(Samples()))
            QSKIP("no ../shared/samples beside the project");
        const SeriesOutcome outcome = CheckArchive(Samples() + u'/' + start);
        QVERIFY(outcome.run);
        QString letters;
        for (const MemberRow& row : outcome.run->Rows)
            letters += row.status == MemberStatus::OK ? u'O' : row.status == MemberStatus::PartlyVerified ? u'P' : u'!';
        QCOMPARE(letters, statuses);
        QCOMPARE(outcome.run->ProblemsFound(), 0);
    }

    // Damage to real sets: a stored middle volume is caught; a compressed last part is never OK.
    void damagedRealSets_data()
    {
        QTest::addColumn<QString>("folder");
        QTest::addColumn<int>("volume");
        QTest::addColumn<qint64>("offset");
        QTest::addColumn<QList<MemberStatus>>("allowed");
        QTest::newRow("RAR 5 stored, middle") << "rarfile-rar5-vols" << 1 << qint64(50000)
                                              << QList<MemberStatus>{MemberStatus::BadCrc};
        QTest::newRow("RAR 5 header size") << "rarfile-rar5-vols" << 1 << qint64(12)
                                                    << QList<MemberStatus>{MemberStatus::BadCrc};
        QTest::newRow("RAR 4 compressed, last") << "libarchive-rar4-multivolume" << 3 << qint64(5000)
                                                << QList<MemberStatus>{MemberStatus::BadCrc};
        QTest::newRow("RAR 5 compressed, last") << "libarchive-rar5-multiarchive" << 7 << qint64(5000)
                                                << QList<MemberStatus>{MemberStatus::BadCrc, MemberStatus::PartlyVerified};
    }
    void damagedRealSets()
    {
        QFETCH(QString, folder);
        QFETCH(int, volume);
        QFETCH(qint64, offset);
        QFETCH(QList<MemberStatus>, allowed);
        if (!QFile::exists(Samples()))
            QSKIP("no ../shared/samples beside the project");
        test::TempSeries dir;
        const QStringList copies = CopySample(dir, folder);
        FlipByte(copies[volume], offset);
        const SeriesOutcome outcome = CheckArchive(copies.first());
        QVERIFY(outcome.run);
        for (qsizetype i = 0; i < outcome.run->Rows.size(); ++i) {
            const MemberStatus status = outcome.run->Rows[i].status;
            QVERIFY2(i == volume ? allowed.contains(status) : status != MemberStatus::BadCrc, qPrintable(StatusWord(status)));
        }
    }

    // A split zip's .zip counts the volumes: each one it counts that is absent is a Missing row.
    void splitZipCountsItsVolumes()
    {
        if (!QFile::exists(Samples()))
            QSKIP("no ../shared/samples beside the project");
        test::TempSeries dir;
        const QStringList copies = CopySample(dir, "sharpcompress-infozip-nocomp-multi");
        QFile zip(copies.last());
        QVERIFY(zip.open(QIODevice::ReadWrite));
        const qint64 record = zip.readAll().lastIndexOf("PK\x05\x06");
        QVERIFY(zip.seek(record + 4) && zip.putChar(3));  // disk 3: .z01 to .z03, then the .zip
        zip.close();
        const SeriesOutcome outcome = CheckArchive(copies.last());
        QCOMPARE(RowTexts(outcome), QStringList({"infozip.nocomp.multi.z01 Partly Verified", "infozip.nocomp.multi.zip Partly Verified",
                                                 "infozip.nocomp.multi.z02 Missing", "infozip.nocomp.multi.z03 Missing"}));
        QVERIFY(Reasons(outcome).contains("The archive says it has 4 volumes"));
    }

    // A split 7z archive's first piece gives the archive's length: 3100 bytes in pieces of 1000 take
    // four, so a set that ends at .003 lacks .004, and .004 must hold 100 bytes. The header at the
    // archive's end is checked where it lies, across pieces when it spans them.
    void splitSevenZipCountsItsPieces_data()
    {
        QTest::addColumn<int>("headerSize");  // of the header at the end
        QTest::addColumn<int>("pieces");      // written, from .001
        QTest::addColumn<int>("flip");        // the archive's byte flipped; -1 none
        QTest::addColumn<int>("lastDelta");   // bytes added to the last piece written, or cut from it
        QTest::addColumn<QStringList>("rows");
        QTest::addColumn<QString>("reason");
        const QString p = "Partly Verified";
        const QStringList three{"z.001 " + p, "z.002 " + p, "z.003 " + p};
        QTest::newRow("whole") << 100 << 4 << -1 << 0 << three + QStringList{"z.004 " + p} << "";
        QTest::newRow("last piece absent") << 100 << 3 << -1 << 0 << three + QStringList{"z.004 Missing"} << "4 volumes";
        QTest::newRow("start header damaged") << 100 << 2 << 20 << 0 << QStringList{"z.001 Bad CRC", "z.002 " + p} << "A block header";
        QTest::newRow("end header damaged") << 100 << 4 << 3050 << 0 << three + QStringList{"z.004 Bad CRC"}
                                            << "The header at the archive's end has a bad CRC-32 value";
        QTest::newRow("end header spans pieces") << 150 << 4 << -1 << 0 << three + QStringList{"z.004 " + p} << "";
        QTest::newRow("spanning end header damaged") << 150 << 4 << 2960 << 0 << three + QStringList{"z.004 Bad CRC"}
                                                     << "The header at the archive's end";
        QTest::newRow("last piece cut short") << 100 << 4 << -1 << -1 << three + QStringList{"z.004 Bad Size"}
                                              << "The piece holds 99 bytes where the archive's length needs 100";
        QTest::newRow("last piece too long") << 100 << 4 << -1 << 5 << three + QStringList{"z.004 Bad Size"} << "holds 105 bytes";
    }
    void splitSevenZipCountsItsPieces()
    {
        QFETCH(int, headerSize);
        QFETCH(int, pieces);
        QFETCH(int, flip);
        QFETCH(int, lastDelta);
        QFETCH(QStringList, rows);
        QFETCH(QString, reason);
        const auto crcOf = [](const QByteArray& bytes) {
            return quint32(clsCRC().CalculateBytes({reinterpret_cast<const std::uint8_t*>(bytes.constData()), std::size_t(bytes.size())}));
        };
        QByteArray archive = test::TempSeries::contentFor("z", 3100);
        QByteArray covered(20, 0);
        qToLittleEndian<quint64>(3100 - 32 - headerSize, covered.data());  // where the end header starts
        qToLittleEndian<quint64>(headerSize, covered.data() + 8);          // its size and CRC-32
        qToLittleEndian<quint32>(crcOf(archive.right(headerSize)), covered.data() + 16);
        archive.replace(0, 12, QByteArray("7z\xBC\xAF\x27\x1C\x00\x04", 8) + QByteArray(4, 0));
        qToLittleEndian<quint32>(crcOf(covered), archive.data() + 8);
        archive.replace(12, 20, covered);
        if (flip >= 0)
            archive[flip] = char(archive[flip] ^ 1);
        test::TempSeries dir;
        for (int i = 0; i < pieces; ++i) {
            QByteArray piece = archive.mid(i * 1000, 1000);
            if (i == pieces - 1)
                piece = lastDelta < 0 ? piece.chopped(-lastDelta) : piece + QByteArray(lastDelta, 'x');
            dir.write(QStringLiteral("z.%1").arg(i + 1, 3, 10, QChar(u'0')), piece);
        }
        const SeriesOutcome outcome = CheckArchive(dir.path("z.001"));
        QCOMPARE(RowTexts(outcome), rows);
        QVERIFY2(Reasons(outcome).contains(reason), qPrintable(Reasons(outcome)));
    }

    // An independent reader follows the same volumes: as many rows as it finds volumes.
    void independentReaderFindsTheSameVolumes()
    {
        if (!QFile::exists(Samples()))
            QSKIP("no ../shared/samples beside the project");
        QProcess probe;
        probe.start("/usr/bin/python3", {"-c", "import rarfile"});
        if (!probe.waitForFinished() || probe.exitCode() != 0)
            QSKIP("python3-rarfile is not installed");
        for (const QString& start : {Samples() + "/rarfile-rar3-vols/rar3-vols.part1.rar",
                                     Samples() + "/rarfile-rar5-vols/rar5-vols.part1.rar",
                                     Samples() + "/libarchive-rar5-multiarchive/test_read_format_rar5_multiarchive.part01.rar"}) {
            QProcess reader;
            reader.start("/usr/bin/python3", {"-c", "import rarfile, sys; print(len(rarfile.RarFile(sys.argv[1]).volumelist()))", start});
            QVERIFY(reader.waitForFinished());
            QCOMPARE(reader.readAllStandardOutput().trimmed().toLongLong(), CheckArchive(start).run->Rows.size());
        }
    }
};

QTEST_MAIN(ArchiveCheckTest)
#include "test_archive_check.moc"
