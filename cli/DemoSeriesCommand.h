// DemoSeriesCommand.h - quillane-check --demo-series: the window's demonstration series, written from the command line.
// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <QTextStream>

namespace quil::cli {

// Writes the demonstration series into `folder` as Ctrl+Alt+F10 does in the window, the command
// line standing for the Yes to "Generate A Test?". The closing message goes to `output`, a failure's
// to `errors` (LF line ends). Returns 0 when the series was written, 2 when a file could not be.
int RunDemoSeriesCommand(const QString& folder, QTextStream& output, QTextStream& errors);

}  // namespace quil::cli
