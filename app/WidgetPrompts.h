// WidgetPrompts.h - the prompts seam answered by a person: message boxes, file dialogs, the help window, the browser.
// SPDX-License-Identifier: MIT
#pragma once

#include "app/HelpViewer.h"
#include "prompts/Prompts.h"

#include <QPointer>
#include <QWidget>

namespace quil {

class WidgetPrompts : public Prompts {
public:
    // `helpFolders`: where the help document is looked for.
    explicit WidgetPrompts(QStringList helpFolders = HelpFolders());
    ~WidgetPrompts() override;

    // The help window opened from now on belongs to `owner`: it never outlives it, nor keeps the
    // program running once `owner` has closed.
    void SetHelpOwner(QWidget* owner) { helpOwner_ = owner; }

    Answer message(const QString& title, const QString& text, MessageIcon icon, MessageButtons buttons,
                   Answer defaultAnswer) override;
    std::optional<FileDialogChoice> fileDialog(const FileDialogRequest& request) override;
    // Opens the help window, or says where the missing help document was looked for.
    void showHelp() override;
    void openWebPage(const QString& address) override;

private:
    QStringList helpFolders_;
    QPointer<QWidget> helpOwner_;
    QPointer<HelpViewer> viewer_;  // deleted with its owner, or here when it has none
};

// The name filters a file dialog shows for (description, pattern) pairs: a description that does
// not name its patterns in brackets gets them appended; ";" between patterns becomes a space.
QStringList NameFilters(const QList<QPair<QString, QString>>& filters);

// `path` with "." + `extension` appended when its file name has no dot and `extension` is not empty.
QString WithDefaultExtension(const QString& path, const QString& extension);

}  // namespace quil
