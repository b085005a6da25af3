// Callbacks.h - how the core reaches whoever shows its progress.
// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

#include <functional>

namespace quil {

// Puts a text in the status line (and repaints it at once, in a window).
using ShowStatusFn = std::function<void(const QString& text)>;

}  // namespace quil
