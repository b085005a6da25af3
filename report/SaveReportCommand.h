// SaveReportCommand.h - the report window's save command: asks for a .txt name and writes the report there.
// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

#include <functional>

namespace quil {

class clsOpenSave;
class Prompts;
struct RunResult;

enum class SaveEnd { Cancelled, Saved, Failed };

// Sets up `dialog` for a .txt file in `folder` (overwrite prompt on, CancelError off) and shows it.
// A chosen name gets `reportText`, the report of `run`, + CR LF and the message "File Saved As " +
// name; any failure, a refused name included (see SaveReportFile: the SFV file or a volume of `run`),
// shows "Error While Saving Report File!" (critical) with the reason on the next line. `setBusy` is on
// from the dialog's close until the last message has been closed. Both messages are titled with the
// product name.
SaveEnd SaveFile_Click(clsOpenSave& dialog, Prompts& prompts, const QString& folder, const QString& reportText,
                       const RunResult& run, const std::function<void(bool)>& setBusy);

}  // namespace quil
