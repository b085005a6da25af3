// RecordingView.h - a run view that records everything a check run shows, for tests.
// SPDX-License-Identifier: MIT
#pragma once

#include "series/RunView.h"

#include <QList>
#include <QStringList>

#include <functional>

namespace quil::test {

class RecordingView : public RunView {
public:
    void AddMemberRow(const MemberRow& row) override
    {
        rows.append(row);
        Shown(QStringLiteral("row %1 %2 %3").arg(row.name, row.sizeText, row.crcText));
    }
    void ShowStatus(const QString& text) override { Shown(QStringLiteral("status ") + text); }
    void SetProgress(int value, int max) override
    {
        progress.append(value);
        maximum = max;
        Shown(QStringLiteral("progress %1/%2").arg(value).arg(max));
    }
    void SetProgressTip(const QString& tip) override
    {
        progressTip = tip;
        Shown(QStringLiteral("tip ") + tip);
    }
    // Not in `shown`: how often it comes depends on the clock.
    void ShowBytesRead(qint64 bytes) override
    {
        bytesRead.append(bytes);
        if (onBytesRead)
            onBytesRead(bytes);
    }

    QList<MemberStatus> statuses() const
    {
        QList<MemberStatus> out;
        for (const MemberRow& row : rows)
            out.append(row.status);
        return out;
    }

    QList<MemberRow> rows;
    QList<int> progress;
    int maximum = 0;
    QString progressTip;
    QStringList shown;              // everything above, in the order it was shown
    std::function<void()> onShown;  // runs after each thing is shown: a test's "click" at that moment
    QList<qint64> bytesRead;
    std::function<void(qint64)> onBytesRead;

private:
    void Shown(const QString& what)
    {
        shown.append(what);
        if (onShown)
            onShown();
    }
};

}  // namespace quil::test
