// MemberStatus.cpp - the verdict a member gets and the row that shows it.
// SPDX-License-Identifier: MIT
#include "series/MemberStatus.h"

namespace quil {

QString StatusWord(MemberStatus status)
{
    switch (status) {
    case MemberStatus::OK: return QStringLiteral("OK");
    case MemberStatus::Missing: return QStringLiteral("Missing");
    case MemberStatus::BadCrc: return QStringLiteral("Bad CRC");
    case MemberStatus::BadSize: return QStringLiteral("Bad Size");
    case MemberStatus::PartlyVerified: return QStringLiteral("Partly Verified");
    }
    return {};
}

QString StatusCode(MemberStatus status)
{
    switch (status) {
    case MemberStatus::OK: return QStringLiteral("ok");
    case MemberStatus::Missing: return QStringLiteral("missing");
    case MemberStatus::BadCrc: return QStringLiteral("bad_crc");
    case MemberStatus::BadSize: return QStringLiteral("bad_size");
    case MemberStatus::PartlyVerified: return QStringLiteral("partly_verified");
    }
    return {};
}

}  // namespace quil
