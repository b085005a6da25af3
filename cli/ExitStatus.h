// ExitStatus.h - the exit statuses of quillane-check.
// SPDX-License-Identifier: MIT
#pragma once

namespace quil::cli {

constexpr int kNoProblem = 0;
constexpr int kProblemsFound = 1;
constexpr int kRefused = 2;

}  // namespace quil::cli
