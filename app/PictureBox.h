// PictureBox.h - a picture stretched to its box that reports double-clicks (the banner and its strip).
// SPDX-License-Identifier: MIT
#pragma once

#include <QLabel>

namespace quil {

class PictureBox : public QLabel {
    Q_OBJECT
public:
    PictureBox(const QPixmap& picture, QWidget* parent);

signals:
    void doubleClicked();

protected:
    void mouseDoubleClickEvent(QMouseEvent* event) override;
};

}  // namespace quil
