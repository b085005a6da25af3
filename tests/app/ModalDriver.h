// ModalDriver.h - lets a test act on the next modal window the program opens, then closes it.
// SPDX-License-Identifier: MIT
#pragma once

#include <QApplication>
#include <QDialog>
#include <QPointer>
#include <QTimer>

#include <functional>

namespace quil::test {

// Polls for the next modal dialog; once one shows, sets `opened`, hands it to `handle` and rejects it
// if `handle` left it open. Destroying the driver stops the polling (when no dialog ever came).
struct ModalDriver {
    QTimer timer;
    bool opened = false;

    explicit ModalDriver(std::function<void(QDialog&)> handle)
    {
        QObject::connect(&timer, &QTimer::timeout, [this, handle = std::move(handle)] {
            QPointer<QDialog> dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            if (!dialog || !dialog->isVisible())
                return;
            timer.stop();
            opened = true;
            handle(*dialog);
            if (dialog && dialog->isVisible())
                dialog->reject();
        });
        timer.start(5);
    }
};

}  // namespace quil::test
