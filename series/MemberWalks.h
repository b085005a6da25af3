// MemberWalks.h - names every member a series should have, in order, up to the last one found.
#pragma once

#include "series/Series.h"

#include <QStringList>

namespace quil {

// The extensions the walk of `series` takes after its first member, in order. A numbered series
// whose first found member is the .000 file walks from .001, so its start file is still checked. A
// NAME.partN.rar set walks its parts in its width up to the highest part found; a split ZIP walks
// .z02 on up to the highest .zNN found, then .zip.
QStringList WalkExtensions(const Series& series);

// The member names the walk of `series` checks after its first member: BaseName + "." + each
// extension, up to and including the last entry of SeqList; a walk that never meets that entry
// runs to its last name. Empty for an empty SeqList.
QStringList WalkNames(const Series& series);

}  // namespace quil
