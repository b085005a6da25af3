// MemberCrc.h - a member's CRC-32 text, and whether it is the one its SFV entry lists.
// SPDX-License-Identifier: MIT
#pragma once

#include "crc/clsCRC.h"

#include <QString>

#include <optional>

namespace quil {

struct MemberCrc {
    QString text;            // the CRC-32 text; "" when the member could not be read
    bool ok = false;         // the text equals the expected one (only when one was given)
    QString error;           // why the member could not be read
    bool cancelled = false;  // abandoned midway: `keepReading` said stop
    qint64 bytes = 0;        // the member's size, from the same open file as its CRC

    bool readFailed() const { return !error.isEmpty(); }
};

// The CRC-32 text of the member file at `memberPath`; with an `expected` value, whether it equals
// it (letter case ignored). `keepReading` is asked every few milliseconds while a volume is read,
// so a Stop can abandon a large volume midway; `following` is the volume to be read next, if known.
MemberCrc ComputeMemberCrc(clsCRC& crc, const QString& memberPath, const std::optional<QString>& expected,
                           const KeepReadingFn& keepReading = {}, const QString& following = {});

}  // namespace quil
