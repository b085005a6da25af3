// ConsoleView.h - shows a check run on the terminal: rows on standard output, progress on standard error.
#pragma once

#include "series/RunView.h"

#include <QTextStream>

namespace quil::cli {

class ConsoleView : public RunView {
public:
    // Progress is drawn on `errors` only when `showProgress` (standard error is a terminal).
    ConsoleView(QTextStream& output, QTextStream& errors, bool showProgress);

    void ResetMemberList() override {}
    void AddMemberRow(const QString& name, const QString& crcText, const QString& sizeText,
                      const QString& status) override;
    void ShowStatus(const QString& text) override;
    void SetProgress(int value, int maximum) override;
    void SetProgressTip(const QString&) override {}
    void EnableControls(bool) override {}
    void SetBusy(bool busy) override;
    void ProcessEvents() override {}
    void ShowReport() override { reportShown_ = true; }

    bool reportShown() const { return reportShown_; }

private:
    void ClearProgressLine();

    QTextStream& output_;
    QTextStream& errors_;
    bool showProgress_;
    bool progressDrawn_ = false;
    int value_ = 0;
    int maximum_ = 0;
    bool reportShown_ = false;
};

}  // namespace quil::cli
