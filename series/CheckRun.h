// CheckRun.h - one check of a series: the questions, the first member, the walk and every member's verdict.
#pragma once

#include "series/MemberFile.h"
#include "series/SfvLookup.h"

#include <QString>

namespace quil {

class clsCRC;
class clsOpenSave;
class Prompts;
class RunView;

// How a run ended.
enum class RunEnd {
    Refused,    // "Select an Archive File First!" or "List Contains Only 1 File!" was shown
    Abandoned,  // the SFV file was not chosen (cancel, or a file that cannot be opened)
    Cancelled,  // stopped during the walk: "Checking Cancelled", no report
    Finished,   // the walk ended and the report was shown
};

// The run reads and writes the application-wide SeriesState; it only ever reads the series folder
// and the SFV file.
class CheckRun {
public:
    CheckRun(RunView& view, Prompts& prompts, clsCRC& crc, clsOpenSave& sfvDialog);

    // The run over the series recognised in `folder` (the start-file list's folder).
    RunEnd CheckSeq_Click(const QString& folder);

    // Ends the walk before its next member and keeps the report from opening.
    void StopButton_Click();

    // Examines one walked member of the current run and adds its row.
    void CheckMember(const QString& folder, const QString& name);

    // The two questions that choose the mode, in the order they are asked.
    static QString SfvQuestion();
    static QString CrcReportQuestion();

    bool NotCancelled() const { return notCancelled_; }
    int FileCounter() const { return fileCounter_; }

private:
    enum class Mode { SizeOnly, CrcReport, SfvCheck };

    bool ChooseMode(const QString& folder);
    bool ChooseSfvFile(const QString& folder);
    void CheckFirstMember(const QString& folder);
    MemberFile Find(const QString& folder, const QString& name);
    MemberCrc ComputeCrc(const QString& path, const QString& name, bool compare);
    // The row of a present member, by mode; `sizeDiffers` matters outside SFV checks only.
    void AddVerdictFor(const QString& name, const MemberFile& file, bool sizeDiffers);
    void AddMissing(const QString& name);
    void AddVerdict(const QString& name, const QString& crcText, const QString& sizeText, const QString& status);
    void CountPresentMember();

    RunView& view_;
    Prompts& prompts_;
    clsCRC& crc_;
    clsOpenSave& sfvDialog_;
    Mode mode_ = Mode::SizeOnly;
    std::optional<MemberFinder> finder_;  // the series folder, for the length of one walk
    bool notCancelled_ = false;
    int fileCounter_ = 0;
    int progressMaximum_ = 0;
};

}  // namespace quil
