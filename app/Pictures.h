// Pictures.h - the program's own pictures, drawn at start-up: status icons, window icon, help button, banner.
// SPDX-License-Identifier: MIT
#pragma once

#include <QIcon>
#include <QPixmap>

class QPainter;

namespace quil {

// The 16 x 16 row icon of a member status by its icon index: 1 a blue tick with a grey shadow,
// 2 a red cross, 3 a red C, 4 a red S, 5 a blue tick half ringed in grey, each with a light rim, on a
// transparent ground. A null pixmap for any other index.
QPixmap StatusIcon(int iconIndex);

// The window icon: three stacked volumes with a tick, in several sizes.
QIcon WindowIcon();

// Paints the window icon into the square from (0, 0) to (size, size); the icon theme's files are
// drawn by it too, so the menu shows the window's picture.
void PaintWindowIcon(QPainter& painter, qreal size);

// The help button's picture: a white question mark on a blue disc, transparent around it.
QPixmap HelpPicture();

// The 297 x 43 banner with the product name, and the 297 x 35 strip that fills the space around it.
QPixmap BannerPicture();
QPixmap StripPicture();

}  // namespace quil
