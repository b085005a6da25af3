// test_file_reading.cpp - reading a file for its CRC through failing system calls, and stopping a read midway.
// SPDX-License-Identifier: MIT
#include "os/SystemCalls.h"
#include "crc/clsCRC.h"
#include "tests/support/FailingCalls.h"
#include "tests/support/TempSeries.h"

#include <QFile>
#include <QtTest>

#include <atomic>
#include <cerrno>
#include <condition_variable>
#include <csignal>
#include <mutex>
#include <thread>

#include <fcntl.h>
#include <sys/stat.h>

using namespace quil;
using crc::kPieceSize;

namespace {

// Two whole windows and a part of one, which ends in a part of a piece: every reader gets work.
const qint64 kLength = 2 * qint64{crc::kWindowSize} + 3 * qint64{kPieceSize} + 1234;

std::span<const std::uint8_t> Bytes(const QByteArray& bytes)
{
    return {reinterpret_cast<const std::uint8_t*>(bytes.constData()), static_cast<std::size_t>(bytes.size())};
}

// The failing calls of a row of the table, and what only reading goes through: threads refused, reads
// at an offset failing, interrupted or short, the file resized once its length was taken, a size
// that is not what reads give, held first calls.
struct Faults : test::FailingCalls {
    int threadsStarted = -1;  // how many threads the system starts before it refuses; -1: all
    int secondPieceError = 0;  // errno for reads at kPieceSize
    int endProbeError = 0;     // errno for the read past the end
    bool interruptEveryRead = false;
    std::size_t mostPerRead = 0;  // 0: no limit
    qint64 resizeAfterFstatTo = -1;  // the file's new length once its length was taken
    qint64 sizeSays = -1;            // the size every fstat gives, whatever the file holds; -1: its own
    // The first two reads or maps wait until Release() or for this long at most, then linger.
    std::chrono::milliseconds holdFirstTwoCalls{0};
    std::chrono::milliseconds lingerAfterRelease{0};
    QString path;
    std::atomic<int> calls{0};  // reads and maps
    std::atomic<bool> interrupted{false};
    std::mutex holdMutex;
    std::condition_variable released;
    bool holding = true;

    void Release()
    {
        {
            const std::lock_guard lock(holdMutex);
            holding = false;
        }
        released.notify_all();
    }
    void Hold()
    {
        if (calls++ >= 2)
            return;
        std::unique_lock lock(holdMutex);
        released.wait_for(lock, holdFirstTwoCalls, [this] { return !holding; });
        lock.unlock();
        std::this_thread::sleep_for(lingerAfterRelease);
    }

    int fstat(int fd, struct stat* info) override
    {
        const int result = FailingCalls::fstat(fd, info);
        if (sizeSays >= 0)
            info->st_size = sizeSays;
        if (resizeAfterFstatTo >= 0)
            QFile::resize(path, std::exchange(resizeAfterFstatTo, -1));
        return result;
    }
    void* mapFile(int fd, off_t offset, std::size_t size) override
    {
        Hold();
        return FailingCalls::mapFile(fd, offset, size);
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
        Hold();
        if (interruptEveryRead && !interrupted.exchange(true))
            return errno = EINTR, -1;
        interrupted = false;
        if (secondPieceError && offset == off_t{kPieceSize})
            return errno = secondPieceError, -1;
        if (endProbeError && offset == kLength - 1)
            return errno = endProbeError, -1;
        return FailingCalls::pread(fd, buffer, mostPerRead ? std::min(size, mostPerRead) : size, offset);
    }
};

using Call = test::FailingCalls::Call;
using Arrange = std::function<void(Faults&)>;

volatile std::sig_atomic_t gForeignBusErrors = 0;

void CountForeignBusError(int)
{
    gForeignBusErrors = gForeignBusErrors + 1;
}

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
        const char* shorter = "the file got shorter while it was read";
        row("open: no access", [](Faults& f) { f.fail(Call::Open, EACCES); }, "Permission denied");
        row("open: no memory", [](Faults& f) { f.fail(Call::Open, ENOMEM); }, "Cannot allocate memory");
        row("fstat at the open: I/O error", [](Faults& f) { f.fail(Call::Fstat, EIO, 1, 1); }, "Input/output error");
        row("fstat at the end: I/O error", [](Faults& f) { f.fail(Call::Fstat, EIO, 2, 1); }, "Input/output error");
        row("no memory for the pieces", [](Faults& f) { f.fail(Call::MapMemory, ENOMEM); }, "Cannot allocate memory");
        row("no thread starts", [](Faults& f) { f.threadsStarted = 0; }, "");
        row("one thread starts", [](Faults& f) { f.threadsStarted = 1; }, "");
        row("shrinks under a mapping", [](Faults& f) { f.resizeAfterFstatTo = kLength / 2; }, shorter);
        row("shrinks within the last page", [](Faults& f) { f.resizeAfterFstatTo = kLength - 1; }, shorter);
        row("grows", [](Faults& f) { f.resizeAfterFstatTo = kLength + 1; }, "the file grew while it was read");
        row("read past the end: I/O error", [](Faults& f) { f.endProbeError = EIO; }, "Input/output error");
        // Files of /proc say 0, and some file systems another size than their reads give: what is read counts.
        for (const qint64 says : {qint64{0}, kLength - 5000, kLength + 5000, 2 * kLength})
            row(qPrintable(QStringLiteral("size says %1").arg(says)), [says](Faults& f) { f.sizeSays = says; }, "");
        row("size says 0, no thread starts", [](Faults& f) { f.sizeSays = 0; f.threadsStarted = 0; }, "");
        // Where the file system cannot map files, the same file is read piece by piece.
        auto unmappable = [&](const char* name, Arrange arrange, const char* reason) {
            row(name, [arrange](Faults& f) { f.fail(Call::MapFile, ENODEV); arrange(f); }, reason);
        };
        unmappable("unmappable", [](Faults&) {}, "");
        unmappable("unmappable, read: I/O error", [](Faults& f) { f.secondPieceError = EIO; }, "Input/output error");
        unmappable("unmappable, read: would block", [](Faults& f) { f.secondPieceError = EAGAIN; },
                   "Resource temporarily unavailable");
        unmappable("unmappable, read: no memory", [](Faults& f) { f.secondPieceError = ENOMEM; }, "Cannot allocate memory");
        unmappable("unmappable, every read interrupted once", [](Faults& f) { f.interruptEveryRead = true; }, "");
        unmappable("unmappable, short reads", [](Faults& f) { f.mostPerRead = 4097; }, "");
        unmappable("unmappable, shrinks", [](Faults& f) { f.resizeAfterFstatTo = kLength / 2; }, shorter);
        unmappable("unmappable, shrinks by a byte", [](Faults& f) { f.resizeAfterFstatTo = kLength - 1; }, shorter);
        unmappable("unmappable, grows", [](Faults& f) { f.resizeAfterFstatTo = kLength + 1; },
                   "the file grew while it was read");
        unmappable("unmappable, size says less", [](Faults& f) { f.sizeSays = kLength - 1; }, "");
        unmappable("unmappable, size says more", [](Faults& f) { f.sizeSays = kLength + 1; }, "");
        unmappable("unmappable, no thread starts", [](Faults& f) { f.threadsStarted = 0; }, "");
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
                QCOMPARE(result.size, kLength);
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
        QTest::addColumn<bool>("mapped");
        QTest::addColumn<QString>("answer");  // the callback's: "go on", "stop" or "throw"
        for (int readers : {0, 1, 2})  // 0: no thread starts, the caller's thread reads
            for (bool mapped : {true, false})
                for (const char* answer : {"go on", "stop", "throw"})
                    QTest::addRow("%d reader(s), %s, %s", readers, mapped ? "mapped" : "read", answer)
                        << readers << mapped << QString(answer);
    }

    // The first calls stall: reader threads are held until the callback has come kAskedWhileHeld times,
    // so a loaded machine cannot make it come fewer; where the caller's thread reads, its first calls
    // outlast a poll interval, after which it is asked between pieces. After a stop the read goes no
    // further. A callback that throws stops the readers first, so the next
    // file reads as ever.
    void callbackRunsOnTheCallersThreadAndCanStop()
    {
        QFETCH(int, readers);
        QFETCH(bool, mapped);
        QFETCH(QString, answer);
        test::TempSeries dir;
        const QByteArray content = test::TempSeries::contentFor("v.r00", kLength);
        const QString path = dir.write("v.r00", content);
        const std::optional<qint32> expected = clsCRC().CalculateBytes(Bytes(content));
        Faults faults;
        constexpr int kAskedWhileHeld = 10;
        // Bounded, so that a callback never called fails the test rather than hanging it.
        faults.holdFirstTwoCalls = std::chrono::seconds(20);
        // Released as the callback answers, a reader must not outrun the stop that follows the answer.
        if (answer == "stop")
            faults.lingerAfterRelease = 30 * crc::kPollInterval;
        if (readers == 0) {
            faults.threadsStarted = 0;
            faults.holdFirstTwoCalls = 2 * crc::kPollInterval;
        }
        if (!mapped)
            faults.fail(Call::MapFile, ENODEV);
        const crc::SystemCallsOverride installed(faults);
        clsCRC crc;
        crc.setReaderThreads(readers);
        const qint32 before = crc.CalculateBytes(Bytes("before"));
        int calls = 0;
        bool onCaller = true;
        const auto callback = [&]() -> bool {
            ++calls;
            onCaller = onCaller && QThread::currentThread() == thread();
            if (calls >= kAskedWhileHeld || answer != "go on")
                faults.Release();
            if (answer == "throw")
                throw std::runtime_error("x");
            return answer == "go on";
        };
        if (answer == "throw") {
            QVERIFY_THROWS_EXCEPTION(std::runtime_error, crc.CalculateFile(path, callback));
            QCOMPARE(crc.CalculateFile(path).value, expected);
            return;
        }
        const FileCrc result = crc.CalculateFile(path, callback);
        QVERIFY(onCaller);
        QVERIFY2(!result.failed(), qPrintable(result.error));
        QCOMPARE(result.cancelled, answer == "stop");
        if (answer == "stop") {
            QVERIFY(!result.value);
            QCOMPARE(crc.Value(), before);
            // The caller's thread, reading, is asked only once its first piece is read.
            QVERIFY2(faults.calls <= (readers == 0 ? 2 : readers), "the file was read on after the stop");
        } else {
            QCOMPARE(result.value, expected);
            QVERIFY2(calls >= (readers == 0 ? 1 : kAskedWhileHeld), qPrintable(QStringLiteral("%1 calls while held").arg(calls)));
        }
    }

    // The file to be read next is only asked for ahead, from its start; one that is missing or a FIFO
    // changes nothing and never blocks.
    void followingFileIsReadAheadOnly()
    {
        struct Advice : test::FailingCalls {
            QString following;
            int followingFd = -1;
            QList<off_t> askedOfFollowing;  // offsets of its WILLNEED advice
            int open(const char* path, int flags, mode_t mode) override
            {
                const int fd = FailingCalls::open(path, flags, mode);
                if (QString::fromLocal8Bit(path) == following)
                    followingFd = fd;
                return fd;
            }
            int fadvise(int fd, off_t offset, off_t length, int advice) override
            {
                if (fd == followingFd && advice == POSIX_FADV_WILLNEED)
                    askedOfFollowing.append(offset);
                return FailingCalls::fadvise(fd, offset, length, advice);
            }
        };
        test::TempSeries dir;
        const QByteArray content = test::TempSeries::contentFor("v.r00", kLength);
        const QString path = dir.write("v.r00", content);
        const QString fifo = dir.path("v.r02");
        QCOMPARE(mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
        const std::optional<qint32> expected = clsCRC().CalculateBytes(Bytes(content));
        for (const QString& following : {dir.add("v.r01", 5000), fifo, dir.path("v.r03")}) {
            Advice advice;
            advice.following = following;
            const crc::SystemCallsOverride installed(advice);
            QCOMPARE(clsCRC().CalculateFile(path, {}, {}, following).value, expected);
            QCOMPARE(advice.askedOfFollowing, following.endsWith("r01") ? QList<off_t>{0} : QList<off_t>{});
        }
    }

    // The system's own case of a size of 0 for a file that holds bytes.
    void procFileIsJudgedByItsReads()
    {
        QFile file(QStringLiteral("/proc/self/cmdline"));
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray content = file.readAll();
        QCOMPARE(file.size(), 0);
        const FileCrc result = clsCRC().CalculateFile(file.fileName());
        QCOMPARE(result.value, std::optional<qint32>(clsCRC().CalculateBytes(Bytes(content))));
        QCOMPARE(result.size, content.size());
    }

    // The guard against a file cut short under a mapping takes only the SIGBUS of its own reads.
    void otherBusErrorsReachTheHandlerBefore()
    {
        test::TempSeries dir;
        const QString path = dir.add("v.r00", 5000);
        struct sigaction counting {}, saved {};
        counting.sa_handler = CountForeignBusError;
        sigemptyset(&counting.sa_mask);
        QCOMPARE(sigaction(SIGBUS, &counting, &saved), 0);
        QVERIFY(!clsCRC().CalculateFile(path).failed());  // puts the guard in front
        std::raise(SIGBUS);
        sigaction(SIGBUS, &saved, nullptr);
        QCOMPARE(int(gForeignBusErrors), 1);
    }
};

QTEST_GUILESS_MAIN(TestFileReading)
#include "test_file_reading.moc"
