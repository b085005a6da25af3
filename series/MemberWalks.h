// MemberWalks.h - names every member a series should have, in order, up to the last one found or listed.
// SPDX-License-Identifier: MIT
#pragma once

#include "series/Series.h"

#include <QStringList>

#include <optional>

namespace quil {

// The extensions the walk of `series` takes after its first member, in order: its kind's walk
// (SeriesKinds.h).
QStringList WalkExtensions(const Series& series);

// Each kind's walk: .r00 … .z99; .a01 … .a99, .100 … .999; .c00 … .c99, .100 … .999; .002 … .999,
// or from .001 when the first found member is the .000, so the start file is still checked, and
// on from .1000 up to the highest found past .999; a
// NAME.partN.rar set's parts in its width from 2 up to the highest found; .z02 up to the highest
// .zNN found, then .zip.
QStringList WalkRar(const Series& series);
QStringList WalkArj(const Series& series);
QStringList WalkAce(const Series& series);
QStringList WalkNumbered(const Series& series);
QStringList WalkRarParts(const Series& series);
QStringList WalkSplitZip(const Series& series);

// The member names the walk of `series` checks after its first member: BaseName + "." + each
// extension, up to and including the same name (NameCase.h) as the last entry of SeqList, or on to
// the last of the `listed` names (those an SFV file lists) that the walk meets after it; a walk that
// never meets the last entry runs to its last name. Empty for an empty SeqList.
QStringList WalkNames(const Series& series, const QStringList& listed = {});

// The name of the volume after the walked `name` in a .rar/.r00, NAME.partN.rar or .001 set, lower case;
// none for other kinds and past the last name the kind has.
std::optional<QString> NameAfter(const Series& series, const QString& name);

}  // namespace quil
