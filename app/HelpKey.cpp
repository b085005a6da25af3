// HelpKey.cpp - F1 opens the help from anywhere in a window.
// SPDX-License-Identifier: MIT
#include "app/HelpKey.h"

#include "prompts/Prompts.h"

#include <QShortcut>
#include <QWidget>

namespace quil {

void AddHelpKey(QWidget& window, Prompts& prompts)
{
    // A modal window blocks the shortcuts of the windows behind it, so each window carries its own.
    auto* help = new QShortcut(QKeySequence(Qt::Key_F1), &window);
    help->setContext(Qt::WindowShortcut);
    QObject::connect(help, &QShortcut::activated, &window, [&prompts] { prompts.showHelp(); });
}

}  // namespace quil
