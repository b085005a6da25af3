// ModalDriver.h - lets a test act on the next modal window the program opens, then closes it.
#pragma once

#include <QApplication>
#include <QDialog>
#include <QPointer>
#include <QTimer>

#include <functional>

namespace quil::test {

// Polls for the next modal dialog; once one shows, hands it to `handle` and rejects it if
// `handle` left it open. Destroying the driver stops the polling (when no dialog ever came).
class ModalDriver {
public:
    explicit ModalDriver(std::function<void(QDialog&)> handle)
    {
        QObject::connect(&timer_, &QTimer::timeout, [this, handle = std::move(handle)] {
            QPointer<QDialog> dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            if (!dialog || !dialog->isVisible())
                return;
            timer_.stop();
            opened_ = true;
            handle(*dialog);
            if (dialog && dialog->isVisible())
                dialog->reject();
        });
        timer_.start(5);
    }

    bool opened() const { return opened_; }

private:
    QTimer timer_;
    bool opened_ = false;
};

}  // namespace quil::test
