// main.cpp - quillane-check: checks an archive series from the command line.
// SPDX-License-Identifier: MIT
#include "cli/CheckCommand.h"
#include "cli/ExitStatus.h"
#include "os/NativeNames.h"

#include <QCoreApplication>
#include <QFile>
#include <QTextStream>

#include <csignal>
#include <cstdio>

#include <unistd.h>

int main(int argc, char** argv)
{
    // A reader that has gone (`| head -1`) makes a write fail with EPIPE, which is said below once
    // the run and the report file are done, instead of ending the program unsaid.
    std::signal(SIGPIPE, SIG_IGN);
    QCoreApplication app(argc, argv);
    QFile standardOutput;
    standardOutput.open(stdout, QIODevice::WriteOnly);
    QTextStream output(&standardOutput);
    QTextStream errors(stderr);
    int status = quil::cli::RunCheckCommand(quil::ArgumentsFromNative(argc, argv), output, errors,
                                            ::isatty(STDERR_FILENO));
    output.flush();
    // Rows and a report that never reached standard output (a full device, a closed pipe) are a
    // failure, not a silent success; closing is where a delayed write error shows.
    standardOutput.close();
    if (output.status() != QTextStream::Ok || standardOutput.error() != QFileDevice::NoError
        || std::fclose(stdout) != 0) {
        errors << "quillane-check: cannot write standard output: " << standardOutput.errorString() << Qt::endl;
        status = quil::cli::kRefused;
    }
    errors.flush();
    return status;
}
