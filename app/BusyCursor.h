// BusyCursor.h - the hourglass over the whole program while it works.
// SPDX-License-Identifier: MIT
#pragma once

namespace quil {

// Puts the busy pointer over every window of the program, or takes it away again; calls pair up.
void SetBusyCursor(bool busy);

}  // namespace quil
