// test_file_buffer.cpp - the reusable file buffer: aligned, grown only when needed, returned on request.
#include "crc/FileBuffer.h"

#include <QtTest>

#include <cstring>
#include <limits>

using quil::crc::FileBuffer;

class TestFileBuffer : public QObject {
    Q_OBJECT

private slots:
    void growsOnlyForALargerFileAndStaysAligned()
    {
        constexpr std::size_t kHugePage = std::size_t{2} << 20;
        FileBuffer buffer;
        std::uint8_t* first = buffer.Reserve(5000);
        QVERIFY(first);
        QCOMPARE(reinterpret_cast<std::uintptr_t>(first) % kHugePage, std::uintptr_t{0});
        QCOMPARE(buffer.capacity(), kHugePage);
        QCOMPARE(buffer.Reserve(kHugePage), first);  // fits: the same memory, no new mapping

        std::uint8_t* grown = buffer.Reserve(kHugePage + 1);
        QVERIFY(grown);
        QCOMPARE(reinterpret_cast<std::uintptr_t>(grown) % kHugePage, std::uintptr_t{0});
        QCOMPARE(buffer.capacity(), 2 * kHugePage);
        std::memset(grown, 0xA5, buffer.capacity());  // every byte it claims is writable
        QCOMPARE(buffer.Reserve(10), grown);
    }

    void noMemoryGivesNullAndHoldsNothing()
    {
        FileBuffer buffer;
        QVERIFY(buffer.Reserve(100));
        QCOMPARE(buffer.Reserve(std::numeric_limits<std::size_t>::max() / 2), nullptr);  // beyond any address space
        QCOMPARE(buffer.capacity(), std::size_t{0});
    }

    void releaseReturnsTheMemory()
    {
        FileBuffer buffer;
        QVERIFY(buffer.Reserve(std::size_t{3} << 20));
        buffer.Release();
        QCOMPARE(buffer.capacity(), std::size_t{0});
        buffer.Release();  // twice is harmless
        QVERIFY(buffer.Reserve(100));
    }
};

QTEST_GUILESS_MAIN(TestFileBuffer)
#include "test_file_buffer.moc"
