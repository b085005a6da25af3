// FileDialogSetup.cpp - readies a clsOpenSave for one of the program's two dialogs, field by field in a fixed order.
// SPDX-License-Identifier: MIT
#include "prompts/FileDialogSetup.h"

#include "prompts/clsOpenSave.h"
#include "series/FunctionModule.h"

namespace quil {

void PrepareFileDialog(clsOpenSave& dialog, const FileDialogSetup& setup)
{
    dialog.setDefaultExt(setup.defaultExt);
    dialog.setDialogTitle(setup.title);
    dialog.setFileName(QString());
    dialog.setFilter(setup.filter);
    dialog.setFilterIndex(1);
    dialog.setFlags(setup.flags);
    dialog.setInitDir(WithTrailingBackslash(setup.folder));
    dialog.setCancelError(false);
}

}  // namespace quil
