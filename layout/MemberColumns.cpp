// MemberColumns.cpp - the member list's three columns, sized in proportion to the list's width.
// SPDX-License-Identifier: MIT
#include "layout/MemberColumns.h"

#include "layout/TwipUnits.h"

#include <algorithm>

namespace quil {

qint16 ColumnUnit(double listWidthTwips)
{
    // Held to what a 16-bit unit can carry; a negative unit would give negative column widths.
    return qint16(std::clamp<qint32>(RoundHalfEven((listWidthTwips - 150) / 12), 0, 32767));
}

std::array<MemberColumn, 3> MemberColumns(double listWidthTwips)
{
    const double unit = ColumnUnit(listWidthTwips);
    return {{
        {QStringLiteral("Filename"), 5 * unit},
        {QStringLiteral("Byte Size"), 3.5 * unit},
        {QStringLiteral("CRC-32"), 3.5 * unit},
    }};
}

}  // namespace quil
