// SaveReportCommand.cpp - the save commands: asks for a file name and writes the report, or an SFV file, there.
// SPDX-License-Identifier: MIT
#include "report/SaveReportCommand.h"

#include "prompts/FileDialogSetup.h"
#include "report/Product.h"
#include "report/ReportFile.h"
#include "report/SfvFile.h"
#include "prompts/clsOpenSave.h"
#include "series/FunctionModule.h"
#include "prompts/Messages.h"
#include "prompts/Prompts.h"

namespace quil {

namespace {

// What one save command writes: the dialog it shows, its failure message and the writer that
// takes the chosen path and returns "" or why it could not write there.
struct SaveKind {
    FileDialogSetup setup;
    QString errorMessage;
    std::function<QString(const QString& path)> write;
};

SaveEnd SaveChosenFile(clsOpenSave& dialog, Prompts& prompts, const SaveKind& kind)
{
    const QString fileName = TrimSpaces(dialog.FileName());
    if (fileName.isEmpty())
        return SaveEnd::Cancelled;
    if (const QString failure = kind.write(fileName); !failure.isEmpty()) {
        prompts.message(ProductName(), WithReason(kind.errorMessage, failure), MessageIcon::Critical);
        return SaveEnd::Failed;
    }
    prompts.message(ProductName(), QStringLiteral("File Saved As ") + dialog.FileName(), MessageIcon::None);
    return SaveEnd::Saved;
}

SaveEnd SaveThroughDialog(clsOpenSave& dialog, Prompts& prompts, const SaveKind& kind,
                          const std::function<void(bool)>& setBusy)
{
    PrepareFileDialog(dialog, kind.setup);
    if (const QString failure = dialog.ShowSave(prompts); !failure.isEmpty()) {
        prompts.message(ProductName(), WithReason(kind.errorMessage, failure), MessageIcon::Critical);
        return SaveEnd::Failed;
    }
    setBusy(true);
    const SaveEnd end = SaveChosenFile(dialog, prompts, kind);
    setBusy(false);
    return end;
}

}  // namespace

SaveEnd SaveFile_Click(clsOpenSave& dialog, Prompts& prompts, const QString& folder, const QString& reportText,
                       const RunResult& run, const std::function<void(bool)>& setBusy)
{
    const SaveKind report{{QStringLiteral("txt"), QStringLiteral("Specify The Filename To Save To..."),
                           QStringLiteral("TXT Files (*.txt)|*.txt"), clsOpenSave::OverwritePrompt, folder},
                          SaveErrorMessage(),
                          [&](const QString& path) { return SaveReportFile(path, reportText, run); }};
    return SaveThroughDialog(dialog, prompts, report, setBusy);
}

SaveEnd SaveSfvFile_Click(clsOpenSave& dialog, Prompts& prompts, const QString& folder, const RunResult& run,
                          const std::function<void(bool)>& setBusy)
{
    const SaveKind sfv{{QStringLiteral("sfv"), QStringLiteral("Save CRC-32 Values As SFV File..."),
                        QStringLiteral("SFV Files (*.sfv)|*.sfv"), clsOpenSave::OverwritePrompt, folder},
                       SfvSaveErrorMessage(),
                       [&](const QString& path) { return SaveSfvFile(path, run); }};
    return SaveThroughDialog(dialog, prompts, sfv, setBusy);
}

}  // namespace quil
