// CheckSequence.cpp - the main window: folder tree, start files, member list, and the run's controls.
// SPDX-License-Identifier: MIT
#include "app/CheckSequence.h"

#include "app/AboutBox.h"
#include "app/BusyCursor.h"
#include "app/FolderTree.h"
#include "app/HelpKey.h"
#include "app/LastDirSetting.h"
#include "app/PictureBox.h"
#include "app/Pictures.h"
#include "app/QUILResultsForm.h"
#include "app/QUILSeqList.h"
#include "app/RunQuestions.h"
#include "app/StartPath.h"
#include "archive/ArchiveFormats.h"
#include "layout/MainWindowLayout.h"
#include "layout/MemberColumns.h"
#include "layout/TwipUnits.h"
#include "layout/WindowGeometry.h"
#include "os/NativeNames.h"
#include "report/Product.h"
#include "report/SaveReportCommand.h"
#include "report/SfvFile.h"
#include "series/CheckRun.h"
#include "series/DemoSeries.h"
#include "prompts/Messages.h"
#include "series/NameEscapes.h"
#include "series/Recognition.h"
#include "series/SeriesCheck.h"
#include "series/SfvStartFile.h"
#include "series/StartFiles.h"
#include "prompts/StatusPopup.h"

#include <QCloseEvent>
#include <QDir>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QProgressBar>
#include <QPushButton>
#include <QShortcut>
#include <QStatusBar>
#include <QTreeWidget>

namespace quil {

namespace {

// Where a member row keeps its status (its icon index) and the reason it could not be read.
constexpr int kStatusRole = Qt::UserRole;
constexpr int kReasonRole = Qt::UserRole + 1;
constexpr int kNameRole = Qt::UserRole + 2;  // the name as the run gave it; the column shows it on one line
constexpr int kExpectedCrcRole = Qt::UserRole + 3;  // what the run's SFV file listed, for the row's popup

template <typename Control>
Control* Named(Control* control, const char* name, const QString& tip = {})
{
    control->setObjectName(QString::fromLatin1(name));
    if (!tip.isEmpty())
        control->setToolTip(tip);
    return control;
}

}  // namespace

QString LoadCaption()
{
    return QStringLiteral("%1 (V%2.%3)").arg(ProductName()).arg(kVersionMajor).arg(kVersionMinor);
}

QString StartUpCaption()
{
    return ProductName() + QStringLiteral(" (V") + VersionText() + u')';
}

CheckSequence::CheckSequence(Prompts& prompts) : prompts_(prompts)
{
    setObjectName(QStringLiteral("CheckSequence"));
    setWindowIcon(WindowIcon());
    QFont font = this->font();
    font.setBold(true);
    font.setPointSizeF(8.25);
    setFont(font);
    resize(TwipsToPixels(kMainWindowClientSize.Width), TwipsToPixels(kMainWindowClientSize.Height));
    CreateControls();
    layout_ = std::make_unique<TwipLayout>(*this, MainWindowDesign(), &ResizeMainWindowControls);
    ConnectControls();
    Form_Load();
}

CheckSequence::~CheckSequence() = default;

void CheckSequence::CreateControls()
{
    Frame1 = Named(new QGroupBox(QStringLiteral("Find Start File"), this), "Frame1");
    Frame4 = Named(new QGroupBox(QStringLiteral("Archive Member File Status..."), Frame1), "Frame4");
    FTV = Named(new FolderTree(Frame1), "FTV", QStringLiteral("Select The Folder Containing Archive Series"));
    Label1 = Named(new QLabel(QStringLiteral("Starting Archive Files Found:"), Frame1), "Label1");
    FileList = Named(new QListWidget(Frame1), "FileList", QStringLiteral("Starting Archive Files"));
    CheckSeq = Named(new QPushButton(QStringLiteral("&Check Sequence"), Frame1), "CheckSeq",
                     QStringLiteral("Process The File Sequence"));
    ShowSequence = Named(new QPushButton(QStringLiteral("&Show File Sequence"), Frame1), "ShowSequence",
                         QStringLiteral("Show The File Sequence"));
    StopButton = Named(new QPushButton(QStringLiteral("&Stop Checking!"), Frame1), "StopButton");
    StopButton->hide();

    ErrorGrid = Named(new QTreeWidget(Frame4), "ErrorGrid",
                      QStringLiteral("Archive Member File List.  Double Click An Entry For Its Status."));
    ErrorGrid->setRootIsDecorated(false);
    ErrorGrid->setUniformRowHeights(true);
    ErrorGrid->setIconSize(QSize(16, 16));
    ErrorGrid->header()->setStretchLastSection(false);
    QFont gridFont(QStringLiteral("Arial"));
    gridFont.setPointSizeF(9);
    gridFont.setBold(true);
    ErrorGrid->setFont(gridFont);
    PB = Named(new QProgressBar(Frame4), "PB", QStringLiteral("Progress..."));
    PB->setRange(0, 100);
    PB->setValue(0);
    PB->setTextVisible(false);

    SB = Named(new QStatusBar(this), "SB");
    SB->setSizeGripEnabled(false);
    HelpButton = Named(new QPushButton(this), "HelpButton", QStringLiteral("View the Help File"));
    HelpButton->setIcon(QIcon(HelpPicture()));
    HelpButton->setIconSize(QSize(28, 28));
    About = Named(new QPushButton(QStringLiteral("&About"), this), "About", QStringLiteral("About This Application"));
    Exit_Button = Named(new QPushButton(QStringLiteral("E&xit"), this), "Exit_Button",
                        QStringLiteral("Exit This Application"));
    const QString homepageTip = QStringLiteral("Double-Click For Homepage!");
    Banner = Named(new PictureBox(BannerPicture(), this), "Banner", homepageTip);
    Stretcher = Named(new PictureBox(StripPicture(), this), "Stretcher", homepageTip);
}

void CheckSequence::ConnectControls()
{
    connect(FTV, &FolderTree::folderSelected, this, &CheckSequence::FTV_FolderSelected);
    connect(FileList, &QListWidget::currentRowChanged, this, &CheckSequence::FileList_Click);
    FileList->viewport()->installEventFilter(this);
    connect(FileList, &QListWidget::itemPressed, this, &CheckSequence::FileList_Pressed);
    connect(FileList, &QListWidget::itemDoubleClicked, this, &CheckSequence::CheckSeq_Click);
    connect(CheckSeq, &QPushButton::clicked, this, &CheckSequence::CheckSeq_Click);
    connect(StopButton, &QPushButton::clicked, this, &CheckSequence::StopButton_Click);
    connect(ShowSequence, &QPushButton::clicked, this, &CheckSequence::ShowSequence_Click);
    connect(ErrorGrid, &QTreeWidget::itemDoubleClicked, this, &CheckSequence::ErrorGrid_DblClick);
    ErrorGrid->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(ErrorGrid, &QTreeWidget::customContextMenuRequested, this, &CheckSequence::ErrorGrid_ContextMenu);
    connect(HelpButton, &QPushButton::clicked, this, [this] { prompts_.showHelp(); });
    connect(About, &QPushButton::clicked, this, &CheckSequence::About_Click);
    connect(Exit_Button, &QPushButton::clicked, this, &QWidget::close);
    connect(&check_, &CheckWorker::memberRow, this, &CheckSequence::AddMemberRow);
    connect(&check_, &CheckWorker::status, this, &CheckSequence::ShowStatus);
    connect(&check_, &CheckWorker::progress, this, &CheckSequence::SetProgress);
    connect(&check_, &CheckWorker::progressTip, this, &CheckSequence::SetProgressTip);
    connect(&check_, &CheckWorker::finished, this, &CheckSequence::CheckSeq_Finished);
    connect(Banner, &PictureBox::doubleClicked, this, &CheckSequence::Banner_DblClick);
    connect(Stretcher, &PictureBox::doubleClicked, this, &CheckSequence::Banner_DblClick);
    AddHelpKey(*this, prompts_);
    // Shift is not looked at, so both combinations run the generator.
    for (const QKeyCombination keys : {Qt::CTRL | Qt::ALT | Qt::Key_F10, Qt::CTRL | Qt::ALT | Qt::SHIFT | Qt::Key_F10}) {
        auto* shortcut = new QShortcut(QKeySequence(keys), this);
        connect(shortcut, &QShortcut::activated, this, &CheckSequence::WriteDemoSeries);
    }
}

void CheckSequence::Form_Load()
{
    ResetMemberList();
    setWindowTitle(LoadCaption());
    const QString folder = StartFolder(ReadLastDir());
    FTV->setSelectedFolder(folder);
    // The tree's notification has listed the folder already when the tree knows it; listing it
    // again would lose the start file taken then.
    if (fileListFolder_ != folder)
        SetFileListFolder(folder);
    ShowStatus(QStringLiteral("Ready"));
}

void CheckSequence::closeEvent(QCloseEvent* event)
{
    Form_Unload();
    event->accept();
}

bool CheckSequence::eventFilter(QObject* watched, QEvent* event)
{
    // Seen before the list takes the press, so a press that changes the row is told from one that does not.
    if (watched == FileList->viewport() && event->type() == QEvent::MouseButtonPress)
        rowBeforePress_ = FileList->currentRow();
    return QWidget::eventFilter(watched, event);
}

void CheckSequence::Form_Unload()
{
    if (unloaded_)
        return;
    unloaded_ = true;
    // A run still going ends, and its report never opens: the window stays shut.
    check_.StopAndWait();
    ErrorGrid->clear();
    ErrorGrid->setColumnCount(0);
    WriteLastDir(FTV->selectedFolder());
}

void CheckSequence::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    if (layout_ && layout_->Form_Resize())
        RebuildColumns();
    DockStatusBar();
}

void CheckSequence::DockStatusBar()
{
    const int height = TwipsToPixels(layout_->Rect(QStringLiteral("SB")).Height);
    SB->setGeometry(0, this->height() - height, width(), height);
}

void CheckSequence::RebuildColumns()
{
    const auto columns = MemberColumns(layout_->Rect(QStringLiteral("ErrorGrid")).Width);
    QStringList captions;
    for (const MemberColumn& column : columns)
        captions.append(column.Caption);
    ErrorGrid->setColumnCount(int(columns.size()));
    ErrorGrid->setHeaderLabels(captions);
    for (int i = 0; i < int(columns.size()); ++i)
        ErrorGrid->setColumnWidth(i, TwipsToPixels(columns[i].Width));
}

void CheckSequence::OpenFolder(const QString& folder)
{
    FTV->setSelectedFolder(folder);
    if (QDir::cleanPath(QDir::fromNativeSeparators(fileListFolder_)) != folder)
        ListFolder(folder);
}

void CheckSequence::FTV_FolderSelected()
{
    ListFolder(FTV->selectedFolder());
}

void CheckSequence::ListFolder(const QString& folder)
{
    SetFileListFolder(folder);
    series_.reset();
    if (FileList->count() == 0)
        return;
    {
        const QSignalBlocker quiet(FileList);
        FileList->setCurrentRow(0);
    }
    FileList_Click(0);
}

void CheckSequence::SetFileListFolder(const QString& folder)
{
    // A folder that cannot be listed leaves the list as it was.
    if (const std::optional<struct stat> info = StatPath(folder); !info || !S_ISDIR(info->st_mode))
        return;
    fileListFolder_ = folder;
    const QSignalBlocker quiet(FileList);
    FileList->clear();
    FileList->addItems(StartFiles(folder));
}

void CheckSequence::FileList_Click(int row)
{
    const QListWidgetItem* item = FileList->item(row);
    if (!item) {
        series_.reset();  // no start file taken: Check Sequence asks for one
        return;
    }
    SetBusy(true);
    series_ = RecognizeSeries(fileListFolder_, item->text());
    SetBusy(false);
    ShowStatus(QStringLiteral("Ready To Scan Archive"));
}

void CheckSequence::FileList_Pressed(const QListWidgetItem* item)
{
    // A press that changed the row has recognised the series already, through the row change.
    const int row = FileList->row(item);
    if (row == rowBeforePress_)
        FileList_Click(row);
}

bool CheckSequence::RefuseShortSeqList()
{
    const auto refusal = ShortListRefusal(series_);
    if (refusal)
        prompts_.message(ProductName(), refusal->text, MessageIcon::Exclamation);
    return refusal.has_value();
}

void CheckSequence::CheckSeq_Click()
{
    if (RefuseShortSeqList())
        return;
    ClearLastRun();
    const bool archiveMarked = archive::FormatAt(series_->Folder + u'/' + series_->StartFile).has_value();
    std::optional<RunChoice> choice = AskRunChoice(prompts_, sfvDialog_, fileListFolder_, archiveMarked);
    // The window may have been closed while a question was open.
    if (!choice || unloaded_)
        return;
    StartRun(choice->mode, std::move(choice->sfv));
}

void CheckSequence::CheckWithSfvFile(const QString& sfvPath)
{
    const ListedStart listed = StartFileListedBy(sfvPath);
    if (!listed.failure.isEmpty()) {
        prompts_.message(ProductName(), listed.failure, MessageIcon::Exclamation);
        return;
    }
    OpenStartPath(*this, listed.startPath);
    FileList_Click(FileList->currentRow());  // afresh, also when the row was taken already
    if (RefuseShortSeqList())
        return;
    auto read = ReadSfvFile(sfvPath);
    if (const QString* failure = std::get_if<QString>(&read)) {
        prompts_.message(ProductName(), *failure, MessageIcon::Critical);
        return;
    }
    ClearLastRun();
    StartRun(CheckMode::SfvCheck, std::move(std::get<SfvTable>(read)));
}

void CheckSequence::ClearLastRun()
{
    SetProgress(0, CheckRun::ProgressMaximum(*series_));
    ResetMemberList();
    lastRun_.reset();
}

void CheckSequence::StartRun(CheckMode mode, std::optional<SfvTable> sfv)
{
    EnableControls(false);
    SetBusy(true);
    check_.Start(*series_, mode, std::move(sfv));
}

void CheckSequence::CheckSeq_Finished(const RunResult& run)
{
    lastRun_ = run;
    SetBusy(false);
    SetProgress(PB->maximum(), PB->maximum());
    EnableControls(true);
    // A run that ended as the window closed counts as stopped: no report brings the window back.
    if (lastRun_->Cancelled || unloaded_) {
        ShowStatus(QStringLiteral("Checking Cancelled"));
    } else {
        ShowStatus(QStringLiteral("Displaying Results..."));
        ShowReport(*lastRun_);
        ShowStatus(QStringLiteral("Ready"));
    }
    emit checkEnded();
}

void CheckSequence::StopButton_Click()
{
    check_.Stop();
}

void CheckSequence::ErrorGrid_DblClick()
{
    // Rows explain themselves against the run they came from, once it has ended.
    const QTreeWidgetItem* item = ErrorGrid->currentItem();
    if (!item || !lastRun_)
        return;
    const MemberRow row{item->data(0, kNameRole).toString(), item->text(1), item->text(2),
                        static_cast<MemberStatus>(item->data(0, kStatusRole).toInt()),
                        item->data(0, kReasonRole).toString(), std::nullopt,
                        item->data(0, kExpectedCrcRole).toString(), {}, std::nullopt};
    const StatusExplanation explanation = ExplainMemberStatus(row, *lastRun_);
    prompts_.message(ProductName(), explanation.text, explanation.icon);
}

void CheckSequence::ErrorGrid_ContextMenu(const QPoint& place)
{
    // Only a finished CRC report has values to save; a check under way leaves lastRun_ empty.
    if (!lastRun_ || !HasCrcValues(*lastRun_))
        return;
    auto* menu = Named(new QMenu(ErrorGrid), "MemberListMenu");
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->addAction(QStringLiteral("Save CRC-32 Values As SFV File..."), this, [this] {
        if (lastRun_)
            SaveSfvFile_Click(sfvDialog_, prompts_, fileListFolder_, *lastRun_, [this](bool on) { SetBusy(on); });
    });
    menu->popup(ErrorGrid->viewport()->mapToGlobal(place));
}

void CheckSequence::ShowSequence_Click()
{
    if (RefuseShortSeqList())
        return;
    QUILSeqList sequence(this, series_->SeqList, prompts_);
    sequence.exec();
}

void CheckSequence::About_Click()
{
    AboutBox about(this, prompts_);
    about.exec();
}

void CheckSequence::Banner_DblClick()
{
    SetBusyCursor(true);
    prompts_.openWebPage(ProductWebPage());
    SetBusyCursor(false);
}

void CheckSequence::WriteDemoSeries()
{
    // The generator would write into the folder being walked; it waits until the run is over.
    if (check_.Running())
        return;
    quil::WriteDemoSeries(fileListFolder_, prompts_, [this](const QString& text) { ShowStatus(text); });
}

void CheckSequence::ResetMemberList()
{
    ErrorGrid->clear();
    RebuildColumns();
}

void CheckSequence::AddMemberRow(const MemberRow& member)
{
    const int iconIndex = static_cast<int>(member.status);
    auto* row = new QTreeWidgetItem(ErrorGrid, {OneLineName(member.name), member.sizeText, member.crcText});
    row->setIcon(0, StatusIcon(iconIndex));
    row->setData(0, kStatusRole, iconIndex);
    row->setData(0, kNameRole, member.name);
    row->setData(0, kReasonRole, member.reason);
    row->setData(0, kExpectedCrcRole, member.expectedCrc);
    ErrorGrid->scrollToItem(row);
    ErrorGrid->viewport()->repaint();
}

void CheckSequence::ShowStatus(const QString& text)
{
    SB->showMessage(text);
    SB->repaint();
}

void CheckSequence::SetProgress(int value, int maximum)
{
    PB->setRange(0, maximum);
    PB->setValue(value);
}

void CheckSequence::SetProgressTip(const QString& tip)
{
    PB->setToolTip(tip);
}

void CheckSequence::EnableControls(bool enable)
{
    for (QWidget* control : std::initializer_list<QWidget*>{FTV, FileList, CheckSeq, ShowSequence})
        control->setEnabled(enable);
    StopButton->setVisible(!enable);
}

void CheckSequence::SetBusy(bool busy)
{
    if (busy == busy_)
        return;
    busy_ = busy;
    SetBusyCursor(busy);
}

void CheckSequence::ShowReport(const RunResult& run)
{
    QUILResultsForm report(this, prompts_, run, fileListFolder_);
    report.exec();
}

}  // namespace quil
