// ScriptedPrompts.cpp - answers the program's questions from a script and records every prompt shown.
// SPDX-License-Identifier: MIT
#include "tests/support/ScriptedPrompts.h"

namespace quil::test {

Answer ScriptedPrompts::message(const QString& title, const QString& text, MessageIcon icon,
                                MessageButtons buttons, Answer defaultAnswer)
{
    messages.append({title, text, icon, buttons, defaultAnswer});
    if (buttons == MessageButtons::Ok)
        return Answer::Ok;
    return answers_.isEmpty() ? Answer::No : answers_.dequeue();
}

std::optional<FileDialogChoice> ScriptedPrompts::fileDialog(const FileDialogRequest& request)
{
    dialogs.append(request);
    return files_.isEmpty() ? std::nullopt : files_.dequeue();
}

QStringList ScriptedPrompts::messageTexts() const
{
    QStringList texts;
    for (const ShownMessage& shown : messages)
        texts.append(shown.text);
    return texts;
}

}  // namespace quil::test
