// RunQuestions.cpp - what the window asks before a check: the mode, and for an SFV check the SFV file.
// SPDX-License-Identifier: MIT
#include "app/RunQuestions.h"

#include "prompts/FileDialogSetup.h"
#include "report/Product.h"
#include "prompts/clsOpenSave.h"
#include "series/FunctionModule.h"
#include "prompts/Messages.h"
#include "prompts/Prompts.h"
#include "series/SeriesCheck.h"

namespace quil {

namespace {

std::optional<RunChoice> ChooseSfvFile(Prompts& prompts, clsOpenSave& dialog, const QString& folder)
{
    PrepareFileDialog(dialog, {QStringLiteral("sfv"), QStringLiteral("Find The SFV File To Use..."),
                               QStringLiteral("SFV Files (*.sfv)|*.sfv|Digest Lists (*.md5 *.sha1 *.sha256 *.sha512)|"
                                              "*.md5;*.sha1;*.sha256;*.sha512"), clsOpenSave::FileMustExist, folder});
    const QString failure = dialog.ShowOpen(prompts);
    const QString chosen = TrimSpaces(dialog.FileName());
    if (failure.isEmpty() && chosen.isEmpty())
        return std::nullopt;
    auto read = failure.isEmpty() ? ReadSfvFile(chosen)
                                  : std::variant<SfvTable, QString>(WithReason(SfvOpenErrorMessage(), failure));
    if (auto* table = std::get_if<SfvTable>(&read))
        return RunChoice{CheckMode::SfvCheck, std::move(*table)};
    // A file that cannot be read would fail every member as "Bad CRC"; say so before the walk.
    prompts.message(ProductName(), std::get<QString>(read), MessageIcon::Critical);
    return std::nullopt;
}

}  // namespace

std::optional<RunChoice> AskRunChoice(Prompts& prompts, clsOpenSave& sfvDialog, const QString& folder,
                                      bool archiveMarked)
{
    const Answer useSfv = prompts.message(
        ProductName(), QStringLiteral("Would You Like To Check Each File's CRC-32 Value Using An Existing SFV File?"),
        MessageIcon::Question, MessageButtons::YesNo, Answer::Yes);
    if (useSfv == Answer::Yes)
        return ChooseSfvFile(prompts, sfvDialog, folder);
    if (archiveMarked
        && prompts.message(ProductName(),
                           QStringLiteral("Would You Like To Check Each Volume Against The Checksums Stored In The "
                                          "Archive Itself?"),
                           MessageIcon::Question, MessageButtons::YesNo, Answer::Yes)
               == Answer::Yes)
        return RunChoice{CheckMode::ArchiveCheck, std::nullopt};
    const Answer reportCrc = prompts.message(
        ProductName(),
        QStringLiteral("Would You Like To Report Each File's CRC-32 Value Anyway (Without SFV File Checking)?"),
        MessageIcon::Question, MessageButtons::YesNo, Answer::Yes);
    return RunChoice{reportCrc == Answer::Yes ? CheckMode::CrcReport : CheckMode::SizeOnly, std::nullopt};
}

}  // namespace quil
