// test_file_reading.cpp - reading a file for its CRC through failing system calls, and stopping a read midway.
#include "crc/SystemCalls.h"
#include "crc/clsCRC.h"
#include "tests/support/TempSeries.h"

#include <QFile>
#include <QtTest>

#include <atomic>
#include <cerrno>
#include <cstring>
#include <thread>

#include <sys/mman.h>

using namespace quil;
using crc::kPieceSize;

namespace {

// Three whole pieces and a part of one, so that every reader gets work and one piece is short.
const qint64 kLength = 3 * qint64{kPieceSize} + 1234;

std::span<const std::uint8_t> Bytes(const QByteArray& bytes)
{
    return {reinterpret_cast<const std::uint8_t*>(bytes.constData()), static_cast<std::size_t>(bytes.size())};
}

// The real system, but for what a row of the table asks to go wrong.
struct Faults : crc::SystemCalls {
    int openError = 0;
    int fstatError = 0;
    int mapError = 0;
    int threadsStarted = -1;  // how many threads the system starts before it refuses; -1: all
    int secondPieceError = 0;  // errno for reads at kPieceSize
    int endProbeError = 0;     // errno for the read past the end
    bool interruptEveryRead = false;
    std::size_t mostPerRead = 0;  // 0: no limit
    qint64 resizeAfterFstatTo = -1;  // the file's new length once its length was taken
    std::chrono::milliseconds readDelay{0};
    std::chrono::milliseconds firstReadStall{0};
    QString path;
    std::atomic<int> reads{0};
    std::atomic<bool> interrupted{false};

    int open(const char* file, int flags, mode_t mode) override
    {
        return openError ? (errno = openError, -1) : SystemCalls::open(file, flags, mode);
    }
    int fstat(int fd, struct stat* info) override
    {
        if (fstatError)
            return errno = fstatError, -1;
        const int result = SystemCalls::fstat(fd, info);
        if (resizeAfterFstatTo >= 0)
            QFile::resize(path, resizeAfterFstatTo);
        return result;
    }
    void* mapMemory(std::size_t size) override
    {
        return mapError ? (errno = mapError, MAP_FAILED) : SystemCalls::mapMemory(size);
    }
    std::jthread startThread(std::function<void()> body) override
    {
        if (threadsStarted == 0)
            throw std::system_error(EAGAIN, std::generic_category());
        if (threadsStarted > 0)
            --threadsStarted;
        return SystemCalls::startThread(std::move(body));
    }
    ssize_t pread(int fd, void* buffer, std::size_t size, off_t offset) override
    {
        if (reads++ == 0)
            std::this_thread::sleep_for(firstReadStall);
        std::this_thread::sleep_for(readDelay);
        if (interruptEveryRead && !interrupted.exchange(true))
            return errno = EINTR, -1;
        interrupted = false;
        if (secondPieceError && offset == off_t{kPieceSize})
            return errno = secondPieceError, -1;
        if (endProbeError && offset == kLength)
            return errno = endProbeError, -1;
        return SystemCalls::pread(fd, buffer, mostPerRead ? std::min(size, mostPerRead) : size, offset);
    }
};

using Arrange = std::function<void(Faults&)>;

}  // namespace

Q_DECLARE_METATYPE(Arrange)

class TestFileReading : public QObject {
    Q_OBJECT

private slots:
    void everyFaultIsReportedOrOvercome_data()
    {
        QTest::addColumn<Arrange>("arrange");
        QTest::addColumn<QString>("reason");  // "" when the right value must come out
        auto row = [](const char* name, Arrange arrange, const char* reason) {
            QTest::newRow(name) << arrange << QString(reason);
        };
        row("open: no access", [](Faults& f) { f.openError = EACCES; }, "Permission denied");
        row("open: no memory", [](Faults& f) { f.openError = ENOMEM; }, "Cannot allocate memory");
        row("fstat: I/O error", [](Faults& f) { f.fstatError = EIO; }, "Input/output error");
        row("no memory for the pieces", [](Faults& f) { f.mapError = ENOMEM; }, "Cannot allocate memory");
        row("no thread starts", [](Faults& f) { f.threadsStarted = 0; }, "Resource temporarily unavailable");
        row("one thread starts", [](Faults& f) { f.threadsStarted = 1; }, "");
        row("read: I/O error", [](Faults& f) { f.secondPieceError = EIO; }, "Input/output error");
        row("read: would block", [](Faults& f) { f.secondPieceError = EAGAIN; }, "Resource temporarily unavailable");
        row("read: no memory", [](Faults& f) { f.secondPieceError = ENOMEM; }, "Cannot allocate memory");
        row("read past the end: I/O error", [](Faults& f) { f.endProbeError = EIO; }, "Input/output error");
        row("every read interrupted once", [](Faults& f) { f.interruptEveryRead = true; }, "");
        row("short reads", [](Faults& f) { f.mostPerRead = 4097; }, "");
        row("shrinks while read", [](Faults& f) { f.resizeAfterFstatTo = kLength / 2; },
            "the file got shorter while it was read");
        row("grows while read", [](Faults& f) { f.resizeAfterFstatTo = kLength + 1; }, "the file grew while it was read");
    }

    void everyFaultIsReportedOrOvercome()
    {
        QFETCH(Arrange, arrange);
        QFETCH(QString, reason);
        test::TempSeries dir;
        const QByteArray content = test::TempSeries::contentFor("v.r00", kLength);
        const qint32 expected = clsCRC().CalculateBytes(Bytes(content));
        for (int readers : {1, 2}) {
            const QString path = dir.write("v.r00", content);
            Faults faults;
            faults.path = path;
            arrange(faults);
            const crc::SystemCallsOverride installed(faults);
            clsCRC crc;
            crc.setReaderThreads(readers);
            const qint32 before = crc.CalculateBytes(Bytes("before"));
            const FileCrc result = crc.CalculateFile(path);
            QVERIFY(!result.cancelled);
            if (reason.isEmpty()) {
                QVERIFY2(!result.failed(), qPrintable(result.error));
                QCOMPARE(result.value, std::optional<qint32>(expected));
            } else {
                QCOMPARE(result.error, QStringLiteral("Cannot read %1: %2").arg(path, reason));
                QVERIFY(!result.value);
                QCOMPARE(crc.Value(), before);
            }
        }
    }

    void callbackRunsOnTheCallersThreadAndCanStop_data()
    {
        QTest::addColumn<int>("readers");
        QTest::addColumn<bool>("stop");
        for (int readers : {1, 2}) {
            QTest::addRow("%d reader(s), go on", readers) << readers << false;
            QTest::addRow("%d reader(s), stop", readers) << readers << true;
        }
    }

    // Reads slower than the poll interval, so that the callback surely comes between pieces.
    void callbackRunsOnTheCallersThreadAndCanStop()
    {
        QFETCH(int, readers);
        QFETCH(bool, stop);
        test::TempSeries dir;
        const QByteArray content = test::TempSeries::contentFor("v.r00", kLength);
        const QString path = dir.write("v.r00", content);
        Faults faults;
        faults.readDelay = 3 * crc::kPollInterval;
        const crc::SystemCallsOverride installed(faults);
        clsCRC crc;
        crc.setReaderThreads(readers);
        const qint32 before = crc.CalculateBytes(Bytes("before"));
        int calls = 0;
        bool onCaller = true;
        const FileCrc result = crc.CalculateFile(path, [&] {
            ++calls;
            onCaller = onCaller && QThread::currentThread() == thread();
            return !stop;
        });
        QVERIFY(calls > 0);
        QVERIFY(onCaller);
        QVERIFY2(!result.failed(), qPrintable(result.error));
        QCOMPARE(result.cancelled, stop);
        if (stop) {
            QVERIFY(!result.value);
            QCOMPARE(crc.Value(), before);
            QVERIFY2(faults.reads < 4, "the file was read on after the stop");
        } else {
            QCOMPARE(result.value, std::optional<qint32>(clsCRC().CalculateBytes(Bytes(content))));
        }
    }

    void callbackKeepsComingWhileAReadStalls()
    {
        test::TempSeries dir;
        const QString path = dir.add("v.r00", kLength);
        Faults faults;
        faults.firstReadStall = std::chrono::milliseconds(300);
        const crc::SystemCallsOverride installed(faults);
        int calls = 0;
        const FileCrc result = clsCRC().CalculateFile(path, [&] { return ++calls > 0; });
        QVERIFY2(!result.failed(), qPrintable(result.error));
        QVERIFY2(calls >= 10, qPrintable(QStringLiteral("%1 calls in 300 ms").arg(calls)));
    }
};

QTEST_GUILESS_MAIN(TestFileReading)
#include "test_file_reading.moc"
