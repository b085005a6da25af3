// StatusPopup.h - the explanation of one member row, shown when the row is double-clicked.
// SPDX-License-Identifier: MIT
#pragma once

#include "series/MemberStatus.h"
#include "prompts/Prompts.h"

#include <QString>

namespace quil {

struct RunResult;

struct StatusExplanation {
    QString text;
    MessageIcon icon = MessageIcon::Information;
};

// "Status For: " + the row's name, an empty line and what its status means. A Bad CRC row gives the
// value the run's SFV file listed for it (the row's, never the file read again); a Bad Size row names the file whose size is the
// reference (as listed) and that size. A row of a member that is there but could not be read ends with
// the reason on a line of its own.
StatusExplanation ExplainMemberStatus(const MemberRow& row, const RunResult& run);

}  // namespace quil
