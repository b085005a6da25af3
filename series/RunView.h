// RunView.h - what shows a check run as it goes: the member rows, the status line, progress, controls.
#pragma once

#include <QString>

namespace quil {

class RunView {
public:
    virtual ~RunView() = default;

    // Empties the member rows (the window also rebuilds its columns).
    virtual void ResetMemberList() = 0;
    // One row per walked member; `status` is "OK", "Missing", "Bad CRC" or "Bad Size".
    virtual void AddMemberRow(const QString& name, const QString& crcText, const QString& sizeText,
                              const QString& status) = 0;
    virtual void ShowStatus(const QString& text) = 0;
    // Progress runs from 0 to `maximum`; the tip says in words what the bar shows.
    virtual void SetProgress(int value, int maximum) = 0;
    virtual void SetProgressTip(const QString& tip) = 0;
    // Enables the start controls; the Stop button shows exactly while they are disabled.
    virtual void EnableControls(bool enable) = 0;
    virtual void SetBusy(bool busy) = 0;
    // Lets pending events (a click on Stop, a window close) happen.
    virtual void ProcessEvents() = 0;
    // Shows the scan report of the finished run and returns when the person is done with it.
    virtual void ShowReport() = 0;
};

}  // namespace quil
