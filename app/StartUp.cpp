// StartUp.cpp - brings up the main window, gives it its full caption and opens what it was started with.
// SPDX-License-Identifier: MIT
#include "app/StartUp.h"

#include "app/CheckSequence.h"
#include "app/PathDrop.h"
#include "app/StartPath.h"

#include <QScreen>

namespace quil {

void StartUp(CheckSequence& window, const QString& startPath)
{
    if (const QScreen* screen = window.screen())
        window.move(screen->availableGeometry().center() - window.rect().center());
    window.show();
    window.setWindowTitle(StartUpCaption());
    if (!startPath.isEmpty())
        OpenStartPath(window, startPath);
    AcceptDroppedPaths(window);
}

}  // namespace quil
