// Rar4Writer.h - writes a RAR 4 volume set holding one stored file, for tests and the benchmark.
// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <QStringList>

namespace quil::test {

struct Rar4Set {
    QString folder;
    QString baseName;            // NAME of NAME.partN.rar, or of NAME.rar, NAME.r00 ...
    int volumes = 3;
    qint64 bytesPerVolume = 4096;  // file data in each volume but the last, which holds half as much
    bool partNaming = true;      // NAME.partN.rar; else NAME.rar, NAME.r00 ...
    bool shortLast = true;       // false: the last volume holds as much as the others
};

// Writes every volume: marker, main header, the file's part, and an end block with the volume's
// CRC-32 and number, as the archiver lays them out. Returns the volumes' paths in order; throws
// std::runtime_error when a file cannot be written.
QStringList WriteRar4Set(const Rar4Set& set);

}  // namespace quil::test
