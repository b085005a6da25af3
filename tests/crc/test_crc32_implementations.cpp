// test_crc32_implementations.cpp - one test body that holds every CRC-32 inner loop this CPU runs to the reference.
#include "crc/Crc32Implementations.h"
#include "crc/CrcTables.h"

#include <QtTest>

#include <algorithm>
#include <cstring>
#include <random>
#include <vector>

using namespace quil::crc;

Q_DECLARE_METATYPE(const Crc32Implementation*)

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
    void initTestCase();

    void checkValue_data() { allImplementations(true); }
    void checkValue();
    void everyLengthAtEveryAlignment_data() { allImplementations(false); }
    void everyLengthAtEveryAlignment();
    void everySplitPoint_data() { allImplementations(false); }
    void everySplitPoint();
    void largeBuffer_data() { allImplementations(false); }
    void largeBuffer();

private:
    // One row per implementation; the reference checks against itself only where that says something.
    void allImplementations(bool withReference);
    // The implementation of this row, or nothing when the CPU cannot run it (the row is then skipped).
    const Crc32Implementation* current();

    std::vector<std::uint8_t> large_;
    std::uint32_t largeReference_ = 0;
};

void TestCrc32Implementations::initTestCase()
{
    large_ = RandomBytes(std::size_t{64} << 20, 3);
    largeReference_ = Crc32Bytewise(kCleared, large_.data(), large_.size());
}

void TestCrc32Implementations::allImplementations(bool withReference)
{
    QTest::addColumn<const Crc32Implementation*>("implementation");
    for (const Crc32Implementation& implementation : Crc32Implementations()) {
        if (withReference || implementation.update != Crc32Bytewise)
            QTest::newRow(implementation.name) << &implementation;
    }
}

const Crc32Implementation* TestCrc32Implementations::current()
{
    QFETCH(const Crc32Implementation*, implementation);
    return implementation->supported ? implementation : nullptr;
}

#define FETCH_OR_SKIP(name)                                          \
    const Crc32Implementation* name = current();                     \
    if (!name)                                                       \
        QSKIP("this CPU lacks the instructions this implementation needs")

void TestCrc32Implementations::checkValue()
{
    FETCH_OR_SKIP(implementation);
    const auto digits = reinterpret_cast<const std::uint8_t*>("123456789");
    QCOMPARE(~implementation->update(kCleared, digits, 9), 0xCBF43926u);
    const std::vector<std::uint8_t> zeros(4096, 0);
    QCOMPARE(~implementation->update(kCleared, zeros.data(), zeros.size()),
             ~Crc32Bytewise(kCleared, zeros.data(), zeros.size()));
}

void TestCrc32Implementations::everyLengthAtEveryAlignment()
{
    FETCH_OR_SKIP(implementation);
    constexpr std::size_t kLongest = 10'000;
    constexpr std::size_t kAlignments = 64;
    const std::vector<std::uint8_t> bytes = RandomBytes(kLongest + kAlignments, 1);
    for (std::size_t alignment = 0; alignment < kAlignments; ++alignment) {
        const std::uint8_t* start = bytes.data() + alignment;
        std::uint32_t reference = kCleared;  // grown one byte per length, so the sweep stays cheap
        for (std::size_t length = 0; length <= kLongest; ++length) {
            if (length > 0)
                reference = Crc32Bytewise(reference, start + length - 1, 1);
            const std::uint32_t got = implementation->update(kCleared, start, length);
            if (got != reference)
                QFAIL(qPrintable(QStringLiteral("length %1 at alignment %2").arg(length).arg(alignment)));
        }
    }
}

void TestCrc32Implementations::everySplitPoint()
{
    FETCH_OR_SKIP(implementation);
    const std::vector<std::uint8_t> bytes = RandomBytes(5000, 2);
    const std::uint32_t whole = Crc32Bytewise(kCleared, bytes.data(), bytes.size());
    for (std::size_t split = 0; split <= bytes.size(); ++split) {
        const std::uint32_t first = implementation->update(kCleared, bytes.data(), split);
        const std::uint32_t both = implementation->update(first, bytes.data() + split, bytes.size() - split);
        if (both != whole)
            QFAIL(qPrintable(QStringLiteral("split at %1").arg(split)));
    }
}

void TestCrc32Implementations::largeBuffer()
{
    FETCH_OR_SKIP(implementation);
    QCOMPARE(implementation->update(kCleared, large_.data(), large_.size()), largeReference_);
}

QTEST_GUILESS_MAIN(TestCrc32Implementations)
#include "test_crc32_implementations.moc"
