// SfvDiscovery.h - finds the one SFV file beside a series that lists its start file.
// SPDX-License-Identifier: MIT
#pragma once

#include "series/Refusal.h"
#include "series/Series.h"
#include "series/SfvLookup.h"

#include <QString>

#include <variant>

namespace quil {

// The table of the one .sfv file (letter case ignored) in the series folder with a line for the
// start file, matched as SfvTable::Lookup matches; or, when none or several do, why not: the
// message and, on the next line, the paths of the .sfv files looked at or of those that list it
// (SfvNotFound or SfvAmbiguous).
// A .sfv file that cannot be read lists nothing.
std::variant<SfvTable, Refusal> FindListingSfv(const Series& series);

}  // namespace quil
