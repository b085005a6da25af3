// LastDirSetting.h - the one remembered setting: the folder selected when the main window last closed.
// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

namespace quil {

// "LastDir" of section "Settings" of the application "Quillane" in the per-user settings store;
// "" when it was never written. Read and written only where the store's file is a regular file
// (or not there yet).
QString ReadLastDir();
void WriteLastDir(const QString& folder);

// The folder the window starts in: `lastDir` when it exists, otherwise the file-system root.
QString StartFolder(const QString& lastDir);

}  // namespace quil
