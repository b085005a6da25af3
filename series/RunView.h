// RunView.h - what shows a check run as it goes: the member rows, the status line and progress.
// SPDX-License-Identifier: MIT
#pragma once

#include "series/MemberStatus.h"

#include <QString>

namespace quil {

class RunView {
public:
    virtual ~RunView() = default;

    // One row per examined member, in walk order.
    virtual void AddMemberRow(const MemberRow& row) = 0;
    virtual void ShowStatus(const QString& text) = 0;
    // "Checking <name>..." as a member's examination starts; a window shows it like any status.
    virtual void ShowMemberStatus(const QString& text) { ShowStatus(text); }
    // Progress runs from 0 to `maximum`; the tip says in words what the bar shows.
    virtual void SetProgress(int value, int maximum) = 0;
    virtual void SetProgressTip(const QString& tip) = 0;
    // How far the read of the member being examined has come, in bytes, every few milliseconds
    // while a large one is read; a view that shows only whole members ignores it.
    virtual void ShowBytesRead(qint64 /*bytes*/) {}
};

}  // namespace quil
