// main.cpp - starts Quillane: one main window, and the program ends when it closes.
#include "app/CheckSequence.h"
#include "app/StartUp.h"
#include "app/WidgetPrompts.h"
#include "report/Product.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(quil::ProductName());
    quil::WidgetPrompts prompts;
    quil::CheckSequence window(prompts);
    quil::StartUp(window);
    return QApplication::exec();
}
