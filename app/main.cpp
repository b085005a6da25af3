// main.cpp - starts Quillane: one main window, and the program ends when it closes.
// SPDX-License-Identifier: MIT
#include "app/CheckSequence.h"
#include "app/StartOptions.h"
#include "app/StartUp.h"
#include "app/WidgetPrompts.h"
#include "os/NativeNames.h"
#include "report/Product.h"

#include <QApplication>
#include <QTextStream>

int main(int argc, char** argv)
{
    const quil::StartOptions options = quil::ParseStartOptions(quil::ArgumentsFromNative(argc, argv));
    if (options.action != quil::StartOptions::Action::Open) {
        // --help and --version need no display, so no window system is touched for them.
        QCoreApplication core(argc, argv);
        QTextStream output(stdout);
        QTextStream errors(stderr);
        return quil::AnswerOnTerminal(options, QCoreApplication::applicationDirPath(), output, errors);
    }
    // Qt sees no argument, so a start file named like one of its options is still a start file.
    int qtArgc = 1;
    QApplication app(qtArgc, argv);
    QApplication::setApplicationName(quil::ProductName());
    // Wayland desktops find the window's menu entry, and so its icon, by this name.
    QApplication::setDesktopFileName(QStringLiteral(QUILLANE_APP_ID));
    quil::WidgetPrompts prompts;
    quil::CheckSequence window(prompts);
    prompts.SetHelpOwner(&window);
    quil::StartUp(window, options.path);
    return QApplication::exec();
}
