// Rar4Writer.cpp - writes a RAR 4 volume set holding one stored file, for tests and the benchmark.
// SPDX-License-Identifier: MIT
#include "tests/support/Rar4Writer.h"

#include "crc/Crc32Update.h"

#include <QFile>

#include <algorithm>
#include <cstdint>
#include <stdexcept>
#include <vector>

namespace quil::test {

namespace {

using Bytes = std::vector<std::uint8_t>;

void Put(Bytes& out, std::uint64_t value, int size)
{
    for (int i = 0; i < size; ++i)
        out.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
}

std::uint32_t Update(std::uint32_t reg, const Bytes& bytes)
{
    return crc::Crc32Update(reg, bytes.data(), bytes.size());
}

// A block: its header CRC (the CRC-32's low half) over everything after it.
Bytes Block(std::uint8_t type, std::uint16_t flags, const Bytes& fields)
{
    Bytes header{type};
    Put(header, flags, 2);
    Put(header, 7 + fields.size(), 2);
    header.insert(header.end(), fields.begin(), fields.end());
    Bytes block;
    Put(block, ~Update(0xFFFFFFFFu, header) & 0xFFFFu, 2);
    block.insert(block.end(), header.begin(), header.end());
    return block;
}

// The stored file's bytes from `offset`: a pattern no two volumes share.
Bytes Pattern(std::uint64_t offset, std::size_t size)
{
    Bytes bytes(size);
    for (std::size_t i = 0; i < size; ++i) {
        const std::uint64_t at = offset + i;
        bytes[i] = static_cast<std::uint8_t>((at * 2654435761u) >> 11 ^ at >> 20);
    }
    return bytes;
}

QString VolumeName(const Rar4Set& set, int index)
{
    if (set.partNaming) {
        const int width = static_cast<int>(QString::number(set.volumes).size());
        return QStringLiteral("%1.part%2.rar").arg(set.baseName).arg(index + 1, width, 10, QChar(u'0'));
    }
    return index == 0 ? set.baseName + QStringLiteral(".rar")
                      : QStringLiteral("%1.r%2").arg(set.baseName).arg(index - 1, 2, 10, QChar(u'0'));
}

class VolumeFile {
public:
    explicit VolumeFile(const QString& path) : file_(path)
    {
        if (!file_.open(QIODevice::WriteOnly | QIODevice::Truncate))
            throw std::runtime_error(file_.errorString().toStdString());
    }
    void Write(const Bytes& bytes)
    {
        if (file_.write(reinterpret_cast<const char*>(bytes.data()), qint64(bytes.size())) != qint64(bytes.size()))
            throw std::runtime_error(file_.errorString().toStdString());
        crc_ = Update(crc_, bytes);
    }
    std::uint32_t Crc() const { return ~crc_; }

private:
    QFile file_;
    std::uint32_t crc_ = 0xFFFFFFFFu;
};

}  // namespace

QStringList WriteRar4Set(const Rar4Set& set)
{
    constexpr std::size_t kChunk = std::size_t{1} << 20;
    const QByteArray name = QByteArrayLiteral("data.bin");
    const auto partBytes = [&](int index) {
        return index + 1 < set.volumes || !set.shortLast ? set.bytesPerVolume : set.bytesPerVolume / 2;
    };
    std::uint64_t fileSize = 0;
    for (int i = 0; i < set.volumes; ++i)
        fileSize += static_cast<std::uint64_t>(partBytes(i));

    QStringList paths;
    std::uint64_t offset = 0;
    std::uint32_t fileRegister = 0xFFFFFFFFu;  // over the whole file, for the last part's header
    for (int index = 0; index < set.volumes; ++index) {
        const bool last = index + 1 == set.volumes;
        const auto size = static_cast<std::uint64_t>(partBytes(index));
        // The part's CRC first: a part that continues carries its own, the last one the file's.
        std::uint32_t partRegister = 0xFFFFFFFFu;
        for (std::uint64_t done = 0; done < size; done += kChunk) {
            const Bytes chunk = Pattern(offset + done, std::min<std::uint64_t>(kChunk, size - done));
            partRegister = Update(partRegister, chunk);
            fileRegister = Update(fileRegister, chunk);
        }
        paths.append(set.folder + u'/' + VolumeName(set, index));
        VolumeFile out(paths.last());
        out.Write({0x52, 0x61, 0x72, 0x21, 0x1A, 0x07, 0x00});
        const std::uint16_t mainFlags = 0x0001 | (set.partNaming ? 0x0010 : 0) | (index == 0 ? 0x0100 : 0);
        out.Write(Block(0x73, mainFlags, Bytes(6, 0)));
        Bytes fields;
        Put(fields, size, 4);
        Put(fields, fileSize, 4);
        Put(fields, 3, 1);  // made on Unix
        Put(fields, last ? ~fileRegister : ~partRegister, 4);
        Put(fields, 0x5A8B0000, 4);  // a time
        Put(fields, 29, 1);    // unpacker version
        Put(fields, 0x30, 1);  // stored
        Put(fields, static_cast<std::uint64_t>(name.size()), 2);
        Put(fields, 0x81A4, 4);  // attributes
        fields.insert(fields.end(), name.begin(), name.end());
        const std::uint16_t fileFlags = 0x8000 | (index > 0 ? 0x0001 : 0) | (last ? 0 : 0x0002);
        out.Write(Block(0x74, fileFlags, fields));
        for (std::uint64_t done = 0; done < size; done += kChunk)
            out.Write(Pattern(offset + done, std::min<std::uint64_t>(kChunk, size - done)));
        offset += size;
        Bytes end;
        Put(end, out.Crc(), 4);
        Put(end, static_cast<std::uint64_t>(index), 2);
        out.Write(Block(0x7B, 0x4000 | 0x0002 | 0x0008 | (last ? 0 : 0x0001), end));
    }
    return paths;
}

}  // namespace quil::test
