// clsCRC.cpp - CRC-32 (ISO-HDLC, as SFV files record it) and CRC-16 (XMODEM) over bytes, text and files.
#include "crc/clsCRC.h"

#include "crc/Crc32Update.h"
#include "crc/CrcTables.h"
#include "crc/WholeFileReader.h"

namespace quil {

clsCRC::clsCRC()
{
    setAlgorithm(CRC32);
}

qint32 clsCRC::AddBytes(std::span<const std::uint8_t> bytes)
{
    if (!bytes.empty()) {
        if (crc32Selected_)
            crc32Register_ = crc::Crc32Update(crc32Register_, bytes.data(), bytes.size());
        else
            crc16Register_ = crc::Crc16Bytewise(crc16Register_, bytes.data(), bytes.size());
    }
    return Value();
}

static std::span<const std::uint8_t> AsBytes(const QByteArray& bytes)
{
    return {reinterpret_cast<const std::uint8_t*>(bytes.constData()), static_cast<std::size_t>(bytes.size())};
}

qint32 clsCRC::AddString(const QString& text)
{
    return AddBytes(AsBytes(text.toLocal8Bit()));
}

void clsCRC::setAlgorithm(qint32 selection)
{
    crc32Selected_ = selection != CRC16;
    Clear();
}

qint32 clsCRC::Algorithm() const
{
    return crc32Selected_ ? -1 : 0;
}

qint32 clsCRC::CalculateBytes(std::span<const std::uint8_t> bytes)
{
    Clear();
    return AddBytes(bytes);
}

qint32 clsCRC::CalculateString(const QString& text)
{
    return CalculateBytes(AsBytes(text.toLocal8Bit()));
}

FileCrc clsCRC::CalculateFile(const QString& path)
{
    FileCrc result;
    bool cleared = false;
    const QString error = crc::ReadWholeFile(path, fileBuffer_, [&](std::span<const std::uint8_t> piece) {
        if (!cleared) {
            Clear();
            cleared = true;
        }
        AddBytes(piece);
    });
    if (!error.isEmpty())
        result.error = error;
    else if (cleared)
        result.value = Value();
    return result;
}

void clsCRC::ReleaseBuffer()
{
    fileBuffer_.Release();
}

qint32 clsCRC::Value() const
{
    return crc32Selected_ ? static_cast<qint32>(~crc32Register_) : static_cast<qint32>(crc16Register_ & 0xFFFFu);
}

void clsCRC::setValue(qint64 number)
{
    const auto bits = static_cast<std::uint32_t>(number);
    if (crc32Selected_)
        crc32Register_ = bits;
    else
        crc16Register_ = bits;
}

void clsCRC::Clear()
{
    crc16Register_ = 0;
    crc32Register_ = 0xFFFFFFFFu;
}

}  // namespace quil
