// main.cpp - quillane-check: checks an archive series from the command line.
#include "cli/CheckCommand.h"

#include <QCoreApplication>
#include <QTextStream>

#include <cstdio>

#include <unistd.h>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QTextStream output(stdout);
    QTextStream errors(stderr);
    const int status = quil::cli::RunCheckCommand(app.arguments().mid(1), output, errors, ::isatty(STDERR_FILENO));
    output.flush();
    errors.flush();
    return status;
}
