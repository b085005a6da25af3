// FuzzRecognition.cpp - fuzz target: a folder of files with any names (bytes), its start files recognised and checked.
// SPDX-License-Identifier: MIT
#include "crc/clsCRC.h"
#include "fuzz/FuzzCheck.h"
#include "report/ScanReport.h"
#include "series/CheckRun.h"
#include "series/Recognition.h"
#include "series/RunView.h"
#include "series/StartFiles.h"

#include "os/NativeNames.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include <dirent.h>
#include <fcntl.h>
#include <unistd.h>

namespace {

class SilentView : public quil::RunView {
public:
    void AddMemberRow(const quil::MemberRow&) override {}
    void ShowStatus(const QString&) override {}
    void SetProgress(int value, int maximum) override { FUZZ_EXPECT(value >= 0 && value <= maximum); }
    void SetProgressTip(const QString&) override {}
};

// The folder's files: at most 32 names separated by NUL bytes, "/" read as "_"; each file holds as
// many bytes as its name's first byte modulo 3, so sizes differ.
void WriteFiles(const QByteArray& folder, const QByteArray& input)
{
    int count = 0;
    for (QByteArray name : input.split('\0')) {
        name.replace('/', '_');
        if (name.isEmpty() || name == "." || name == ".." || name.size() > 200 || ++count > 32)
            continue;
        const int fd = ::open((folder + '/' + name).constData(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        if (fd < 0)
            continue;
        FUZZ_EXPECT(::write(fd, "ab", size_t(uchar(name[0]) % 3)) >= 0);
        ::close(fd);
    }
}

// Removes every file of `folder` by its own bytes: QDir cannot remove a name that is not UTF-8.
void Empty(const QByteArray& folder)
{
    DIR* dir = ::opendir(folder.constData());
    FUZZ_EXPECT(dir);
    while (const dirent* entry = ::readdir(dir))
        if (std::strcmp(entry->d_name, ".") != 0 && std::strcmp(entry->d_name, "..") != 0)
            ::unlink((folder + '/' + entry->d_name).constData());
    ::closedir(dir);
}

// One folder for the whole run, emptied before each input and removed at exit. Its name is a plain
// array, so it outlives every static object the exit handler could otherwise outlive.
char folderName[] = "/tmp/quillane-fuzz-XXXXXX";

QByteArray Folder()
{
    static const bool made = [] {
        FUZZ_EXPECT(::mkdtemp(folderName));
        std::atexit([] {
            Empty(folderName);
            ::rmdir(folderName);
        });
        return true;
    }();
    return made ? QByteArray(folderName) : QByteArray();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    Empty(Folder());
    WriteFiles(Folder(), QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)));
    const QString folder = quil::NameFromNative(Folder());
    SilentView view;
    quil::clsCRC crc;
    quil::CheckRun run(view, crc);
    for (const QString& start : quil::StartFiles(folder)) {
        // Whatever the start-file list offers opens a series.
        const std::optional<quil::Series> series = quil::RecognizeSeries(folder, start);
        FUZZ_EXPECT(series.has_value());
        if (quil::SeqListRefusal(series->SeqList))
            continue;
        const quil::RunResult result = run.Run(*series, quil::CheckMode::SizeOnly);
        FUZZ_EXPECT(!result.Rows.isEmpty());
        FUZZ_EXPECT(result.ProblemsFound() <= result.Rows.size());
        FUZZ_EXPECT(!quil::ReportText(quil::ComposeReport(result)).isEmpty());
    }
    return 0;
}
