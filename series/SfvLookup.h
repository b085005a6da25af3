// SfvLookup.h - finds the CRC-32 an SFV file lists for a member, and computes a member's CRC-32 text.
#pragma once

#include "series/Callbacks.h"

#include <QString>

#include <optional>

namespace quil {

class clsCRC;

// The value listed for `name` in the SFV file: the last non-comment line whose text before its
// last space names it (spaces trimmed, letter case ignored), upper-cased. "" when no line matches
// or the file cannot be read. Lines end at CR, LF or CR LF; the file is read anew on every call.
QString LookupSfvCrc(const QString& sfvPath, const QString& name);

// Eight hexadecimal digits, upper case, zero-padded; no value (an empty file) counts as 0.
QString CrcText(std::optional<qint32> value);

struct MemberCrc {
    QString text;     // the CRC-32 text; "" when the member could not be read
    bool ok = false;  // the text equals the SFV entry (only when compared)
    QString error;    // why the member could not be read

    bool readFailed() const { return !error.isEmpty(); }
};

// The CRC-32 text of the member file at `memberPath`; with `compare`, whether it equals the SFV
// entry for `name`. Pending events are processed right before and right after the computation,
// which is where a Stop request is noticed.
MemberCrc ComputeMemberCrc(clsCRC& crc, const QString& memberPath, const QString& name, bool compare,
                           const QString& sfvPath, const ProcessEventsFn& processEvents);

}  // namespace quil
