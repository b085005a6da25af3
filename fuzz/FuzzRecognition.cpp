// FuzzRecognition.cpp - fuzz target: a folder of files with any names (bytes), its start files recognised and checked.
#include "crc/clsCRC.h"
#include "fuzz/FuzzCheck.h"
#include "report/ScanReport.h"
#include "series/CheckRun.h"
#include "series/Recognition.h"
#include "series/RunView.h"
#include "series/StartFiles.h"

#include <QDir>
#include <QTemporaryDir>

#include <cstddef>
#include <cstdint>

#include <fcntl.h>
#include <unistd.h>

namespace {

class SilentView : public quil::RunView {
public:
    void AddMemberRow(const quil::MemberRow&) override {}
    void ShowStatus(const QString&) override {}
    void SetProgress(int value, int maximum) override { FUZZ_EXPECT(value >= 0 && value <= maximum); }
    void SetProgressTip(const QString&) override {}
    void ProcessEvents() override {}
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

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    QTemporaryDir dir;
    FUZZ_EXPECT(dir.isValid());
    WriteFiles(QFile::encodeName(dir.path()), QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)));
    SilentView view;
    quil::clsCRC crc;
    quil::CheckRun run(view, crc);
    for (const QString& start : quil::StartFiles(dir.path())) {
        // Whatever the start-file list offers opens a series.
        const std::optional<quil::Series> series = quil::RecognizeSeries(dir.path(), start);
        FUZZ_EXPECT(series.has_value());
        if (quil::SeqListRefusal(series->SeqList))
            continue;
        const quil::RunResult result = run.Run(*series, quil::CheckMode::SizeOnly);
        FUZZ_EXPECT(!result.rows.isEmpty());
        FUZZ_EXPECT(result.ProblemsFound() <= result.rows.size());
        FUZZ_EXPECT(!quil::ReportText(quil::ComposeReport(result)).isEmpty());
    }
    return 0;
}
