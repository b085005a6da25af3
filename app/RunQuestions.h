// RunQuestions.h - what the window asks before a check: the mode, and for an SFV check the SFV file.
// SPDX-License-Identifier: MIT
#pragma once

#include "series/CheckMode.h"
#include "series/SfvLookup.h"

#include <QString>

#include <optional>

namespace quil {

class clsOpenSave;
class Prompts;

struct RunChoice {
    CheckMode mode = CheckMode::SizeOnly;
    std::optional<SfvTable> sfv;  // read for an SFV check
};

// Asks "Would You Like To Check Each File's CRC-32 Value Using An Existing SFV File?" and, on No,
// when `archiveMarked` (the first volume starts with a marker the archive check reads) whether to
// check each volume against the archive's own checksums, then whether to report each CRC-32 anyway;
// on Yes lets the person pick the SFV file in `folder` and
// reads it. No value when the dialog was cancelled (silently) or the SFV file could not be chosen
// or read ("Error While Opening SFV File!" with the reason, shown here).
std::optional<RunChoice> AskRunChoice(Prompts& prompts, clsOpenSave& sfvDialog, const QString& folder,
                                      bool archiveMarked);

}  // namespace quil
