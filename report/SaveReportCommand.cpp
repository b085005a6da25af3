// SaveReportCommand.cpp - the report window's save command: asks for a .txt name and writes the report there.
// SPDX-License-Identifier: MIT
#include "report/SaveReportCommand.h"

#include "prompts/FileDialogSetup.h"
#include "report/Product.h"
#include "report/ReportFile.h"
#include "prompts/clsOpenSave.h"
#include "series/FunctionModule.h"
#include "prompts/Messages.h"
#include "prompts/Prompts.h"

namespace quil {

namespace {

SaveEnd SaveChosenFile(clsOpenSave& dialog, Prompts& prompts, const QString& reportText, const RunResult& run)
{
    const QString fileName = TrimSpaces(dialog.FileName());
    if (fileName.isEmpty())
        return SaveEnd::Cancelled;
    if (const QString failure = SaveReportFile(fileName, reportText, run); !failure.isEmpty()) {
        prompts.message(ProductName(), WithReason(SaveErrorMessage(), failure), MessageIcon::Critical);
        return SaveEnd::Failed;
    }
    prompts.message(ProductName(), QStringLiteral("File Saved As ") + dialog.FileName(), MessageIcon::None);
    return SaveEnd::Saved;
}

}  // namespace

SaveEnd SaveFile_Click(clsOpenSave& dialog, Prompts& prompts, const QString& folder, const QString& reportText,
                       const RunResult& run, const std::function<void(bool)>& setBusy)
{
    PrepareFileDialog(dialog, {QStringLiteral("txt"), QStringLiteral("Specify The Filename To Save To..."),
                               QStringLiteral("TXT Files (*.txt)|*.txt"), clsOpenSave::OverwritePrompt, folder});
    if (const QString failure = dialog.ShowSave(prompts); !failure.isEmpty()) {
        prompts.message(ProductName(), WithReason(SaveErrorMessage(), failure), MessageIcon::Critical);
        return SaveEnd::Failed;
    }
    setBusy(true);
    const SaveEnd end = SaveChosenFile(dialog, prompts, reportText, run);
    setBusy(false);
    return end;
}

}  // namespace quil
