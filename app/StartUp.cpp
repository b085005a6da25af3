// StartUp.cpp - brings up the main window and gives it its full caption.
#include "app/StartUp.h"

#include "app/CheckSequence.h"

#include <QScreen>

namespace quil {

void StartUp(CheckSequence& window)
{
    if (const QScreen* screen = window.screen())
        window.move(screen->availableGeometry().center() - window.rect().center());
    window.show();
    window.setWindowTitle(StartUpCaption());
}

}  // namespace quil
