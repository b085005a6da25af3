// RecordingView.h - a run view that records everything a check run shows, for tests.
#pragma once

#include "series/RunView.h"

#include <QList>
#include <QStringList>

#include <functional>

namespace quil::test {

struct Row {
    QString name, crcText, sizeText, status;
    bool operator==(const Row&) const = default;
};

class RecordingView : public RunView {
public:
    void ResetMemberList() override { rows.clear(); }
    void AddMemberRow(const QString& name, const QString& crcText, const QString& sizeText,
                      const QString& status) override
    {
        rows.append({name, crcText, sizeText, status});
    }
    void ShowStatus(const QString& text) override { statuses.append(text); }
    void SetProgress(int value, int max) override
    {
        progress.append(value);
        maximum = max;
    }
    void SetProgressTip(const QString& tip) override { progressTip = tip; }
    void EnableControls(bool enable) override { enabled.append(enable); }
    void SetBusy(bool) override {}
    void ProcessEvents() override
    {
        if (onEvents)
            onEvents();
    }
    void ShowReport() override { ++reportsShown; }

    QStringList statusWords() const
    {
        QStringList words;
        for (const Row& row : rows)
            words.append(row.status);
        return words;
    }

    QList<Row> rows;
    QStringList statuses;
    QList<int> progress;
    int maximum = 0;
    QString progressTip;
    QList<bool> enabled;
    int reportsShown = 0;
    std::function<void()> onEvents;  // runs inside ProcessEvents: a test's "click"
};

}  // namespace quil::test
