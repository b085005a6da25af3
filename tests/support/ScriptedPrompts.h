// ScriptedPrompts.h - answers the program's questions from a script and records every prompt shown.
// SPDX-License-Identifier: MIT
#pragma once

#include "prompts/Prompts.h"

#include <QQueue>
#include <QStringList>

#include <optional>

namespace quil::test {

struct ShownMessage {
    QString title;
    QString text;
    MessageIcon icon;
    MessageButtons buttons;
    Answer defaultAnswer;  // the button Enter presses
};

class ScriptedPrompts : public Prompts {
public:
    // Queue the next answers; a question with no queued answer gets No, a message gets Ok.
    void queueAnswer(Answer answer) { answers_.enqueue(answer); }
    // Queue the next file dialog outcome: a path, or no value for Cancel.
    void queueFile(std::optional<QString> path, int filterIndex = 1)
    {
        files_.enqueue(path ? std::optional(FileDialogChoice{*path, filterIndex}) : std::nullopt);
    }

    Answer message(const QString& title, const QString& text, MessageIcon icon, MessageButtons buttons,
                   Answer defaultAnswer) override;
    std::optional<FileDialogChoice> fileDialog(const FileDialogRequest& request) override;
    void showHelp() override { ++helpShown; }
    void openWebPage(const QString& address) override { webPages.append(address); }

    QList<ShownMessage> messages;
    QList<FileDialogRequest> dialogs;
    QStringList webPages;
    int helpShown = 0;

    // Texts of the messages shown so far.
    QStringList messageTexts() const;

private:
    QQueue<Answer> answers_;
    QQueue<std::optional<FileDialogChoice>> files_;
};

}  // namespace quil::test
