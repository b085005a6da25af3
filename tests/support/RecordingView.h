// RecordingView.h - a run view that records everything a check run shows, for tests.
#pragma once

#include "series/RunView.h"

#include <QList>
#include <QStringList>

#include <functional>

namespace quil::test {

class RecordingView : public RunView {
public:
    void AddMemberRow(const MemberRow& row) override { rows.append(row); }
    void ShowStatus(const QString& text) override { statusTexts.append(text); }
    void SetProgress(int value, int max) override
    {
        progress.append(value);
        maximum = max;
    }
    void SetProgressTip(const QString& tip) override { progressTip = tip; }
    void ProcessEvents() override
    {
        if (onEvents)
            onEvents();
    }

    QList<MemberStatus> statuses() const
    {
        QList<MemberStatus> out;
        for (const MemberRow& row : rows)
            out.append(row.status);
        return out;
    }

    QList<MemberRow> rows;
    QStringList statusTexts;
    QList<int> progress;
    int maximum = 0;
    QString progressTip;
    std::function<void()> onEvents;  // runs inside ProcessEvents: a test's "click"
};

}  // namespace quil::test
