// FailingCalls.h - the real system calls, but for those a test makes fail, for the failure branches of files read and written.
// SPDX-License-Identifier: MIT
#pragma once

#include "os/SystemCalls.h"

#include <QMap>

#include <cerrno>
#include <functional>
#include <mutex>
#include <utility>

#include <dirent.h>
#include <sys/mman.h>

namespace quil::test {

// Install with crc::SystemCallsOverride. A call named in `failures` fails with its errno from its
// `from`-th use on (counted from 1), `times` times (0: ever after); `beforeOpen` runs before each
// real open. Safe to use from the reader threads.
struct FailingCalls : crc::SystemCalls {
    enum class Call { Open, Fstat, Pread, Write, Fsync, Close, Rename, Fchown, Allocate, MapMemory, MapFile };
    struct Failure {
        int error = 0;
        int from = 1;
        int times = 0;
    };
    QMap<Call, Failure> failures;
    std::function<void(const char* path)> beforeOpen;

    FailingCalls& fail(Call call, int error, int from = 1, int times = 0)
    {
        failures.insert(call, {error, from, times});
        return *this;
    }

    int open(const char* path, int flags, mode_t mode) override
    {
        if (Fails(Call::Open))
            return -1;
        if (beforeOpen)
            beforeOpen(path);
        return SystemCalls::open(path, flags, mode);
    }
    int fstat(int fd, struct stat* info) override { return Fails(Call::Fstat) ? -1 : SystemCalls::fstat(fd, info); }
    ssize_t pread(int fd, void* buffer, std::size_t size, off_t offset) override
    {
        return Fails(Call::Pread) ? -1 : SystemCalls::pread(fd, buffer, size, offset);
    }
    ssize_t write(int fd, const void* buffer, std::size_t size) override
    {
        return Fails(Call::Write) ? -1 : SystemCalls::write(fd, buffer, size);
    }
    int fsync(int fd) override { return Fails(Call::Fsync) ? -1 : SystemCalls::fsync(fd); }
    int close(int fd) override
    {
        // The descriptor is released even when close reports a failure, as on Linux.
        const int closed = SystemCalls::close(fd);
        return Fails(Call::Close) ? -1 : closed;
    }
    int rename(const char* from, const char* to) override
    {
        return Fails(Call::Rename) ? -1 : SystemCalls::rename(from, to);
    }
    int fchown(int fd, uid_t owner, gid_t group) override
    {
        return Fails(Call::Fchown) ? -1 : SystemCalls::fchown(fd, owner, group);
    }
    int allocate(int fd, off_t length) override { return Fails(Call::Allocate) ? -1 : SystemCalls::allocate(fd, length); }
    void* mapMemory(std::size_t size) override
    {
        return Fails(Call::MapMemory) ? MAP_FAILED : SystemCalls::mapMemory(size);
    }
    void* mapFile(int fd, off_t offset, std::size_t size) override
    {
        return Fails(Call::MapFile) ? MAP_FAILED : SystemCalls::mapFile(fd, offset, size);
    }

private:
    // Counts a use of `call`; true, with errno set, when it is to fail.
    bool Fails(Call call)
    {
        const std::lock_guard lock(mutex_);
        const auto failure = failures.constFind(call);
        if (failure == failures.cend())
            return false;
        const int use = ++uses_[call];
        if (use < failure->from || (failure->times > 0 && use >= failure->from + failure->times))
            return false;
        errno = failure->error;
        return true;
    }

    std::mutex mutex_;
    QMap<Call, int> uses_;
};

// The real calls, but the folder whose path ends in `suffix` cannot be opened (`openError`), or its
// reading fails with `readError` from its `failingRead`-th read on; `opens` counts the folders opened.
struct FailingFolder : crc::SystemCalls {
    explicit FailingFolder(QByteArray suffix = {}, int openError = 0, int readError = 0, int failingRead = 1)
        : suffix(std::move(suffix)), openError(openError), readError(readError), failingRead(failingRead)
    {
    }

    QByteArray suffix;
    int openError;
    int readError;
    int failingRead;
    int opens = 0;

    DIR* openFolder(const char* path) override
    {
        ++opens;
        const bool named = QByteArray(path).endsWith(suffix);
        if (named && openError != 0) {
            errno = openError;
            return nullptr;
        }
        DIR* folder = SystemCalls::openFolder(path);
        if (named)
            failing_ = folder;
        return folder;
    }
    dirent* readFolder(DIR* folder) override
    {
        if (folder == failing_ && readError != 0 && ++reads_ >= failingRead) {
            errno = readError;
            return nullptr;
        }
        return SystemCalls::readFolder(folder);
    }

private:
    DIR* failing_ = nullptr;
    int reads_ = 0;
};

}  // namespace quil::test
