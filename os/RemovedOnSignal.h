// RemovedOnSignal.h - a file half written is removed when SIGINT or SIGTERM ends the program.
// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>

#include <csignal>

namespace quil {

// While one lives, SIGINT and SIGTERM first remove the file last armed, then take the effect they
// had before (ending the program, as a rule). A signal the program ignores stays ignored. One at a
// time: the handler knows a single path.
class RemovedOnSignal {
public:
    RemovedOnSignal();
    ~RemovedOnSignal();
    RemovedOnSignal(const RemovedOnSignal&) = delete;
    RemovedOnSignal& operator=(const RemovedOnSignal&) = delete;

    // Keeps SIGINT and SIGTERM waiting on this thread while it lives, so that a file is armed exactly
    // while it is there: create and Arm, or Disarm and rename, under one.
    class Held {
    public:
        Held();
        ~Held();
        Held(const Held&) = delete;
        Held& operator=(const Held&) = delete;

    private:
        sigset_t before_;
    };

    // `path` (at most PATH_MAX bytes) is removed by the signals from now on.
    void Arm(const QByteArray& path);
    void Disarm();
};

}  // namespace quil
