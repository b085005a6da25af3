// ProgressText.h - the words of the progress line a terminal shows while a series is read.
// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

namespace quil::cli {

// "1.5 MiB of 10 MiB, 15%, 3 MiB/s, 0:03 left": bytes done of `total`, the share done, and once
// `elapsedMs` gives a speed, that speed and the time left at it. Sizes in binary units.
QString ProgressText(qint64 done, qint64 total, qint64 elapsedMs);

}  // namespace quil::cli
