// test_clscrc.cpp - the CRC calculator's conventions: check values, registers, selection, text and files.
#include "crc/clsCRC.h"
#include "tests/support/TempSeries.h"

#include <QDir>
#include <QFile>
#include <QtTest>

#include <sys/stat.h>

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

    static void algorithms()
    {
        QTest::addColumn<qint32>("algorithm");
        QTest::newRow("CRC-32") << qint32{clsCRC::CRC32};
        QTest::newRow("CRC-16") << qint32{clsCRC::CRC16};
    }

private slots:
    void checkValueAndCleared_data()
    {
        QTest::addColumn<qint32>("algorithm");
        QTest::addColumn<qint32>("checkValue");
        QTest::newRow("CRC-32 0xCBF43926") << qint32{clsCRC::CRC32} << qint32{-873187034};
        QTest::newRow("CRC-16 0x31C3") << qint32{clsCRC::CRC16} << qint32{12739};
    }

    void checkValueAndCleared()
    {
        QFETCH(qint32, algorithm);
        QFETCH(qint32, checkValue);
        clsCRC crc;
        crc.setAlgorithm(algorithm);
        QCOMPARE(crc.CalculateBytes(Bytes(kDigits)), checkValue);
        QCOMPARE(crc.Value(), checkValue);
        crc.Clear();
        QCOMPARE(crc.Value(), 0);
        QCOMPARE(crc.CalculateBytes({}), 0);
    }

    void piecewiseEqualsWhole_data() { algorithms(); }
    void piecewiseEqualsWhole()
    {
        QFETCH(qint32, algorithm);
        clsCRC crc;
        crc.setAlgorithm(algorithm);
        const QByteArray whole = test::TempSeries::contentFor("piecewise", 300);
        const qint32 expected = crc.CalculateBytes(Bytes(whole));
        for (int split : {0, 1, 7, 64, 299, 300}) {
            crc.Clear();
            crc.AddBytes(Bytes(whole.left(split)));
            QCOMPARE(crc.AddBytes(Bytes(whole.mid(split))), expected);
        }
    }

    void valueWriteStoredUnchanged_data() { algorithms(); }
    void valueWriteStoredUnchanged()
    {
        QFETCH(qint32, algorithm);
        clsCRC crc;
        crc.setAlgorithm(algorithm);
        const bool crc32 = algorithm == clsCRC::CRC32;
        // CRC-32 reads back the complement of the register, CRC-16 its low 16 bits; neither is applied on write.
        crc.setValue(0x12345);
        QCOMPARE(crc.Value(), crc32 ? ~qint32{0x12345} : qint32{0x2345});

        // A register written back from an earlier result resumes that computation.
        const qint32 whole = crc.CalculateBytes(Bytes(kDigits));
        const qint32 head = crc.CalculateBytes(Bytes("1234"));
        const qint64 reg = crc32 ? qint64{static_cast<quint32>(~head)} : qint64{head};
        crc.Clear();
        crc.setValue(reg);
        QCOMPARE(crc.AddBytes(Bytes("56789")), whole);
    }

    void algorithmWriteClearsAndReadsBack_data()
    {
        QTest::addColumn<qint32>("selection");
        QTest::addColumn<qint32>("readBack");
        QTest::newRow("CRC16") << qint32{clsCRC::CRC16} << 0;
        QTest::newRow("CRC32") << qint32{clsCRC::CRC32} << -1;
        QTest::newRow("2 selects CRC-32") << 2 << -1;
        QTest::newRow("-7 selects CRC-32") << -7 << -1;
    }

    void algorithmWriteClearsAndReadsBack()
    {
        QFETCH(qint32, selection);
        QFETCH(qint32, readBack);
        for (qint32 before : {qint32{clsCRC::CRC16}, qint32{clsCRC::CRC32}}) {
            clsCRC crc;
            crc.setAlgorithm(before);
            crc.AddBytes(Bytes(kDigits));
            crc.setAlgorithm(selection);
            QCOMPARE(crc.Algorithm(), readBack);
            QCOMPARE(crc.Value(), 0);
            crc.setAlgorithm(before == clsCRC::CRC16 ? clsCRC::CRC32 : clsCRC::CRC16);  // the other register too
            QCOMPARE(crc.Value(), 0);
        }
    }

    void textEqualsItsBytes_data() { algorithms(); }
    void textEqualsItsBytes()
    {
        QFETCH(qint32, algorithm);
        clsCRC crc;
        crc.setAlgorithm(algorithm);
        const QString text = QStringLiteral("Movie.Part 01 ~ [x].r00");
        const qint32 expected = crc.CalculateBytes(Bytes(text.toLatin1()));
        QCOMPARE(crc.CalculateString(text), expected);
        crc.Clear();
        crc.AddString(text.left(5));
        QCOMPARE(crc.AddString(text.mid(5)), expected);
    }

    void emptyFileGivesNoValueAndKeepsRegister()
    {
        test::TempSeries dir;
        clsCRC crc;
        const qint32 before = crc.CalculateBytes(Bytes(kDigits));
        const FileCrc result = crc.CalculateFile(dir.write("empty.r00", {}));
        QVERIFY(!result.failed());
        QVERIFY(!result.value);
        QCOMPARE(crc.Value(), before);
    }

    void fileEqualsItsBytesWhateverCameBefore()
    {
        test::TempSeries dir;
        clsCRC crc;
        clsCRC bytes;
        // Small, then one larger than the kept buffer, then small again, then after the buffer was returned.
        const qint64 sizes[] = {1, 5000, (qint64{5} << 20) + 3, 777};
        for (int round = 0; round < 2; ++round) {
            for (qint64 size : sizes) {
                const QString name = QStringLiteral("v%1.r00").arg(size);
                const QByteArray content = test::TempSeries::contentFor(name, size);
                crc.AddBytes(Bytes("left over"));
                const FileCrc result = crc.CalculateFile(dir.write(name, content));
                QVERIFY2(!result.failed(), qPrintable(result.error));
                QCOMPARE(result.value, std::optional<qint32>(bytes.CalculateBytes(Bytes(content))));
                QCOMPARE(crc.Value(), *result.value);
            }
            crc.ReleaseBuffer();
        }
    }

    void fileOf2GiBAndMoreIsReadWhole()
    {
        // Sparse, so it costs no disk: a head, a hole of zeros, and a tail past the 2 GiB mark.
        test::TempSeries dir;
        const qint64 tailAt = qint64{1} << 31;
        QFile file(dir.path("large.001"));
        QVERIFY(file.open(QIODevice::WriteOnly));
        QVERIFY(file.write("start") == 5 && file.seek(tailAt) && file.write("tail!") == 5);
        file.close();

        clsCRC expected;
        expected.AddBytes(Bytes("start"));
        const std::vector<std::uint8_t> zeros(std::size_t{64} << 20, 0);
        for (qint64 left = tailAt - 5; left > 0; left -= static_cast<qint64>(zeros.size()))
            expected.AddBytes(std::span(zeros).first(static_cast<std::size_t>(std::min<qint64>(left, zeros.size()))));
        expected.AddBytes(Bytes("tail!"));

        clsCRC crc;
        const FileCrc result = crc.CalculateFile(file.fileName());
        QVERIFY2(!result.failed(), qPrintable(result.error));
        QCOMPARE(result.value, std::optional<qint32>(expected.Value()));
    }

    void unreadablePathGivesError_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::newRow("missing") << "missing";
        QTest::newRow("folder") << "folder";
        QTest::newRow("FIFO") << "fifo";
    }

    void unreadablePathGivesError()
    {
        QFETCH(QString, kind);
        test::TempSeries dir;
        const QString path = dir.path("volume.r00");
        if (kind == "folder") {
            QVERIFY(QDir(dir.folder()).mkdir("volume.r00"));
        } else if (kind == "fifo") {
            QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);  // nobody writes: a read would hang
        }
        clsCRC crc;
        const qint32 before = crc.CalculateBytes(Bytes(kDigits));
        const FileCrc result = crc.CalculateFile(path);
        QVERIFY(!result.value);
        QVERIFY2(result.error.startsWith(QStringLiteral("Cannot read %1: ").arg(path)), qPrintable(result.error));
        QCOMPARE(crc.Value(), before);
    }
};

QTEST_GUILESS_MAIN(TestClsCrc)
#include "test_clscrc.moc"
