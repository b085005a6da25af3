// test_crc32_combine.cpp - the zeros operator and the stripes that join pieces read out of order, held to one pass.
// SPDX-License-Identifier: MIT
#include "crc/Crc32Combine.h"
#include "crc/CrcTables.h"

#include <QtTest>

#include <random>
#include <vector>

using namespace quil::crc;

class TestCrc32Combine : public QObject {
    Q_OBJECT

private slots:
    void shiftEqualsRunningOverZeros()
    {
        const std::vector<std::uint8_t> zeros(70'000, 0);
        for (std::uint32_t reg : {0u, 1u, 0xFFFFFFFFu, 0x12345678u}) {
            for (std::size_t count : {0, 1, 3, 4, 255, 4096, 65'537, 70'000})
                QCOMPARE(Crc32ShiftZeros(reg, count), Crc32Bytewise(reg, zeros.data(), count));
        }
        // Far beyond what can be run over: two shifts add up, which every power of the table takes part in.
        for (std::uint64_t a : {std::uint64_t{1} << 32, (std::uint64_t{1} << 62) + 12'345, (std::uint64_t{1} << 63) - 1000})
            QCOMPARE(Crc32ShiftZeros(Crc32ShiftZeros(0xFFFFFFFFu, a), a + 7), Crc32ShiftZeros(0xFFFFFFFFu, 2 * a + 7));
    }

    void stripesJoinToTheSequentialRegister_data()
    {
        QTest::addColumn<int>("length");
        QTest::addColumn<int>("piece");
        QTest::addColumn<int>("readers");
        QTest::newRow("empty") << 0 << 16 << 2;
        QTest::newRow("one byte, one reader") << 1 << 16 << 1;
        QTest::newRow("bytes dealt to three") << 1000 << 1 << 3;
        QTest::newRow("short last piece, two") << 100'000 << 4096 << 2;
        QTest::newRow("odd pieces, five") << 100'000 << 333 << 5;
        QTest::newRow("fewer pieces than readers") << 5000 << 4096 << 4;
    }

    // Pieces go to random readers, as the fastest reader claims the next one.
    void stripesJoinToTheSequentialRegister()
    {
        QFETCH(int, length);
        QFETCH(int, piece);
        QFETCH(int, readers);
        std::mt19937 random(length + piece + readers);
        std::vector<std::uint8_t> bytes(static_cast<std::size_t>(length));
        for (std::uint8_t& byte : bytes)
            byte = static_cast<std::uint8_t>(random());

        std::vector<Crc32Stripes> stripes(static_cast<std::size_t>(readers));
        for (int offset = 0; offset < length; offset += piece) {
            const auto size = static_cast<std::size_t>(std::min(piece, length - offset));
            stripes[random() % stripes.size()].Add(offset, std::span(bytes).subspan(offset, size));
        }
        std::uint32_t joined = Crc32ShiftZeros(0xFFFFFFFFu, length);
        for (const Crc32Stripes& stripe : stripes)
            joined ^= stripe.RegisterAt(length);
        QCOMPARE(joined, Crc32Bytewise(0xFFFFFFFFu, bytes.data(), bytes.size()));
    }
};

QTEST_GUILESS_MAIN(TestCrc32Combine)
#include "test_crc32_combine.moc"
