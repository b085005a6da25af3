// StartPath.h - opens a start file or folder in the main window as if the person had clicked it.
// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

namespace quil {

class CheckSequence;

// Opens the folder `path` names (for a file, its folder) as CheckSequence::OpenFolder does; for a
// start file the list shows, then selects it there as a click would. An SFV file or digest list is
// checked as CheckWithSfvFile checks it. Any other file leaves no start file taken, so Check
// Sequence asks for one. `path` is taken by its bytes (see NameFromNative). Does nothing while a
// check runs, when nothing could be clicked either.
void OpenStartPath(CheckSequence& window, const QString& path);

}  // namespace quil
