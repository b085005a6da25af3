// MemberStatus.h - the four verdicts a member can get, and the icon each one shows.
#pragma once

#include <QString>

namespace quil {

inline QString StatusOK() { return QStringLiteral("OK"); }
inline QString StatusMissing() { return QStringLiteral("Missing"); }
inline QString StatusBadCrc() { return QStringLiteral("Bad CRC"); }
inline QString StatusBadSize() { return QStringLiteral("Bad Size"); }

// 1 "OK", 2 "Missing", 3 "Bad CRC", 4 "Bad Size"; 0 for any other word.
int StatusIconIndex(const QString& status);

}  // namespace quil
