// RemovedOnSignal.cpp - a file half written is removed when SIGINT or SIGTERM ends the program.
// SPDX-License-Identifier: MIT
#include "os/RemovedOnSignal.h"

#include <algorithm>
#include <climits>
#include <csignal>
#include <cstring>

#include <pthread.h>
#include <unistd.h>

namespace quil {

namespace {

constexpr int kSignals[] = {SIGINT, SIGTERM};

// What the handler may touch: plain memory written before it is armed.
char gPath[PATH_MAX + 1];
volatile sig_atomic_t gArmed = 0;
struct sigaction gBefore[std::size(kSignals)];
bool gInstalled[std::size(kSignals)];

// Only async-signal-safe calls: unlink, sigaction and raise.
void RemoveThenGoOn(int signal)
{
    if (gArmed)
        ::unlink(gPath);
    for (std::size_t i = 0; i < std::size(kSignals); ++i)
        if (kSignals[i] == signal)
            ::sigaction(signal, &gBefore[i], nullptr);
    // Delivered once this handler returns, to the handler (or default) that was there before.
    ::raise(signal);
}

sigset_t HandledSignals()
{
    sigset_t set;
    sigemptyset(&set);
    for (const int signal : kSignals)
        sigaddset(&set, signal);
    return set;
}

}  // namespace

RemovedOnSignal::RemovedOnSignal()
{
    struct sigaction action {};
    action.sa_handler = RemoveThenGoOn;
    action.sa_mask = HandledSignals();
    for (std::size_t i = 0; i < std::size(kSignals); ++i) {
        ::sigaction(kSignals[i], nullptr, &gBefore[i]);
        gInstalled[i] = gBefore[i].sa_handler != SIG_IGN;
        if (gInstalled[i])
            ::sigaction(kSignals[i], &action, nullptr);
    }
}

RemovedOnSignal::~RemovedOnSignal()
{
    Disarm();
    for (std::size_t i = 0; i < std::size(kSignals); ++i)
        if (gInstalled[i])
            ::sigaction(kSignals[i], &gBefore[i], nullptr);
}

RemovedOnSignal::Held::Held()
{
    const sigset_t set = HandledSignals();
    ::pthread_sigmask(SIG_BLOCK, &set, &before_);
}

RemovedOnSignal::Held::~Held()
{
    ::pthread_sigmask(SIG_SETMASK, &before_, nullptr);
}

void RemovedOnSignal::Arm(const QByteArray& path)
{
    gArmed = 0;
    const std::size_t length = std::min<std::size_t>(std::size_t(path.size()), PATH_MAX);
    std::memcpy(gPath, path.constData(), length);
    gPath[length] = '\0';
    gArmed = 1;
}

void RemovedOnSignal::Disarm()
{
    gArmed = 0;
}

}  // namespace quil
