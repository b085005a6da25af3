// WidgetPrompts.cpp - the prompts seam answered by a person: message boxes, file dialogs, the help window, the browser.
// SPDX-License-Identifier: MIT
#include "app/WidgetPrompts.h"

#include "report/Product.h"

#include <QApplication>
#include <QDesktopServices>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QUrl>

#include <algorithm>

namespace quil {

namespace {

QMessageBox::Icon BoxIcon(MessageIcon icon)
{
    switch (icon) {
    case MessageIcon::Information:
        return QMessageBox::Information;
    case MessageIcon::Exclamation:
        return QMessageBox::Warning;
    case MessageIcon::Critical:
        return QMessageBox::Critical;
    case MessageIcon::Question:
        return QMessageBox::Question;
    case MessageIcon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

}  // namespace

QStringList NameFilters(const QList<QPair<QString, QString>>& filters)
{
    QStringList names;
    for (const auto& [description, pattern] : filters) {
        const QString patterns = QString(pattern).replace(u';', u' ');
        names.append(description.contains(u'(') ? description
                                                : description + QStringLiteral(" (") + patterns + u')');
    }
    return names;
}

QString WithDefaultExtension(const QString& path, const QString& extension)
{
    if (extension.isEmpty() || QFileInfo(path).fileName().contains(u'.'))
        return path;
    return path + u'.' + extension;
}

WidgetPrompts::WidgetPrompts(QStringList helpFolders) : helpFolders_(std::move(helpFolders)) {}

WidgetPrompts::~WidgetPrompts()
{
    if (viewer_ && !viewer_->parent())
        delete viewer_;
}

Answer WidgetPrompts::message(const QString& title, const QString& text, MessageIcon icon,
                              MessageButtons buttons, Answer defaultAnswer)
{
    const bool yesNo = buttons == MessageButtons::YesNo;
    QMessageBox box(BoxIcon(icon), title, text, yesNo ? QMessageBox::Yes | QMessageBox::No : QMessageBox::Ok,
                    QApplication::activeWindow());
    if (yesNo)
        box.setDefaultButton(defaultAnswer == Answer::No ? QMessageBox::No : QMessageBox::Yes);
    const int pressed = box.exec();
    if (!yesNo)
        return Answer::Ok;
    return pressed == QMessageBox::Yes ? Answer::Yes : Answer::No;
}

std::optional<FileDialogChoice> WidgetPrompts::fileDialog(const FileDialogRequest& request)
{
    QFileDialog dialog(QApplication::activeWindow(), request.title, request.initialFolder);
    const QStringList filters = NameFilters(request.filters);
    dialog.setNameFilters(filters);
    if (request.filterIndex >= 1 && request.filterIndex <= filters.size())
        dialog.selectNameFilter(filters[request.filterIndex - 1]);
    dialog.setDefaultSuffix(request.defaultExtension);
    dialog.setAcceptMode(request.save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(request.save || !request.fileMustExist ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, !request.overwritePrompt);
    if (!request.fileName.isEmpty())
        dialog.selectFile(request.fileName);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return FileDialogChoice{WithDefaultExtension(dialog.selectedFiles().constFirst(), request.defaultExtension),
                            std::max(1, static_cast<int>(filters.indexOf(dialog.selectedNameFilter())) + 1)};
}

void WidgetPrompts::showHelp()
{
    const QString document = FindHelpDocument(helpFolders_);
    if (document.isEmpty()) {
        message(ProductName(), MissingHelpNotice(helpFolders_), MessageIcon::Exclamation, MessageButtons::Ok,
                Answer::Ok);
        return;
    }
    if (!viewer_)
        viewer_ = new HelpViewer(helpOwner_);
    viewer_->showDocument(document);
}

void WidgetPrompts::openWebPage(const QString& address)
{
    QDesktopServices::openUrl(QUrl(address));
}

}  // namespace quil
