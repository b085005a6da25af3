// clsCRC.h - CRC-32 (ISO-HDLC, as SFV files record it) and CRC-16 (XMODEM) over bytes, text and files.
#pragma once

#include "crc/FileBuffer.h"

#include <QString>

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>

namespace quil {

// What CalculateFile gives: a value, no value (an empty file), or an error text.
struct FileCrc {
    std::optional<qint32> value;
    QString error;  // "" unless the file could not be read; value is then empty

    bool failed() const { return !error.isEmpty(); }
};

// Results are signed 32-bit integers holding the CRC's bit pattern, so 0xCBF43926 reads as
// -873187034. A running register lets data come in pieces (AddBytes, AddString) or whole
// (CalculateBytes, CalculateString, CalculateFile, which clear the register first).
class clsCRC {
public:
    enum : qint32 { CRC16 = 0, CRC32 = 1 };

    clsCRC();  // selects CRC32, both registers cleared

    qint32 AddBytes(std::span<const std::uint8_t> bytes);
    qint32 AddString(const QString& text);  // the text in the local 8-bit encoding

    void setAlgorithm(qint32 selection);  // any nonzero value selects CRC-32; always clears
    qint32 Algorithm() const;             // 0 for CRC-16, -1 for CRC-32

    qint32 CalculateBytes(std::span<const std::uint8_t> bytes);
    qint32 CalculateString(const QString& text);

    // The CRC of the whole file, read in one call below 2 GiB and in large pieces above. An empty
    // file gives no value and leaves the register alone. A path that is not a readable regular
    // file (missing, a folder, a FIFO, no access) gives an error text; it never blocks.
    FileCrc CalculateFile(const QString& path);
    // Returns the memory CalculateFile keeps between files to the system; the next file maps anew.
    // Call it when a run ends.
    void ReleaseBuffer();

    qint32 Value() const;            // CRC-32: the complemented register; CRC-16: its low 16 bits
    void setValue(qint64 number);    // stored into the selected register as is
    void Clear();                    // CRC-16 register 0, CRC-32 register 0xFFFFFFFF

private:
    bool crc32Selected_ = true;
    std::uint32_t crc16Register_ = 0;
    std::uint32_t crc32Register_ = 0xFFFFFFFFu;
    crc::FileBuffer fileBuffer_;
};

}  // namespace quil
