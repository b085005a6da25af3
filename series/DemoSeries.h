// DemoSeries.h - writes a demonstration RAR series with known faults for the checker to find.
// SPDX-License-Identifier: MIT
#pragma once

#include "series/Callbacks.h"

#include <QString>

namespace quil {

class Prompts;

// The folder the series goes into: `fileListFolder` with one trailing separator removed, so the
// root "/" gives "" and the names become "/quiltest.rar" and so on.
QString DemoSeriesFolder(const QString& fileListFolder);

enum class DemoSeriesEnd { Declined, Written, Failed };

// Asks "Generate A Test?"; on Yes writes quiltest.rar and quiltest.r00 to .u54 (each "!" * N + CR LF:
// N = 20000, 1700 for u54), deletes the four members numbered 10 and rewrites the four numbered 20
// with N = 15000, showing "Creating <path>" before each of the r, s, t and u runs' files, then says
// "Test generation Complete". The first file that cannot be written or deleted ends the command
// with a critical message naming it and why; what was written until then stays.
DemoSeriesEnd WriteDemoSeries(const QString& fileListFolder, Prompts& prompts, const ShowStatusFn& showStatus);

}  // namespace quil
