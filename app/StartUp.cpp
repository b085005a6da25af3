// StartUp.cpp - brings up the main window and gives it its full caption.
#include "app/StartUp.h"

#include "app/CheckSequence.h"

namespace quil {

void StartUp(CheckSequence& window)
{
    window.show();
    window.setWindowTitle(StartUpCaption());
}

}  // namespace quil
