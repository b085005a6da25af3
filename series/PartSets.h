// PartSets.h - recognises the two newer kinds: a NAME.partN.rar set and a split ZIP.
#pragma once

#include "series/Series.h"

#include <QString>

#include <optional>

namespace quil {

// The series that `startFile` in `folder` opens when it is a NAME.partN.rar or a NAME.zip; no value
// for any other name.
//
// A NAME.partN.rar set is every NAME.partM.rar beside it named in the start file's width (N's
// digits), in part order; the run starts at part 1, there or not. A split ZIP is NAME.z01, NAME.z02 …
// in order, then NAME.zip last; the run starts at NAME.z01. Either way the first member found is the
// size reference.
std::optional<Series> RecognizeNewStyleSet(const QString& folder, const QString& startFile);

}  // namespace quil
