// test_clscrc.cpp - the CRC calculator's conventions: check values, registers, selection, text and files.
// SPDX-License-Identifier: MIT
#include "crc/Crc32Combine.h"
#include "crc/clsCRC.h"
#include "tests/support/TempSeries.h"

#include <QDir>
#include <QFile>
#include <QtTest>

#include <sys/stat.h>

#include <vector>

using namespace quil;

namespace {

std::span<const std::uint8_t> Bytes(const QByteArray& bytes)
{
    return {reinterpret_cast<const std::uint8_t*>(bytes.constData()), static_cast<std::size_t>(bytes.size())};
}

const QByteArray kDigits = "123456789";

}  // namespace

class TestClsCrc : public QObject {
    Q_OBJECT

private slots:
    void checkValueHoweverTheBytesCome_data()
    {
        QTest::addColumn<qint32>("algorithm");
        QTest::addColumn<qint32>("checkValue");
        QTest::newRow("CRC-32 0xCBF43926") << qint32{clsCRC::CRC32} << qint32{-873187034};
        QTest::newRow("CRC-16 0x31C3") << qint32{clsCRC::CRC16} << qint32{12739};
    }

    void checkValueHoweverTheBytesCome()
    {
        QFETCH(qint32, algorithm);
        QFETCH(qint32, checkValue);
        clsCRC crc;
        crc.setAlgorithm(algorithm);
        const QString text = QString::fromLatin1(kDigits);
        QCOMPARE(crc.CalculateBytes(Bytes(kDigits)), checkValue);
        QCOMPARE(crc.CalculateString(text), checkValue);
        for (int split = 0; split <= kDigits.size(); ++split) {
            crc.Clear();
            crc.AddString(text.left(split));
            QCOMPARE(crc.AddBytes(Bytes(kDigits.mid(split))), checkValue);
        }
        // A register written back from an earlier result resumes it; CRC-32 reads back the complement.
        const qint32 head = crc.CalculateBytes(Bytes("1234"));
        crc.Clear();
        crc.setValue(algorithm == clsCRC::CRC32 ? qint64{static_cast<quint32>(~head)} : qint64{head});
        QCOMPARE(crc.AddBytes(Bytes("56789")), checkValue);
        crc.Clear();
        QCOMPARE(crc.Value(), 0);
        QCOMPARE(crc.CalculateBytes({}), 0);
    }

    void anyNonzeroSelectsCrc32AndSelectingClears()
    {
        for (qint32 selection : {0, 1, 2, -7}) {
            for (qint32 before : {0, 1}) {
                clsCRC crc;
                crc.setAlgorithm(before);
                crc.AddBytes(Bytes(kDigits));
                crc.setAlgorithm(selection);
                QCOMPARE(crc.Algorithm(), selection ? -1 : 0);
                QCOMPARE(crc.Value(), 0);
            }
        }
    }

    void fileWithoutValueKeepsTheRegister_data()
    {
        QTest::addColumn<QString>("kind");
        for (const char* kind : {"empty", "missing", "folder", "fifo", "device"})
            QTest::newRow(kind) << QString(kind);
    }

    // An empty file has no value; what is not a readable file is an error, even a FIFO nobody writes.
    void fileWithoutValueKeepsTheRegister()
    {
        QFETCH(QString, kind);
        test::TempSeries dir;
        const QString path = kind == "device" ? QStringLiteral("/dev/zero") : dir.path("volume.r00");
        if (kind == "empty")
            dir.write("volume.r00", {});
        else if (kind == "folder")
            QVERIFY(QDir(dir.folder()).mkdir("volume.r00"));
        else if (kind == "fifo")
            QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
        clsCRC crc;
        const qint32 before = crc.CalculateBytes(Bytes(kDigits));
        const FileCrc result = crc.CalculateFile(path);
        QVERIFY(!result.value);
        if (kind == "empty")
            QVERIFY2(!result.failed(), qPrintable(result.error));
        else
            QVERIFY2(result.error.startsWith(QStringLiteral("Cannot read %1: ").arg(path)), qPrintable(result.error));
        QCOMPARE(crc.Value(), before);
    }

    void fileEqualsItsBytesWhateverCameBefore_data()
    {
        QTest::addColumn<qint32>("algorithm");
        QTest::addColumn<int>("readers");
        for (int readers : {1, 2, 3}) {
            QTest::addRow("CRC-32, %d reader(s)", readers) << qint32{clsCRC::CRC32} << readers;
            QTest::addRow("CRC-16, %d reader(s)", readers) << qint32{clsCRC::CRC16} << readers;
        }
    }

    void fileEqualsItsBytesWhateverCameBefore()
    {
        QFETCH(qint32, algorithm);
        QFETCH(int, readers);
        test::TempSeries dir;
        clsCRC crc;
        crc.setAlgorithm(algorithm);
        crc.setReaderThreads(readers);
        clsCRC expected;
        expected.setAlgorithm(algorithm);
        // Within a piece, a piece exactly, many pieces and a part; the second round after the
        // memory and threads were handed back.
        for (int round = 0; round < 2; ++round, crc.ReleaseBuffer()) {
            for (qint64 size : {qint64{1}, qint64{crc::kPieceSize}, (qint64{5} << 20) + 3, qint64{777}}) {
                const QString name = QStringLiteral("v%1.r00").arg(size);
                const QByteArray content = test::TempSeries::contentFor(name, size);
                crc.AddBytes(Bytes("left over"));
                // The same read gives the register of each stretch between cuts, empty ones too.
                const auto length = static_cast<std::uint64_t>(size);
                const std::vector<std::uint64_t> cuts{0, length / 3, length / 2 + 1, length};
                const bool crc32 = algorithm == clsCRC::CRC32;
                const FileCrc result = crc.CalculateFile(dir.write(name, content), {},
                                                         crc32 ? std::span(cuts) : std::span<const std::uint64_t>());
                QVERIFY2(!result.failed(), qPrintable(result.error));
                QCOMPARE(result.value, std::optional<qint32>(expected.CalculateBytes(Bytes(content))));
                QCOMPARE(result.stretches.size(), crc32 ? cuts.size() + 1 : 0);
                for (std::size_t i = 0; i < result.stretches.size(); ++i) {
                    const std::uint64_t from = i == 0 ? 0 : cuts[i - 1];
                    const std::uint64_t to = i == cuts.size() ? length : cuts[i];
                    const qint32 stretch = static_cast<qint32>(~crc::Crc32Join(0xFFFFFFFFu, result.stretches[i], to - from));
                    QCOMPARE(stretch, expected.CalculateBytes(Bytes(content.mid(qsizetype(from), qsizetype(to - from)))));
                }
                QCOMPARE(crc.Value(), *result.value);
            }
        }
    }

    // Threads started anew for each file must take that file's work, never a finished file's.
    void handingBackAfterEveryFileKeepsEveryValue()
    {
        test::TempSeries dir;
        const QByteArray content = test::TempSeries::contentFor("v.001", 1000);
        const QString path = dir.write("v.001", content);
        const std::optional<qint32> expected = clsCRC().CalculateBytes(Bytes(content));
        clsCRC crc;
        crc.setReaderThreads(2);
        for (int file = 0; file < 300; ++file, crc.ReleaseBuffer())
            QCOMPARE(crc.CalculateFile(path).value, expected);
    }

    void fileBeyond4GiBIsReadWhole()
    {
        // Sparse, so it costs no disk: a head, a hole of zeros, and a tail past the 4 GiB mark.
        test::TempSeries dir;
        const qint64 tailAt = qint64{1} << 32;
        QFile file(dir.path("large.001"));
        QVERIFY(file.open(QIODevice::WriteOnly));
        QCOMPARE(file.write("start"), 5);
        QVERIFY(file.seek(tailAt));
        QCOMPARE(file.write("tail!"), 5);
        file.close();

        clsCRC expected;
        expected.AddBytes(Bytes("start"));
        const std::vector<std::uint8_t> zeros(std::size_t{64} << 20, 0);
        for (qint64 left = tailAt - 5; left > 0; left -= static_cast<qint64>(zeros.size()))
            expected.AddBytes(std::span(zeros).first(static_cast<std::size_t>(std::min<qint64>(left, zeros.size()))));
        expected.AddBytes(Bytes("tail!"));

        const FileCrc result = clsCRC().CalculateFile(file.fileName());
        QVERIFY2(!result.failed(), qPrintable(result.error));
        QCOMPARE(result.value, std::optional<qint32>(expected.Value()));
    }
};

QTEST_GUILESS_MAIN(TestClsCrc)
#include "test_clscrc.moc"
