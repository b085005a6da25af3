// WindowGeometry.h - the design places, sizes and layout codes of the main and report windows' controls.
// SPDX-License-Identifier: MIT
#pragma once

#include "layout/LayoutPass.h"

#include <vector>

namespace quil {

// Client area of each window at creation, in twips.
inline constexpr TwipSize kMainWindowClientSize{8865, 7995};
inline constexpr TwipSize kReportWindowClientSize{7800, 6435};

// Every control of the main window with a place on it (the image list has none), top of the
// z-order first within each container; Container names the frame a control sits in.
std::vector<LayoutItem> MainWindowDesign();

// ReportList, Label1, SaveFile and ExitButton of the report window.
std::vector<LayoutItem> ReportWindowDesign();

}  // namespace quil
