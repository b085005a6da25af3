// StartUp.h - brings up the main window, gives it its full caption and opens what it was started with.
// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

namespace quil {

class CheckSequence;

// Shows `window` centred on its screen, sets its caption to the product name and full version,
// "Quillane (V3.1.005)", opens `startPath` (a start file or folder; "" for none) as a click would,
// and lets files and folders dropped on it open the same way.
void StartUp(CheckSequence& window, const QString& startPath = {});

}  // namespace quil
