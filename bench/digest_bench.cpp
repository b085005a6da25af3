// digest_bench.cpp - GB/s of SHA-1 and SHA-256 on the SHA instructions against QtCore's code,
// both timed over the same buffer in the same run.
// SPDX-License-Identifier: MIT
#include "digest/Digest.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <random>
#include <vector>

using quil::digest::Digest;
using quil::digest::Engine;

namespace {

constexpr std::size_t kBufferSize = std::size_t{64} << 20;
constexpr int kRepetitions = 5;

// The median GB/s of hashing `buffer` whole, in 1 MiB pieces as a volume is read.
double MedianGbPerSecond(QCryptographicHash::Algorithm algorithm, Engine engine, const std::vector<std::uint8_t>& buffer)
{
    std::vector<double> rates;
    for (int repetition = 0; repetition < kRepetitions; ++repetition) {
        const auto start = std::chrono::steady_clock::now();
        Digest digest(algorithm, engine);
        for (std::size_t at = 0; at < buffer.size(); at += std::size_t{1} << 20)
            digest.addData(std::span(buffer).subspan(at, std::min(buffer.size() - at, std::size_t{1} << 20)));
        volatile const char first = digest.result().front();
        (void)first;
        const std::chrono::duration<double> seconds = std::chrono::steady_clock::now() - start;
        rates.push_back(double(buffer.size()) / seconds.count() / 1e9);
    }
    std::nth_element(rates.begin(), rates.begin() + kRepetitions / 2, rates.end());
    return rates[kRepetitions / 2];
}

}  // namespace

int main()
{
    std::vector<std::uint8_t> buffer(kBufferSize);
    std::mt19937 generator(7);
    std::generate(buffer.begin(), buffer.end(), [&] { return static_cast<std::uint8_t>(generator()); });
    std::printf("%zu MiB in memory, medians of %d runs\n%-8s %12s %12s %8s\n", kBufferSize >> 20, kRepetitions, "",
                "QtCore GB/s", "fastest GB/s", "ratio");
    for (const auto& [algorithm, name] : {std::pair{QCryptographicHash::Sha1, "SHA-1"}, {QCryptographicHash::Sha256, "SHA-256"}}) {
        const double portable = MedianGbPerSecond(algorithm, Engine::Portable, buffer);
        if (!Digest(algorithm).accelerated()) {
            std::printf("%-8s %12.2f %12s %8s\n", name, portable, "skipped", "(CPU lacks it)");
            continue;
        }
        const double fastest = MedianGbPerSecond(algorithm, Engine::Fastest, buffer);
        std::printf("%-8s %12.2f %12.2f %8.2f\n", name, portable, fastest, fastest / portable);
    }
}
