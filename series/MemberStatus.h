// MemberStatus.h - the verdict a member gets and the row that shows it.
// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

#include <optional>

namespace quil {

// The values are the row's icon index.
enum class MemberStatus { OK = 1, Missing = 2, BadCrc = 3, BadSize = 4 };

// "OK", "Missing", "Bad CRC" or "Bad Size".
QString StatusWord(MemberStatus status);

// The status's name in JSON: "ok", "missing", "bad_crc" or "bad_size".
QString StatusCode(MemberStatus status);

// One member's row, its texts in the member list's column order.
struct MemberRow {
    QString name;      // without folder: the walked name, lower case; as on disk when names differ only in case
    QString sizeText;  // "0,000" form, or "?" for a member that is not there
    QString crcText;   // eight hexadecimal digits, "Skipped", or "?"
    MemberStatus status = MemberStatus::OK;
    QString reason;    // why a member that is there could not be read; "" otherwise
    std::optional<qint64> bytes;  // the byte size sizeText shows; none for "?"
    QString expectedCrc;  // the value the run's SFV file lists for the name; "" when none does or outside SFV checks
    QString fileName;     // the file read for a member that is there, as named on disk; "" for a missing one

    bool operator==(const MemberRow&) const = default;
};

}  // namespace quil
