// StartUp.h - brings up the main window and gives it its full caption.
#pragma once

namespace quil {

class CheckSequence;

// Shows `window` centred on its screen and sets its caption to the product name and full version, "Quillane (V3.1.005)".
void StartUp(CheckSequence& window);

}  // namespace quil
