// CheckSequence.cpp - the main window: folder tree, start files, member list, and the run's controls.
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
#include "layout/MainWindowLayout.h"
#include "layout/MemberColumns.h"
#include "layout/TwipUnits.h"
#include "layout/WindowGeometry.h"
#include "report/Product.h"
#include "series/FolderListing.h"
#include "series/MemberStatus.h"
#include "series/Recognition.h"
#include "series/SeqListCheck.h"
#include "series/SeriesState.h"
#include "series/StatusPopup.h"
#include "series/TestSeries.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFileInfo>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QShortcut>
#include <QStatusBar>
#include <QTreeWidget>

namespace quil {

namespace {

// Where a member row keeps its status icon index.
constexpr int kIconIndexRole = Qt::UserRole;

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

CheckSequence::CheckSequence(Prompts& prompts) : prompts_(prompts), run_(*this, prompts, crc_, sfvDialog_)
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
    connect(FileList, &QListWidget::itemDoubleClicked, this, &CheckSequence::CheckSeq_Click);
    connect(CheckSeq, &QPushButton::clicked, this, &CheckSequence::CheckSeq_Click);
    connect(StopButton, &QPushButton::clicked, this, [this] { run_.StopButton_Click(); });
    connect(ShowSequence, &QPushButton::clicked, this, &CheckSequence::ShowSequence_Click);
    connect(ErrorGrid, &QTreeWidget::itemDoubleClicked, this, &CheckSequence::ErrorGrid_DblClick);
    connect(HelpButton, &QPushButton::clicked, this, [this] { prompts_.showHelp(); });
    connect(About, &QPushButton::clicked, this, &CheckSequence::About_Click);
    connect(Exit_Button, &QPushButton::clicked, this, &QWidget::close);
    connect(Banner, &PictureBox::doubleClicked, this, &CheckSequence::Banner_DblClick);
    connect(Stretcher, &PictureBox::doubleClicked, this, &CheckSequence::Banner_DblClick);
    AddHelpKey(*this, prompts_);
    // Shift is not looked at, so both combinations run the generator.
    for (const QKeyCombination keys : {Qt::CTRL | Qt::ALT | Qt::Key_F10, Qt::CTRL | Qt::ALT | Qt::SHIFT | Qt::Key_F10}) {
        auto* shortcut = new QShortcut(QKeySequence(keys), this);
        connect(shortcut, &QShortcut::activated, this, &CheckSequence::GenerateTestSeries);
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
    crc_.setAlgorithm(clsCRC::CRC32);
    ShowStatus(QStringLiteral("Ready"));
}

void CheckSequence::closeEvent(QCloseEvent* event)
{
    Form_Unload();
    event->accept();
}

void CheckSequence::Form_Unload()
{
    if (unloaded_)
        return;
    unloaded_ = true;
    // A walk still going ends at its next member, and its report never opens: the window stays shut.
    run_.StopButton_Click();
    crc_.Clear();
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

void CheckSequence::FTV_FolderSelected()
{
    SetFileListFolder(FTV->selectedFolder());
    State().SeqList.clear();
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
    if (!QFileInfo(folder).isDir())
        return;
    fileListFolder_ = folder;
    const QSignalBlocker quiet(FileList);
    FileList->clear();
    FileList->addItems(ListOrdinaryFiles(folder, QString::fromLatin1(kStartFilePatterns)));
}

void CheckSequence::FileList_Click(int row)
{
    if (const QListWidgetItem* item = FileList->item(row))
        quil::FileList_Click(fileListFolder_, item->text(), [this](const QString& text) { ShowStatus(text); });
    else
        State().SeqList.clear();  // no start file taken: Check Sequence asks for one
}

void CheckSequence::CheckSeq_Click()
{
    run_.CheckSeq_Click(fileListFolder_);
}

void CheckSequence::ErrorGrid_DblClick()
{
    const QTreeWidgetItem* row = ErrorGrid->currentItem();
    if (!CheckSeq->isEnabled() || !row)
        return;
    const QListWidgetItem* startFile = FileList->currentItem();
    ShowMemberStatus(prompts_, {row->text(0), row->data(0, kIconIndexRole).toInt(), row->text(1), row->text(2)},
                     startFile ? startFile->text() : QString());
}

void CheckSequence::ShowSequence_Click()
{
    if (RefuseShortSeqList(prompts_))
        return;
    QUILSeqList sequence(this, State().SeqList, prompts_);
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

void CheckSequence::GenerateTestSeries()
{
    // The generator writes into the folder being walked; it waits until the run is over.
    if (!CheckSeq->isEnabled())
        return;
    quil::GenerateTestSeries(fileListFolder_, prompts_, [this](const QString& text) { ShowStatus(text); });
}

void CheckSequence::ResetMemberList()
{
    ErrorGrid->clear();
    RebuildColumns();
}

void CheckSequence::AddMemberRow(const QString& name, const QString& crcText, const QString& sizeText,
                                 const QString& status)
{
    const int iconIndex = StatusIconIndex(status);
    auto* row = new QTreeWidgetItem(ErrorGrid, {name, sizeText, crcText});
    row->setIcon(0, StatusIcon(iconIndex));
    row->setData(0, kIconIndexRole, iconIndex);
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

void CheckSequence::ProcessEvents()
{
    QCoreApplication::processEvents();
}

void CheckSequence::ShowReport()
{
    QUILResultsForm report(this, prompts_, fileListFolder_);
    report.exec();
}

}  // namespace quil
