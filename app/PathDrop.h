// PathDrop.h - a file or folder dropped on the main window from a file manager opens there.
// SPDX-License-Identifier: MIT
#pragma once

class QMimeData;
class QString;

namespace quil {

class CheckSequence;

// The one local file or folder `data` carries; "" for anything else (several files, a web address, text).
QString DroppedPath(const QMimeData& data);

// Lets the window take a dropped file or folder and open it as OpenStartPath does.
void AcceptDroppedPaths(CheckSequence& window);

}  // namespace quil
