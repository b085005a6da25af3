// SfvStartFile.h - finds the start file of the series an SFV file opened by itself lists.
// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

namespace quil {

// The series an SFV file names, found from the file alone: the path of its start file, or why
// there is none.
struct ListedStart {
    QString startPath;  // "" when there is none
    QString failure;    // the message and, on the next line, why; "" when there is a start file
};

// The start file named by the first entry of the SFV file at `sfvPath` that names a start file of
// its folder (StartFiles.h; names compared as SfvTable::Lookup compares them). Refused when the file
// cannot be read (see ReadSfvFile), names no such start file, or names those of several series.
ListedStart StartFileListedBy(const QString& sfvPath);

}  // namespace quil
