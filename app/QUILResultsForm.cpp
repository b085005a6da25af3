// QUILResultsForm.cpp - the report window: shows the scan report, which is on the clipboard already, and saves it.
// SPDX-License-Identifier: MIT
#include "app/QUILResultsForm.h"

#include "app/BusyCursor.h"
#include "app/HelpKey.h"
#include "layout/TwipUnits.h"
#include "layout/WindowGeometry.h"
#include "report/Product.h"
#include "report/SaveReportCommand.h"
#include "report/ScanReport.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

namespace quil {

QUILResultsForm::QUILResultsForm(QWidget* parent, Prompts& prompts, const RunResult& run, const QString& folder)
    : QDialog(parent), prompts_(prompts), folder_(folder), run_(run)
{
    setObjectName(QStringLiteral("QUILResultsForm"));
    setWindowTitle(ProductName() + QStringLiteral(" - Scan Report"));
    QFont bold = font();
    bold.setBold(true);
    bold.setPointSizeF(8.25);
    setFont(bold);
    resize(TwipsToPixels(kReportWindowClientSize.Width), TwipsToPixels(kReportWindowClientSize.Height));

    ReportList = new QListWidget(this);
    ReportList->setObjectName(QStringLiteral("ReportList"));
    QFont listFont(QStringLiteral("Arial"));
    listFont.setPointSizeF(8.25);
    listFont.setBold(true);
    ReportList->setFont(listFont);
    auto* notice = new QLabel(QStringLiteral("-= This Report Has Been Copied To The Windows Clipboard =-"), this);
    notice->setObjectName(QStringLiteral("Label1"));
    notice->setAlignment(Qt::AlignCenter);
    SaveFile = new QPushButton(QStringLiteral("&Save To File"), this);
    SaveFile->setObjectName(QStringLiteral("SaveFile"));
    ExitButton = new QPushButton(QStringLiteral("E&xit"), this);
    ExitButton->setObjectName(QStringLiteral("ExitButton"));
    connect(SaveFile, &QPushButton::clicked, this, &QUILResultsForm::SaveFile_Click);
    connect(ExitButton, &QPushButton::clicked, this, &QDialog::accept);
    AddHelpKey(*this, prompts_);

    layout_ = std::make_unique<TwipLayout>(*this, ReportWindowDesign(), &ResizeControls);
    Form_Load();
}

QUILResultsForm::~QUILResultsForm() = default;

void QUILResultsForm::Form_Load()
{
    const QStringList lines = ComposeReport(run_);
    ReportList->addItems(lines);
    reportText_ = quil::ReportText(lines);
    // Without a clipboard the report still shows; only the copy is lost.
    if (QClipboard* clipboard = QGuiApplication::clipboard())
        clipboard->setText(reportText_);
}

void QUILResultsForm::resizeEvent(QResizeEvent* event)
{
    QDialog::resizeEvent(event);
    if (layout_)
        layout_->Form_Resize();
}

void QUILResultsForm::SaveFile_Click()
{
    quil::SaveFile_Click(saveDialog_, prompts_, folder_, reportText_, run_, &SetBusyCursor);
}

}  // namespace quil
