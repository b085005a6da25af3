// RunResult.h - what one check run found: its rows in walk order and the names behind each problem.
// SPDX-License-Identifier: MIT
#pragma once

#include "series/CheckMode.h"
#include "series/HashKind.h"
#include "series/MemberStatus.h"
#include "series/Series.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace quil {

struct RunResult {
    Series CheckedSeries;      // the series as recognised; its SeqList is the found list
    CheckMode Mode = CheckMode::SizeOnly;
    QString SfvPath;           // the SFV file of an SFV check; "" otherwise
    HashKind SfvKind = HashKind::Crc32;  // what that file lists: CRC-32 values, or a digest list's
    QString LastMemberName;    // the walk stopped after this name
    qint64 ReferenceSize = 0;  // byte size of the first member when the walk began
    QString ReferenceName;     // the file that size is of, as named on disk; size messages name it
    QList<MemberRow> Rows;     // one per examined member, first member first
    QStringList MissingList;   // names of absent members, in walk order
    QStringList SizeList;      // names of members whose size differs from ReferenceSize
    QStringList CRCList;       // names of members whose CRC-32 differs from their SFV entry, or from the archive's own
    QStringList PartlyList;    // names of members only partly verified by the archive's own checksums; no problem
    QStringList ExaminedPaths; // regular files read as members, as named on disk
    int FileCounter = 0;       // present members met, the first one included
    bool Cancelled = false;    // stopped before the walk ended; no report is shown

    // Missing, differing-size and bad-CRC members together; a list the mode does not fill is empty.
    qsizetype ProblemsFound() const { return MissingList.size() + SizeList.size() + CRCList.size(); }
};

}  // namespace quil
