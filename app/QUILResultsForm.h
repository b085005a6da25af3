// QUILResultsForm.h - the report window: shows the scan report, which is on the clipboard already, and saves it.
// SPDX-License-Identifier: MIT
#pragma once

#include "app/TwipLayout.h"
#include "prompts/clsOpenSave.h"
#include "series/RunResult.h"

#include <QDialog>

#include <memory>

class QListWidget;
class QPushButton;

namespace quil {

class Prompts;

class QUILResultsForm : public QDialog {
    Q_OBJECT
public:
    // Composes the report of `run` and copies it to the clipboard; `folder` is where the save
    // dialog opens (the start-file list's folder). A save never replaces a file `run` read.
    QUILResultsForm(QWidget* parent, Prompts& prompts, const RunResult& run, const QString& folder);
    ~QUILResultsForm() override;

    QString ReportText() const { return reportText_; }

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void Form_Load();
    void SaveFile_Click();

    Prompts& prompts_;
    QString folder_;
    RunResult run_;  // kept for the save, which refuses the files it read
    QString reportText_;
    clsOpenSave saveDialog_;
    QListWidget* ReportList = nullptr;
    QPushButton* SaveFile = nullptr;
    QPushButton* ExitButton = nullptr;
    std::unique_ptr<TwipLayout> layout_;
};

}  // namespace quil
