// MemberStatus.h - the verdict a member gets and the row that shows it.
// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

#include <optional>

namespace quil {

// The values are the row's icon index.
// PartlyVerified comes only from checks against the archive's own checksums: nothing failed, but
// some data only unpacking can check. It is not a problem.
enum class MemberStatus { OK = 1, Missing = 2, BadCrc = 3, BadSize = 4, PartlyVerified = 5 };

// OK or Partly Verified: nothing was found wrong with the member.
inline bool Passed(MemberStatus status) { return status == MemberStatus::OK || status == MemberStatus::PartlyVerified; }

// "OK", "Missing", "Bad CRC", "Bad Size" or "Partly Verified".
QString StatusWord(MemberStatus status);

// The status's name in JSON: "ok", "missing", "bad_crc", "bad_size" or "partly_verified".
QString StatusCode(MemberStatus status);

// One member's row, its texts in the member list's column order.
struct MemberRow {
    QString name;      // without folder: the walked name, lower case; as on disk when names differ only in case
    QString sizeText;  // "0,000" form, or "?" for a member that is not there
    QString crcText;   // eight hexadecimal digits, "Skipped", or "?"
    MemberStatus status = MemberStatus::OK;
    QString reason;    // why a member that is there could not be read, or what an archive check found; "" otherwise
    std::optional<qint64> bytes;  // the byte size sizeText shows; none for "?"
    QString expectedCrc;  // the value the run's SFV file lists for the name; "" when none does or outside SFV checks
    QString fileName;     // the file read for a member that is there, as named on disk; "" for a missing one
    std::optional<qint64> verifiedBytes;  // bytes a matching archive checksum covers; archive checks only

    bool operator==(const MemberRow&) const = default;
};

}  // namespace quil
