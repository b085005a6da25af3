// SystemCalls.cpp - the system calls file code goes through, so that tests can make any of them fail.
// SPDX-License-Identifier: MIT
#include "os/SystemCalls.h"

#include <atomic>
#include <cerrno>

#include <dirent.h>

#include <fcntl.h>
#include <stdio.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

namespace quil::crc {

namespace {

SystemCalls gReal;
// Reader threads read it while a test may swap it on another thread between files.
std::atomic<SystemCalls*> gInForce{&gReal};

}  // namespace

int SystemCalls::open(const char* path, int flags, mode_t mode)
{
    return ::open(path, flags, mode);
}

int SystemCalls::fstat(int fd, struct stat* info)
{
    return ::fstat(fd, info);
}

ssize_t SystemCalls::pread(int fd, void* buffer, std::size_t size, off_t offset)
{
    return ::pread(fd, buffer, size, offset);
}

ssize_t SystemCalls::read(int fd, void* buffer, std::size_t size)
{
    return ::read(fd, buffer, size);
}

int SystemCalls::close(int fd)
{
    return ::close(fd);
}

int SystemCalls::fadvise(int fd, off_t offset, off_t length, int advice)
{
    return ::posix_fadvise(fd, offset, length, advice);
}

DIR* SystemCalls::openFolder(const char* path)
{
    return ::opendir(path);
}

dirent* SystemCalls::readFolder(DIR* folder)
{
    return ::readdir(folder);
}

int SystemCalls::closeFolder(DIR* folder)
{
    return ::closedir(folder);
}

ssize_t SystemCalls::write(int fd, const void* buffer, std::size_t size)
{
    return ::write(fd, buffer, size);
}

int SystemCalls::fsync(int fd)
{
    return ::fsync(fd);
}

int SystemCalls::rename(const char* from, const char* to)
{
    return ::rename(from, to);
}

int SystemCalls::unlink(const char* path)
{
    return ::unlink(path);
}

int SystemCalls::fchown(int fd, uid_t owner, gid_t group)
{
    return ::fchown(fd, owner, group);
}

int SystemCalls::allocate(int fd, off_t length)
{
    return ::fallocate(fd, 0, 0, length);
}

void* SystemCalls::mapMemory(std::size_t size)
{
    return ::mmap(nullptr, size, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
}

void* SystemCalls::mapFile(int fd, off_t offset, std::size_t size)
{
    return ::mmap(nullptr, size, PROT_READ, MAP_SHARED, fd, offset);
}

int SystemCalls::unmapMemory(void* address, std::size_t size)
{
    return ::munmap(address, size);
}

std::jthread SystemCalls::startThread(std::function<void()> body)
{
    return std::jthread(std::move(body));
}

SystemCalls& System()
{
    return *gInForce.load(std::memory_order_acquire);
}

int WriteAll(int fd, const char* bytes, std::size_t size)
{
    std::size_t done = 0;
    while (done < size) {
        const ssize_t written = System().write(fd, bytes + done, size - done);
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return written < 0 ? errno : EIO;
        done += std::size_t(written);
    }
    return 0;
}

SystemCallsOverride::SystemCallsOverride(SystemCalls& calls) : previous_(gInForce.exchange(&calls))
{
}

SystemCallsOverride::~SystemCallsOverride()
{
    gInForce.store(previous_);
}

}  // namespace quil::crc
