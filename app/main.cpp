// main.cpp - starts Quillane.
#include "report/Product.h"

#include <QApplication>
#include <QMainWindow>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle(quil::ProductName());
    window.show();
    return app.exec();
}
