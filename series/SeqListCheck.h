// SeqListCheck.h - refuses to work on a found list too short to be a series.
#pragma once

namespace quil {

class Prompts;

// When SeqList has no entry ("Select an Archive File First!") or one ("List Contains Only 1 File!"),
// shows that message (exclamation icon, titled with the product name) and returns true.
bool RefuseShortSeqList(Prompts& prompts);

}  // namespace quil
