// MemberCrc.cpp - a member's CRC-32 text, and whether it is the one its SFV entry lists.
// SPDX-License-Identifier: MIT
#include "series/MemberCrc.h"

#include "crc/clsCRC.h"
#include "series/SfvLookup.h"

namespace quil {

MemberCrc ComputeMemberCrc(clsCRC& crc, const QString& memberPath, const std::optional<QString>& expected,
                           const KeepReadingFn& keepReading, const QString& following)
{
    const FileCrc value = crc.CalculateFile(memberPath, keepReading, {}, following);
    MemberCrc result;
    if (value.cancelled) {
        result.cancelled = true;
        return result;
    }
    if (value.failed()) {
        result.error = value.error;
        return result;
    }
    result.text = CrcText(value.value);
    result.bytes = value.size;
    result.ok = expected && result.text == expected->toUpper();
    return result;
}

}  // namespace quil
