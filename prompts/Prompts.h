// Prompts.h - the one seam for everything that waits on a person: messages, questions, file dialogs,
// help and the web page. The windows answer through widgets; tests and the command line answer directly.
// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <QStringList>

#include <optional>

namespace quil {

enum class MessageIcon { None, Information, Exclamation, Critical, Question };
enum class MessageButtons { Ok, YesNo };
enum class Answer { Ok, Yes, No };

// What a file dialog is asked to show (built by clsOpenSave from its properties).
struct FileDialogRequest {
    bool save = false;
    QString title;
    QString initialFolder;
    QString fileName;                            // shown in the name field
    QList<QPair<QString, QString>> filters;      // (description, pattern) pairs
    int filterIndex = 1;                         // counted from 1
    QString defaultExtension;                    // without the dot
    bool overwritePrompt = false;                // ask before replacing a file (save)
    bool fileMustExist = false;                  // only an existing file can be chosen (open)
};

struct FileDialogChoice {
    QString filePath;  // full path of the chosen file
    int filterIndex = 1;
};

class Prompts {
public:
    virtual ~Prompts() = default;

    // A message box with `title`, `text`, an icon and buttons; returns the button pressed.
    virtual Answer message(const QString& title, const QString& text, MessageIcon icon,
                           MessageButtons buttons = MessageButtons::Ok, Answer defaultAnswer = Answer::Ok) = 0;

    // Shows a file dialog; no value when the person cancelled.
    virtual std::optional<FileDialogChoice> fileDialog(const FileDialogRequest& request) = 0;

    // Shows the help document.
    virtual void showHelp() = 0;

    // Opens a web page in the person's browser.
    virtual void openWebPage(const QString& address) = 0;
};

}  // namespace quil
