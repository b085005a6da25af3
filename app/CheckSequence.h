// CheckSequence.h - the main window: folder tree, start files, member list, and the run's controls.
// SPDX-License-Identifier: MIT
#pragma once

#include "app/TwipLayout.h"
#include "prompts/clsOpenSave.h"
#include "series/CheckWorker.h"
#include "series/CheckMode.h"
#include "series/RunResult.h"
#include "series/Series.h"

#include <QWidget>

#include <memory>
#include <optional>

class QGroupBox;
class QLabel;
class QListWidget;
class QListWidgetItem;
class QProgressBar;
class QPushButton;
class QStatusBar;
class QTreeWidget;

namespace quil {

class FolderTree;
class PictureBox;
class Prompts;

// The caption while loading, "Quillane (V3.1)", and after start-up, "Quillane (V3.1.005)".
QString LoadCaption();
QString StartUpCaption();

class CheckSequence : public QWidget {
    Q_OBJECT
public:
    explicit CheckSequence(Prompts& prompts);
    ~CheckSequence() override;

    // The folder the start-file list shows.
    QString FileListFolder() const { return fileListFolder_; }
    // Selects `folder` in the tree, as a click would; one the tree cannot name (its name is not
    // UTF-8) is listed in the start-file list all the same.
    void OpenFolder(const QString& folder);
    // The series of the start file picked; null when none is.
    const Series* SelectedSeries() const { return series_ ? &*series_ : nullptr; }

    // Empties the member list and rebuilds its columns.
    void ResetMemberList();
    // Enables the start controls; the Stop button shows exactly while they are disabled.
    void EnableControls(bool enable);
    // Takes the start file of the series the SFV file at `sfvPath` lists (see StartFileListedBy) and
    // checks it against that file, asking nothing; a message says why when it cannot.
    void CheckWithSfvFile(const QString& sfvPath);

signals:
    // A check has ended: its statuses are shown, and its report window, if it had one, has closed.
    void checkEnded();

protected:
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void CreateControls();
    void ConnectControls();
    void Form_Load();
    void Form_Unload();
    void FTV_FolderSelected();
    // Lists `folder`'s start files and takes the first.
    void ListFolder(const QString& folder);
    void SetFileListFolder(const QString& folder);
    void FileList_Click(int row);
    // A press on the start file already taken, which changes no row, recognises its series afresh.
    void FileList_Pressed(const QListWidgetItem* item);
    // Shows why the picked series cannot be checked or listed; true when it cannot.
    bool RefuseShortSeqList();
    void CheckSeq_Click();
    // Empties the member list and the progress bar for a run about to start.
    void ClearLastRun();
    void StartRun(CheckMode mode, std::optional<SfvTable> sfv);
    void CheckSeq_Finished(const RunResult& run);
    void StopButton_Click();
    void ErrorGrid_DblClick();
    // The member list's menu: "Save CRC-32 Values As SFV File..." once a CRC report has ended.
    void ErrorGrid_ContextMenu(const QPoint& place);
    void ShowSequence_Click();
    void About_Click();
    void Banner_DblClick();
    void WriteDemoSeries();
    // What the check run shows, as its signals arrive.
    void AddMemberRow(const MemberRow& row);
    void ShowStatus(const QString& text);
    void SetProgress(int value, int maximum);
    void SetProgressTip(const QString& tip);
    void SetBusy(bool busy);
    void ShowReport(const RunResult& run);
    void RebuildColumns();
    void DockStatusBar();

    Prompts& prompts_;
    clsOpenSave sfvDialog_;
    CheckWorker check_;
    QString fileListFolder_;
    std::optional<Series> series_;     // the start file picked, with its found list
    std::optional<RunResult> lastRun_;  // what the member list shows, once its run has ended
    bool busy_ = false;
    int rowBeforePress_ = -1;  // the start-file row taken when the last press on the list began
    bool unloaded_ = false;  // the folder is stored once, however often the window is closed

    QGroupBox* Frame1 = nullptr;
    QGroupBox* Frame4 = nullptr;
    FolderTree* FTV = nullptr;
    QLabel* Label1 = nullptr;
    QListWidget* FileList = nullptr;
    QPushButton* CheckSeq = nullptr;
    QPushButton* ShowSequence = nullptr;
    QPushButton* StopButton = nullptr;
    QTreeWidget* ErrorGrid = nullptr;
    QProgressBar* PB = nullptr;
    QStatusBar* SB = nullptr;
    QPushButton* HelpButton = nullptr;
    QPushButton* About = nullptr;
    QPushButton* Exit_Button = nullptr;
    PictureBox* Banner = nullptr;
    PictureBox* Stretcher = nullptr;
    std::unique_ptr<TwipLayout> layout_;
};

}  // namespace quil
