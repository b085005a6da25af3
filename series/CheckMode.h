// CheckMode.h - what a check run compares.
// SPDX-License-Identifier: MIT
#pragma once

namespace quil {

enum class CheckMode {
    SizeOnly,   // sizes against the first member's; no CRC is computed
    CrcReport,  // sizes as above, and every member's CRC-32 is shown
    SfvCheck,   // CRC-32 values against an SFV file; sizes are shown, not compared
    ArchiveCheck,  // each volume against the checksums its own headers store
};

}  // namespace quil
