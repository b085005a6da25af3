// SystemCalls.h - the system calls file code goes through, so that tests can make any of them fail.
// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <functional>
#include <thread>

#include <sys/types.h>

struct stat;
struct dirent;
typedef struct __dirstream DIR;

namespace quil::crc {

// Each member does what the call of its name does, errno and all. A test derives from it, overrides
// the calls it wants to misbehave (usually falling back on these), and installs it with
// SystemCallsOverride; everything else keeps calling the real system.
class SystemCalls {
public:
    virtual ~SystemCalls() = default;

    virtual int open(const char* path, int flags, mode_t mode);
    virtual int fstat(int fd, struct stat* info);
    virtual ssize_t pread(int fd, void* buffer, std::size_t size, off_t offset);
    virtual ssize_t read(int fd, void* buffer, std::size_t size);  // for a list on standard input
    virtual int close(int fd);
    virtual int fadvise(int fd, off_t offset, off_t length, int advice);  // returns the error, as posix_fadvise does

    // For folder listings: readFolder returns null at the end, and with errno set when it fails.
    virtual DIR* openFolder(const char* path);
    virtual dirent* readFolder(DIR* folder);
    virtual int closeFolder(DIR* folder);

    // For the report writer.
    virtual ssize_t write(int fd, const void* buffer, std::size_t size);
    virtual int fsync(int fd);
    virtual int rename(const char* from, const char* to);
    virtual int unlink(const char* path);
    virtual int fchown(int fd, uid_t owner, gid_t group);
    // Reserves room on the disk for the first `length` bytes of the file, making it at least that
    // long (zeros after its old end), as fallocate with mode 0 does: never emulated by writing, so -1
    // with errno EOPNOTSUPP where the file system cannot.
    virtual int allocate(int fd, off_t length);

    // Anonymous read-write memory of `size` bytes; MAP_FAILED, with errno set, when there is none.
    virtual void* mapMemory(std::size_t size);
    // `size` bytes of the file from `offset` (a multiple of the page size), shared and read-only;
    // MAP_FAILED, with errno set, when the file cannot be mapped.
    virtual void* mapFile(int fd, off_t offset, std::size_t size);
    // Ends either kind of mapping.
    virtual int unmapMemory(void* address, std::size_t size);
    // A thread running `body`; throws std::system_error, as std::jthread does, when none can start.
    virtual std::jthread startThread(std::function<void()> body);
};

// Writes all `size` bytes of `bytes` to `fd` through System(), over short writes and interruptions;
// 0, or the errno of the write that failed.
int WriteAll(int fd, const char* bytes, std::size_t size);

// The calls in force: the real ones unless a test installed others.
SystemCalls& System();

// Installs `calls` for its lifetime; the calls in force before come back when it ends.
class SystemCallsOverride {
public:
    explicit SystemCallsOverride(SystemCalls& calls);
    ~SystemCallsOverride();
    SystemCallsOverride(const SystemCallsOverride&) = delete;
    SystemCallsOverride& operator=(const SystemCallsOverride&) = delete;

private:
    SystemCalls* previous_;
};

}  // namespace quil::crc
