// test_crc32_implementations.cpp - one test body that holds every CRC-32 inner loop this CPU runs to the reference.
// SPDX-License-Identifier: MIT
#include "crc/Crc32Implementations.h"
#include "crc/CrcTables.h"

#include <QtTest>

#include <algorithm>
#include <cstring>
#include <random>
#include <vector>

using namespace quil::crc;

namespace {

std::vector<std::uint8_t> RandomBytes(std::size_t size, unsigned seed)
{
    std::mt19937_64 generator(seed);
    std::vector<std::uint8_t> bytes(size);
    for (std::size_t i = 0; i < size; i += 8) {
        const std::uint64_t word = generator();
        std::memcpy(bytes.data() + i, &word, std::min<std::size_t>(8, size - i));
    }
    return bytes;
}

constexpr std::uint32_t kCleared = 0xFFFFFFFFu;

}  // namespace

class TestCrc32Implementations : public QObject {
    Q_OBJECT

private slots:
    void matchesTheReference_data()
    {
        QTest::addColumn<int>("index");
        for (std::size_t i = 0; i < Crc32Implementations().size(); ++i)
            QTest::newRow(Crc32Implementations()[i].name) << int(i);
    }

    void matchesTheReference()
    {
        QFETCH(int, index);
        const Crc32Implementation& implementation = Crc32Implementations()[index];
        if (!implementation.supported)
            QSKIP("this CPU lacks the instructions this implementation needs");
        const Crc32Fn update = implementation.update;
        QCOMPARE(~update(kCleared, reinterpret_cast<const std::uint8_t*>("123456789"), 9), 0xCBF43926u);
        if (update == Crc32Bytewise)
            return;  // the reference itself: the check value is all that says something

        // Every length at every alignment; the reference grows one byte per length, so the sweep stays cheap.
        constexpr std::size_t kLongest = 10'000;
        constexpr std::size_t kAlignments = 64;
        const std::vector<std::uint8_t> bytes = RandomBytes(kLongest + kAlignments, 1);
        for (std::size_t alignment = 0; alignment < kAlignments; ++alignment) {
            const std::uint8_t* start = bytes.data() + alignment;
            std::uint32_t reference = kCleared;
            for (std::size_t length = 0; length <= kLongest; ++length) {
                if (length > 0)
                    reference = Crc32Bytewise(reference, start + length - 1, 1);
                if (update(kCleared, start, length) != reference)
                    QFAIL(qPrintable(QStringLiteral("length %1 at alignment %2").arg(length).arg(alignment)));
            }
        }

        // Every split point: the register one call leaves must carry the next.
        const std::uint32_t whole = Crc32Bytewise(kCleared, bytes.data(), kLongest);
        for (std::size_t split = 0; split <= kLongest; ++split) {
            if (update(update(kCleared, bytes.data(), split), bytes.data() + split, kLongest - split) != whole)
                QFAIL(qPrintable(QStringLiteral("split at %1").arg(split)));
        }

        const std::vector<std::uint8_t> large = RandomBytes(std::size_t{64} << 20, 3);
        QCOMPARE(update(kCleared, large.data(), large.size()), Crc32Bytewise(kCleared, large.data(), large.size()));
    }
};

QTEST_GUILESS_MAIN(TestCrc32Implementations)
#include "test_crc32_implementations.moc"
