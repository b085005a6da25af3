// PictureBox.cpp - a picture stretched to its box that reports double-clicks (the banner and its strip).
// SPDX-License-Identifier: MIT
#include "app/PictureBox.h"

#include <QMouseEvent>

namespace quil {

PictureBox::PictureBox(const QPixmap& picture, QWidget* parent) : QLabel(parent)
{
    setPixmap(picture);
    setScaledContents(true);
}

void PictureBox::mouseDoubleClickEvent(QMouseEvent* event)
{
    event->accept();
    emit doubleClicked();
}

}  // namespace quil
