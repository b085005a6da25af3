// SaveReportCommand.h - the save commands: asks for a file name and writes the report, or an SFV file, there.
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

// The same for the CRC-32 values of the CRC report `run` as an SFV file (see SaveSfvFile): a .sfv
// name, and "Error While Saving SFV File!" for a failure.
SaveEnd SaveSfvFile_Click(clsOpenSave& dialog, Prompts& prompts, const QString& folder, const RunResult& run,
                          const std::function<void(bool)>& setBusy);

}  // namespace quil
