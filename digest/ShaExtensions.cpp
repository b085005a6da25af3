// ShaExtensions.cpp - the SHA-1 and SHA-256 block steps on the CPU's SHA instructions.
// SPDX-License-Identifier: MIT
#include "digest/ShaExtensions.h"

#if defined(__x86_64__) || defined(__i386__)

#include <cpuid.h>
#include <immintrin.h>

#define QUIL_SHA_TARGET __attribute__((target("sha,sse4.1,ssse3")))

namespace quil::digest {

namespace {

alignas(16) constexpr std::uint32_t kSha256Rounds[64] = {
    0x428a2f98, 0x71374491, 0xb5c0fbcf, 0xe9b5dba5, 0x3956c25b, 0x59f111f1, 0x923f82a4, 0xab1c5ed5,
    0xd807aa98, 0x12835b01, 0x243185be, 0x550c7dc3, 0x72be5d74, 0x80deb1fe, 0x9bdc06a7, 0xc19bf174,
    0xe49b69c1, 0xefbe4786, 0x0fc19dc6, 0x240ca1cc, 0x2de92c6f, 0x4a7484aa, 0x5cb0a9dc, 0x76f988da,
    0x983e5152, 0xa831c66d, 0xb00327c8, 0xbf597fc7, 0xc6e00bf3, 0xd5a79147, 0x06ca6351, 0x14292967,
    0x27b70a85, 0x2e1b2138, 0x4d2c6dfc, 0x53380d13, 0x650a7354, 0x766a0abb, 0x81c2c92e, 0x92722c85,
    0xa2bfe8a1, 0xa81a664b, 0xc24b8b70, 0xc76c51a3, 0xd192e819, 0xd6990624, 0xf40e3585, 0x106aa070,
    0x19a4c116, 0x1e376c08, 0x2748774c, 0x34b0bcb5, 0x391c0cb3, 0x4ed8aa4a, 0x5b9cca4f, 0x682e6ff3,
    0x748f82ee, 0x78a5636f, 0x84c87814, 0x8cc70208, 0x90befffa, 0xa4506ceb, 0xbef9a3f7, 0xc67178f2,
};

QUIL_SHA_TARGET inline __m128i Load(const std::uint8_t* data)
{
    return _mm_loadu_si128(reinterpret_cast<const __m128i*>(data));
}

// The block's sixteen words in the lane order `byteSwap` gives: the first schedule words.
QUIL_SHA_TARGET inline void LoadBlock(const std::uint8_t* block, __m128i byteSwap, __m128i (&w)[4])
{
    for (int i = 0; i < 4; ++i)
        w[i] = _mm_shuffle_epi8(Load(block + 16 * i), byteSwap);
}

// Five groups of four SHA-1 rounds that share the round function `F`; `w` holds the schedule
// words of the last four groups, slot g % 4 for group g.
template <int F>
QUIL_SHA_TARGET inline void Sha1Groups(__m128i& abcd, __m128i& lastAbcd, __m128i& e, __m128i (&w)[4])
{
#pragma GCC unroll 5
    for (int g = 5 * F; g < 5 * F + 5; ++g) {
        const __m128i current = w[g & 3];
        const __m128i roundInput = g == 0 ? _mm_add_epi32(e, current) : _mm_sha1nexte_epu32(lastAbcd, current);
        lastAbcd = abcd;
        if (g >= 3 && g <= 18)
            w[(g + 1) & 3] = _mm_sha1msg2_epu32(w[(g + 1) & 3], current);
        abcd = _mm_sha1rnds4_epu32(abcd, roundInput, F);
        if (g >= 1 && g <= 16)
            w[(g - 1) & 3] = _mm_sha1msg1_epu32(w[(g - 1) & 3], current);
        if (g >= 2 && g <= 17)
            w[(g - 2) & 3] = _mm_xor_si128(w[(g - 2) & 3], current);
    }
}

}  // namespace

bool CpuHasShaExtensions()
{
    __builtin_cpu_init();
    unsigned eax = 0, ebx = 0, ecx = 0, edx = 0;
    return __builtin_cpu_supports("sse4.1") && __builtin_cpu_supports("ssse3") &&
           __get_cpuid_count(7, 0, &eax, &ebx, &ecx, &edx) && (ebx & bit_SHA) != 0;
}

QUIL_SHA_TARGET void Sha1Blocks(std::uint32_t* state, const std::uint8_t* data, std::size_t blocks)
{
    // The instructions keep A..D in one register, A in the top lane, and E in the top lane of another.
    const __m128i byteSwap = _mm_set_epi64x(0x0001020304050607LL, 0x08090a0b0c0d0e0fLL);
    __m128i abcd = _mm_shuffle_epi32(Load(reinterpret_cast<const std::uint8_t*>(state)), 0x1B);
    __m128i e = _mm_set_epi32(static_cast<int>(state[4]), 0, 0, 0);
    for (; blocks > 0; --blocks, data += 64) {
        const __m128i savedAbcd = abcd;
        const __m128i savedE = e;
        __m128i w[4];
        LoadBlock(data, byteSwap, w);
        __m128i lastAbcd = abcd;
        Sha1Groups<0>(abcd, lastAbcd, e, w);
        Sha1Groups<1>(abcd, lastAbcd, e, w);
        Sha1Groups<2>(abcd, lastAbcd, e, w);
        Sha1Groups<3>(abcd, lastAbcd, e, w);
        e = _mm_sha1nexte_epu32(lastAbcd, savedE);
        abcd = _mm_add_epi32(abcd, savedAbcd);
    }
    _mm_storeu_si128(reinterpret_cast<__m128i*>(state), _mm_shuffle_epi32(abcd, 0x1B));
    state[4] = static_cast<std::uint32_t>(_mm_extract_epi32(e, 3));
}

QUIL_SHA_TARGET void Sha256Blocks(std::uint32_t* state, const std::uint8_t* data, std::size_t blocks)
{
    // The instructions want the words as A,B,E,F and C,D,G,H, highest lane first.
    const __m128i byteSwap = _mm_set_epi64x(0x0c0d0e0f08090a0bLL, 0x0405060700010203LL);
    const __m128i dcba = _mm_shuffle_epi32(Load(reinterpret_cast<const std::uint8_t*>(state)), 0xB1);
    const __m128i efgh = _mm_shuffle_epi32(Load(reinterpret_cast<const std::uint8_t*>(state + 4)), 0x1B);
    __m128i abef = _mm_alignr_epi8(dcba, efgh, 8);
    __m128i cdgh = _mm_blend_epi16(efgh, dcba, 0xF0);
    for (; blocks > 0; --blocks, data += 64) {
        const __m128i savedAbef = abef;
        const __m128i savedCdgh = cdgh;
        __m128i w[4];
        LoadBlock(data, byteSwap, w);
        // Sixteen groups of four rounds; slot g % 4 holds the schedule words of group g.
#pragma GCC unroll 16
        for (int g = 0; g < 16; ++g) {
            const __m128i current = w[g & 3];
            __m128i roundInput = _mm_add_epi32(current, _mm_load_si128(reinterpret_cast<const __m128i*>(kSha256Rounds + 4 * g)));
            cdgh = _mm_sha256rnds2_epu32(cdgh, abef, roundInput);
            if (g >= 3 && g <= 14) {
                const __m128i carried = _mm_alignr_epi8(current, w[(g - 1) & 3], 4);
                w[(g + 1) & 3] = _mm_sha256msg2_epu32(_mm_add_epi32(w[(g + 1) & 3], carried), current);
            }
            roundInput = _mm_shuffle_epi32(roundInput, 0x0E);
            abef = _mm_sha256rnds2_epu32(abef, cdgh, roundInput);
            if (g >= 1 && g <= 12)
                w[(g - 1) & 3] = _mm_sha256msg1_epu32(w[(g - 1) & 3], current);
        }
        abef = _mm_add_epi32(abef, savedAbef);
        cdgh = _mm_add_epi32(cdgh, savedCdgh);
    }
    const __m128i feba = _mm_shuffle_epi32(abef, 0x1B);
    const __m128i dchg = _mm_shuffle_epi32(cdgh, 0xB1);
    _mm_storeu_si128(reinterpret_cast<__m128i*>(state), _mm_blend_epi16(feba, dchg, 0xF0));
    _mm_storeu_si128(reinterpret_cast<__m128i*>(state + 4), _mm_alignr_epi8(dchg, feba, 8));
}

}  // namespace quil::digest

#endif
