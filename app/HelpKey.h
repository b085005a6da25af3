// HelpKey.h - F1 opens the help from anywhere in a window.
// SPDX-License-Identifier: MIT
#pragma once

class QWidget;

namespace quil {

class Prompts;

void AddHelpKey(QWidget& window, Prompts& prompts);

}  // namespace quil
