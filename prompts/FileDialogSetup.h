// FileDialogSetup.h - readies a clsOpenSave for one of the program's two dialogs, field by field in a fixed order.
// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

namespace quil {

class clsOpenSave;

struct FileDialogSetup {
    QString defaultExt;  // without the dot
    QString title;
    QString filter;      // "description|pattern"
    qint32 flags = 0;
    QString folder;      // where the dialog opens; a trailing separator is added
};

// Sets DefaultExt, DialogTitle, FileName (empty), Filter, FilterIndex (1), Flags, InitDir and
// CancelError (false), in this order, so no field of an earlier dialog carries over.
void PrepareFileDialog(clsOpenSave& dialog, const FileDialogSetup& setup);

}  // namespace quil
