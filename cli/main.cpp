// main.cpp - quillane-check: checks an archive series from the command line.
// SPDX-License-Identifier: MIT
#include "cli/CheckCommand.h"
#include "cli/ExitStatus.h"
#include "os/NativeNames.h"

#include <QCoreApplication>
#include <QFile>
#include <QTextStream>

#include <cerrno>
#include <csignal>
#include <cstdio>

#include <fcntl.h>
#include <unistd.h>

namespace {

// A standard stream the caller closed (`>&-`) is held by /dev/null opened for reading: no file opened
// later (the report) takes its number, and what is written to it fails as a write.
void HoldClosedStandardStreams()
{
    for (const int fd : {STDIN_FILENO, STDOUT_FILENO, STDERR_FILENO})
        if (::fcntl(fd, F_GETFD) == -1 && errno == EBADF)
            ::open("/dev/null", O_RDONLY);  // the lowest free number: this one
}

}  // namespace

int main(int argc, char** argv)
{
    HoldClosedStandardStreams();
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
