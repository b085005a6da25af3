// FuzzArchive.cpp - fuzz target: any bytes as a volume, read by every archive header reader.
// SPDX-License-Identifier: MIT
#include "archive/ArchiveFormats.h"
#include "archive/VolumeBytes.h"
#include "fuzz/FuzzCheck.h"
#include "os/RegularFile.h"

#include <QFile>

#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include <fcntl.h>
#include <unistd.h>

namespace {

using namespace quil::archive;

// One file for the whole run, rewritten for each input and removed at exit; a plain array, so it
// outlives every static object the exit handler could otherwise outlive.
char fileName[] = "/tmp/quillane-fuzz-archive-XXXXXX";

const char* VolumePath()
{
    static const bool made = [] {
        const int fd = ::mkstemp(fileName);
        FUZZ_EXPECT(fd >= 0);
        ::close(fd);
        std::atexit([] { ::unlink(fileName); });
        return true;
    }();
    return made ? fileName : nullptr;
}

bool Within(const ByteRange& range, std::uint64_t length)
{
    return range.begin <= range.end && range.end <= length;
}

// Whatever a reader makes of the bytes, what it plans to read lies inside the volume.
void ExpectSound(const VolumePlan& plan, std::uint64_t length)
{
    for (const StoredChecksum& checksum : plan.checksums)
        FUZZ_EXPECT(Within(checksum.bytes, length));
    for (const ByteRange& header : plan.headersMatched)
        FUZZ_EXPECT(Within(header, length));
    for (const StoredPart& part : plan.storedParts)
        FUZZ_EXPECT(Within(part.bytes, length));
    FUZZ_EXPECT(!plan.problem || !plan.problem->reason.isEmpty());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const int fd = ::open(VolumePath(), O_WRONLY | O_TRUNC);
    FUZZ_EXPECT(fd >= 0);
    FUZZ_EXPECT(::write(fd, data, size) == ssize_t(size));
    ::close(fd);
    const quil::crc::RegularFile file(QFile::decodeName(VolumePath()));
    FUZZ_EXPECT(file.failure().isEmpty());
    FUZZ_EXPECT(file.length() == size);
    try {
        // Each reader is handed every input: a marker only decides which one the run would pick.
        for (const ArchiveFormat format : {ArchiveFormat::Rar4, ArchiveFormat::Rar5, ArchiveFormat::SplitZip})
            ExpectSound(PlanVolume(file, format, 0, std::nullopt), size);
        // The same bytes as the first piece of a split 7z archive, then as the second and the last.
        const VolumePlan first = PlanVolume(file, ArchiveFormat::SevenZip, 0, std::nullopt);
        ExpectSound(first, size);
        if (first.sevenZip)
            for (const std::uint64_t number : {std::uint64_t(1), first.volumeCount.value_or(1) - 1})
                ExpectSound(PlanVolume(file, ArchiveFormat::SevenZip, number, first.sevenZip), size);
        (void)FormatAt(file);
    } catch (const ReadFailed&) {
        FUZZ_EXPECT(false);  // a regular file that did not change is always readable
    }
    return 0;
}
