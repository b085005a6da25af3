// Series.h - a recognised series: what its start file opens and which of its members lie beside it.
// SPDX-License-Identifier: MIT
#pragma once

#include "series/FolderListing.h"
#include "series/SeriesKind.h"

#include <QString>
#include <QStringList>

namespace quil {

struct Series {
    SeriesKind Kind = SeriesKind::Rar;
    QString Folder;            // where the start file and its members lie
    QString StartFile;         // the start file's name as listed, letter case kept
    QString BaseName;          // lower case: the name before the volume numbering ("x" of x.rar, x.part1.rar, x.zip)
    QString FirstMember;       // lower case: the member the run examines first, whether it is there or not
    QString StartName;         // lower case: the start of the series as the report names it
    QString ReferenceName;     // as listed: the file whose size stands as the reference when the first member is gone
    qint64 ReferenceSize = 0;  // byte size of that file when the series was recognised
    QStringList SeqList;       // members found in the folder, lower case, in series order
    SharedListing Listing;     // the reading of Folder the members were found in; the run looks members up in it
};

}  // namespace quil
