// CheckRun.cpp - one check of a series: the questions, the first member, the walk and every member's verdict.
#include "series/CheckRun.h"

#include "crc/clsCRC.h"
#include "report/FileDialogSetup.h"
#include "report/Product.h"
#include "report/clsOpenSave.h"
#include "series/FunctionModule.h"
#include "series/MemberFile.h"
#include "series/MemberStatus.h"
#include "series/MemberWalks.h"
#include "series/Prompts.h"
#include "series/RunView.h"
#include "series/SeqListCheck.h"
#include "series/SeriesState.h"
#include "series/SizeText.h"

#include <QFile>
#include <QFileInfo>

#include <algorithm>

namespace quil {

namespace {

const QString kUnknown = QStringLiteral("?");
const QString kSkipped = QStringLiteral("Skipped");

bool CanReadFile(const QString& path)
{
    QFile file(path);
    return QFileInfo(path).isFile() && file.open(QIODevice::ReadOnly);
}

}  // namespace

CheckRun::CheckRun(RunView& view, Prompts& prompts, clsCRC& crc, clsOpenSave& sfvDialog)
    : view_(view), prompts_(prompts), crc_(crc), sfvDialog_(sfvDialog)
{
}

QString CheckRun::SfvQuestion()
{
    return QStringLiteral("Would You Like To Check Each File's CRC-32 Value Using An Existing SFV File?");
}

QString CheckRun::CrcReportQuestion()
{
    return QStringLiteral("Would You Like To Report Each File's CRC-32 Value Anyway (Without SFV File Checking)?");
}

RunEnd CheckRun::CheckSeq_Click(const QString& folder)
{
    SeriesState& state = State();
    if (RefuseShortSeqList(prompts_))
        return RunEnd::Refused;

    notCancelled_ = true;
    fileCounter_ = 1;
    progressMaximum_ = static_cast<int>(std::min<qsizetype>(state.SeqList.size(), INT_MAX));
    view_.SetProgress(0, progressMaximum_);
    view_.ResetMemberList();
    state.MissingList.clear();
    state.SizeList.clear();
    state.CRCList.clear();
    state.LastMemberName = state.SeqList.last().toLower();
    state.KeepWalking = true;
    state.CheckWithSfv = false;
    state.ReportCrcAnyway = false;

    if (!ChooseMode(folder)) {
        view_.EnableControls(true);
        return RunEnd::Abandoned;
    }

    view_.EnableControls(false);
    view_.SetBusy(true);
    finder_.emplace(folder);
    CheckFirstMember(folder);
    WalkSeries(folder, [this](const QString& f, const QString& n) { CheckMember(f, n); },
               [this](const QString& text) { view_.ShowStatus(text); });
    finder_.reset();
    crc_.ReleaseBuffer();  // a volume-sized buffer goes back to the system between runs
    view_.SetBusy(false);
    view_.SetProgress(progressMaximum_, progressMaximum_);
    view_.EnableControls(true);

    if (!notCancelled_) {
        view_.ShowStatus(QStringLiteral("Checking Cancelled"));
        return RunEnd::Cancelled;
    }
    view_.ShowStatus(QStringLiteral("Displaying Results..."));
    view_.ShowReport();
    view_.ShowStatus(QStringLiteral("Ready"));
    return RunEnd::Finished;
}

bool CheckRun::ChooseMode(const QString& folder)
{
    SeriesState& state = State();
    const Answer useSfv = prompts_.message(
        ProductName(), SfvQuestion(), MessageIcon::Question, MessageButtons::YesNo, Answer::Yes);
    if (useSfv == Answer::Yes) {
        state.CheckWithSfv = true;
        mode_ = Mode::SfvCheck;
        return ChooseSfvFile(folder);
    }
    const Answer reportCrc = prompts_.message(
        ProductName(), CrcReportQuestion(), MessageIcon::Question, MessageButtons::YesNo, Answer::No);
    state.ReportCrcAnyway = reportCrc == Answer::Yes;
    mode_ = state.ReportCrcAnyway ? Mode::CrcReport : Mode::SizeOnly;
    return true;
}

bool CheckRun::ChooseSfvFile(const QString& folder)
{
    PrepareFileDialog(sfvDialog_, {QStringLiteral("sfv"), QStringLiteral("Find The SFV File To Use..."),
                                   QStringLiteral("SFV Files (*.sfv)|*.sfv"), clsOpenSave::FileMustExist, folder});
    const QString failure = sfvDialog_.ShowOpen(prompts_);
    const QString chosen = TrimSpaces(sfvDialog_.FileName());
    if (failure.isEmpty() && chosen.isEmpty())
        return false;
    // A chosen file that cannot be read would fail every member as "Bad CRC"; say so instead.
    if (!failure.isEmpty() || !CanReadFile(chosen)) {
        prompts_.message(ProductName(), QStringLiteral("Error While Opening SFV File!"), MessageIcon::Critical);
        return false;
    }
    State().SfvPath = chosen;
    return true;
}

MemberFile CheckRun::Find(const QString& folder, const QString& name)
{
    return finder_ && finder_->folder() == folder ? finder_->Find(name) : FindMemberFile(folder, name);
}

MemberCrc CheckRun::ComputeCrc(const QString& path, const QString& name, bool compare)
{
    return ComputeMemberCrc(crc_, path, name, compare, State().SfvPath, [this] { view_.ProcessEvents(); });
}

void CheckRun::CheckFirstMember(const QString& folder)
{
    SeriesState& state = State();
    const QString first = state.SeqList.first().toLower();
    view_.ShowStatus(QStringLiteral("Checking %1...").arg(first));
    const MemberFile file = Find(folder, first);
    if (!file.isRegularFile()) {
        // Gone since it was listed: the size recorded then stays the reference.
        fileCounter_ = 0;
        AddMissing(first);
        return;
    }
    if (mode_ == Mode::SfvCheck)
        crc_.Clear();
    // The first member sets the reference size, so it is never compared by size.
    AddVerdictFor(first, file, false);
    state.ReferenceSize = file.size;
}

void CheckRun::CheckMember(const QString& folder, const QString& walkedName)
{
    SeriesState& state = State();
    const QString name = walkedName.toLower();
    if (!state.KeepWalking)
        return;
    view_.ShowStatus(QStringLiteral("Checking %1...").arg(name));
    // Only a regular file is a volume: a folder, FIFO or device of that name is never opened.
    const MemberFile file = Find(folder, name);
    if (!file.isRegularFile()) {
        AddMissing(name);
        return;
    }
    CountPresentMember();
    AddVerdictFor(name, file, file.size != state.ReferenceSize);
}

void CheckRun::AddVerdictFor(const QString& name, const MemberFile& file, bool sizeDiffers)
{
    const QString sizeText = SizeText(file.size);
    switch (mode_) {
    case Mode::SfvCheck: {
        const MemberCrc crc = ComputeCrc(file.path, name, true);
        AddVerdict(name, crc.readFailed() ? kUnknown : crc.text, sizeText, crc.ok ? StatusOK() : StatusBadCrc());
        break;
    }
    case Mode::SizeOnly:
        AddVerdict(name, kSkipped, sizeText, sizeDiffers ? StatusBadSize() : StatusOK());
        break;
    case Mode::CrcReport: {
        // A volume that cannot be read has no CRC to report: it counts as missing.
        const MemberCrc crc = ComputeCrc(file.path, name, false);
        if (crc.readFailed())
            AddMissing(name);
        else
            AddVerdict(name, crc.text, sizeText, sizeDiffers ? StatusBadSize() : StatusOK());
        break;
    }
    }
}

void CheckRun::CountPresentMember()
{
    ++fileCounter_;
    // Members hidden from the listing can outnumber the found list; the bar never leaves its range.
    const int shown = std::min(fileCounter_, progressMaximum_);
    view_.SetProgress(shown, progressMaximum_);
    view_.SetProgressTip(QStringLiteral("Checking File Number %1 Of %2").arg(shown).arg(progressMaximum_));
}

void CheckRun::AddMissing(const QString& name)
{
    view_.AddMemberRow(name, kUnknown, kUnknown, StatusMissing());
    State().MissingList.append(name);
}

void CheckRun::AddVerdict(const QString& name, const QString& crcText, const QString& sizeText, const QString& status)
{
    if (status == StatusBadSize())
        State().SizeList.append(name);
    else if (status == StatusBadCrc())
        State().CRCList.append(name);
    view_.AddMemberRow(name, crcText, sizeText, status);
}

void CheckRun::StopButton_Click()
{
    State().KeepWalking = false;
    notCancelled_ = false;
}

}  // namespace quil
