// ReadAhead.cpp - keeps the disk streaming ahead of the reader threads, and on into the next file.
// SPDX-License-Identifier: MIT
#include "os/ReadAhead.h"

#include <algorithm>

namespace quil::crc {

ReadAhead::ReadAhead(const RegularFile& file, std::uint64_t windowSize, QString following)
    : file_(file),
      windowSize_(windowSize),
      windows_((file.length() + windowSize - 1) / windowSize),
      following_(std::move(following))
{
}

void ReadAhead::Claimed(std::uint64_t index)
{
    // The first reader asks for the whole lead at once, so that the disk starts on one stream.
    if (index == 0)
        Ask(0, kReadAheadWindows + 1);
    else
        Ask(index + kReadAheadWindows, 1);
}

void ReadAhead::Ask(std::uint64_t first, std::uint64_t count)
{
    const std::uint64_t end = first + count;
    if (first < windows_)
        file_.ReadAhead(first * windowSize_, (std::min(end, windows_) - first) * windowSize_);
    if (end <= windows_ || following_.isEmpty())
        return;
    std::call_once(opened_, [this] { next_.emplace(following_); });
    const std::uint64_t from = std::max(first, windows_) - windows_;
    if (next_->failure().isEmpty())
        next_->ReadAhead(from * windowSize_, (end - windows_ - from) * windowSize_);
}

}  // namespace quil::crc
