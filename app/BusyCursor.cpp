// BusyCursor.cpp - the hourglass over the whole program while it works.
// SPDX-License-Identifier: MIT
#include "app/BusyCursor.h"

#include <QApplication>

namespace quil {

void SetBusyCursor(bool busy)
{
    if (busy)
        QApplication::setOverrideCursor(Qt::WaitCursor);
    else
        QApplication::restoreOverrideCursor();
}

}  // namespace quil
