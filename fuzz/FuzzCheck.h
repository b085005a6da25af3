// FuzzCheck.h - what the fuzz targets share: a failed expectation ends the run so the fuzzer keeps the input.
// SPDX-License-Identifier: MIT
#pragma once

#include <cstdio>
#include <cstdlib>

// Aborts with the expectation's text: libFuzzer saves the input, a replay fails its test.
#define FUZZ_EXPECT(condition)                                                      \
    do {                                                                            \
        if (!(condition)) {                                                         \
            std::fprintf(stderr, "%s:%d: expected %s\n", __FILE__, __LINE__, #condition); \
            std::abort();                                                           \
        }                                                                           \
    } while (false)
