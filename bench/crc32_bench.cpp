// crc32_bench.cpp - GB/s of every CRC-32 implementation against a plain memory read of the same buffer.
// SPDX-License-Identifier: MIT
#include "crc/Crc32Implementations.h"

#include <benchmark/benchmark.h>

#if defined(__x86_64__) || defined(__i386__)
#include <immintrin.h>
#endif

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <map>
#include <random>
#include <string>
#include <vector>

using namespace quil::crc;

namespace {

constexpr std::size_t kBufferSize = std::size_t{512} << 20;
constexpr const char* kBaseline = "memory read";

// The floor every CRC is measured against: every byte loaded once, in the widest loads the CPU
// has, into four independent accumulators so that the loads alone set the pace.
std::uint64_t ReadAllPortable(const std::uint8_t* data, std::size_t size)
{
    std::uint64_t sums[4] = {};
    for (std::size_t offset = 0; offset + sizeof sums <= size; offset += sizeof sums) {
        for (int lane = 0; lane < 4; ++lane) {
            std::uint64_t word;
            std::memcpy(&word, data + offset + lane * sizeof word, sizeof word);
            sums[lane] ^= word;
        }
    }
    return sums[0] ^ sums[1] ^ sums[2] ^ sums[3];
}

#if defined(__x86_64__) || defined(__i386__)
__attribute__((target("avx512f"))) std::uint64_t ReadAllWide(const std::uint8_t* data, std::size_t size)
{
    __m512i s0 = _mm512_setzero_si512(), s1 = s0, s2 = s0, s3 = s0;
    for (std::size_t offset = 0; offset + 256 <= size; offset += 256) {
        s0 = _mm512_xor_si512(s0, _mm512_loadu_si512(data + offset));
        s1 = _mm512_xor_si512(s1, _mm512_loadu_si512(data + offset + 64));
        s2 = _mm512_xor_si512(s2, _mm512_loadu_si512(data + offset + 128));
        s3 = _mm512_xor_si512(s3, _mm512_loadu_si512(data + offset + 192));
    }
    std::uint64_t lanes[8];
    _mm512_storeu_si512(lanes, _mm512_xor_si512(_mm512_xor_si512(s0, s1), _mm512_xor_si512(s2, s3)));
    return lanes[0] ^ lanes[7];
}
#endif

std::uint64_t ReadAll(const std::uint8_t* data, std::size_t size)
{
#if defined(__x86_64__) || defined(__i386__)
    static const bool wide = __builtin_cpu_supports("avx512f");
    if (wide)
        return ReadAllWide(data, size);
#endif
    return ReadAllPortable(data, size);
}

const std::uint8_t* SharedBuffer()
{
    static const std::vector<std::uint8_t> buffer = [] {
        std::vector<std::uint8_t> memory(kBufferSize);
        std::mt19937_64 generator(7);
        for (std::size_t i = 0; i < kBufferSize; i += 8) {
            const std::uint64_t word = generator();
            std::memcpy(memory.data() + i, &word, sizeof word);
        }
        return memory;
    }();
    return buffer.data();
}

void RunOver(benchmark::State& state, auto&& pass)
{
    const std::uint8_t* data = SharedBuffer();
    for (auto _ : state)
        benchmark::DoNotOptimize(pass(data, kBufferSize));
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * kBufferSize));
}

// Prints what Google Benchmark prints, and keeps each run's median for the summary table.
class MedianCollector : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override
    {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs) {
            if (run.aggregate_name == "median" && !run.error_occurred)
                medians[run.run_name.function_name] = run.counters.at("bytes_per_second").value / 1e9;
        }
    }

    std::map<std::string, double> medians;  // GB/s by benchmark name
};

void PrintSummary(const std::map<std::string, double>& medians)
{
    const auto baseline = medians.find(kBaseline);
    if (baseline == medians.end())
        return;
    std::printf("\nCRC-32 over %zu MiB in memory, medians:\n%-14s %8s %12s\n", kBufferSize >> 20, "", "GB/s",
                "x baseline");
    auto print = [&](const char* name) {
        const auto found = medians.find(name);
        if (found != medians.end())
            std::printf("%-14s %8.2f %12.2f\n", name, found->second, found->second / baseline->second);
    };
    print(kBaseline);
    for (const Crc32Implementation& implementation : Crc32Implementations()) {
        if (implementation.supported)
            print(implementation.name);
        else
            std::printf("%-14s %8s %12s\n", implementation.name, "skipped", "(CPU lacks it)");
    }
}

}  // namespace

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    auto configure = [](benchmark::internal::Benchmark* run) {
        run->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true)->UseRealTime();
    };
    configure(benchmark::RegisterBenchmark(kBaseline, [](benchmark::State& state) {
        RunOver(state, ReadAll);
    }));
    for (const Crc32Implementation& implementation : Crc32Implementations()) {
        if (!implementation.supported)
            continue;
        configure(benchmark::RegisterBenchmark(implementation.name, [&implementation](benchmark::State& state) {
            RunOver(state, [&](const std::uint8_t* data, std::size_t size) {
                return implementation.update(0xFFFFFFFFu, data, size);
            });
        }));
    }
    MedianCollector collector;
    benchmark::RunSpecifiedBenchmarks(&collector);
    PrintSummary(collector.medians);
    benchmark::Shutdown();
}
