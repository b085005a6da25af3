// BusErrorGuard.cpp - turns the SIGBUS of a mapped file cut short under a read into a failed call.
// SPDX-License-Identifier: MIT
#include "os/BusErrorGuard.h"

#include <atomic>
#include <mutex>

#include <csetjmp>
#include <csignal>

namespace quil::crc {

namespace {

// Where a SIGBUS on this thread lands while a guarded call runs; null otherwise.
thread_local sigjmp_buf* tLanding = nullptr;

std::mutex gInstallMutex;
struct sigaction gPrevious {};

void OnBusError(int signal, siginfo_t* info, void* context)
{
    if (sigjmp_buf* landing = tLanding) {
        tLanding = nullptr;
        siglongjmp(*landing, 1);
    }
    if (gPrevious.sa_flags & SA_SIGINFO) {
        gPrevious.sa_sigaction(signal, info, context);
    } else if (gPrevious.sa_handler != SIG_DFL && gPrevious.sa_handler != SIG_IGN) {
        gPrevious.sa_handler(signal);
    } else {
        // The default action: once this returns, the faulting instruction runs again and ends the process.
        struct sigaction fallback {};
        fallback.sa_handler = SIG_DFL;
        sigaction(SIGBUS, &fallback, nullptr);
    }
}

void EnsureInstalled()
{
    std::lock_guard lock(gInstallMutex);
    struct sigaction current {};
    sigaction(SIGBUS, nullptr, &current);
    if ((current.sa_flags & SA_SIGINFO) && current.sa_sigaction == OnBusError)
        return;
    struct sigaction mine {};
    mine.sa_sigaction = OnBusError;
    mine.sa_flags = SA_SIGINFO;
    sigemptyset(&mine.sa_mask);
    sigaction(SIGBUS, &mine, &gPrevious);
}

}  // namespace

bool UseMappedBytes(MappedBytesFn use, const void* context, const std::uint8_t* data, std::size_t size)
{
    EnsureInstalled();
    sigjmp_buf landing;
    // Saving the signal mask lets the jump out of the handler unblock SIGBUS again.
    if (sigsetjmp(landing, 1) != 0)
        return false;
    tLanding = &landing;
    std::atomic_signal_fence(std::memory_order_seq_cst);  // the handler must see it before the first touch
    use(context, data, size);
    std::atomic_signal_fence(std::memory_order_seq_cst);
    tLanding = nullptr;
    return true;
}

}  // namespace quil::crc
