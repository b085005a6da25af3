// MemberColumns.h - the member list's three columns, sized in proportion to the list's width.
// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

#include <array>

namespace quil {

// (listWidth - 150) / 12, rounded halves to even, in twips; the 150 leaves room for the border and
// the vertical scroll bar. Held in 0..32767: a list narrower than 150 twips gives 0.
qint16 ColumnUnit(double listWidthTwips);

struct MemberColumn {
    QString Caption;
    double Width;  // twips
};

// "Filename" 5 units, "Byte Size" 3.5 units, "CRC-32" 3.5 units, in this order.
std::array<MemberColumn, 3> MemberColumns(double listWidthTwips);

}  // namespace quil
