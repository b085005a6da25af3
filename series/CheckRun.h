// CheckRun.h - one check of a series: the questions, the first member, the walk and every member's verdict.
#pragma once

#include <QString>

namespace quil {

class clsCRC;
class clsOpenSave;
class Prompts;
class RunView;

// How a run ended.
enum class RunEnd {
    Refused,    // "Select an Archive File First!" or "List Contains Only 1 File!" was shown
    Abandoned,  // the SFV dialog was cancelled or failed before any member was checked
    Cancelled,  // stopped during the walk: "Checking Cancelled", no report
    Finished,   // the walk ended and the report was shown
};

class CheckRun {
public:
    CheckRun(RunView& view, Prompts& prompts, clsCRC& crc, clsOpenSave& sfvDialog);

    // The run over the series recognised in `folder` (the start-file list's folder).
    RunEnd CheckSeq_Click(const QString& folder);

    // Stops the walk before its next member and keeps the report from opening.
    void StopButton_Click();

    // CheckMember: examines one walked member of the current run.
    void CheckMember(const QString& folder, const QString& name);

    bool NotCancelled() const { return notCancelled_; }
    int FileCounter() const { return fileCounter_; }

private:
    ...
};

}  // namespace quil
