// Crc32Folding.cpp - CRC-32 by carry-less-multiply folding, over 128-bit lanes and over 256- and 512-bit registers.
// SPDX-License-Identifier: MIT
#include "crc/Crc32Implementations.h"

#if defined(__x86_64__) || defined(__i386__)

#include "crc/CrcTables.h"

#include <immintrin.h>

#define QUIL_FOLD128_TARGET __attribute__((target("pclmul,sse4.1")))
#define QUIL_FOLD256_TARGET __attribute__((target("avx2,vpclmulqdq,pclmul,sse4.1")))
#define QUIL_FOLD512_TARGET __attribute__((target("avx512f,avx512vl,vpclmulqdq,pclmul,sse4.1")))

namespace quil::crc {

namespace {

// The folding constants follow from the polynomial; they are derived here rather than copied.
constexpr std::uint64_t kPolynomialFull = 0x104C11DB7u;  // with its x^32 term

constexpr std::uint64_t Reflect(std::uint64_t value, int bits)
{
    std::uint64_t reflected = 0;
    for (int i = 0; i < bits; ++i)
        reflected |= ((value >> i) & 1u) << (bits - 1 - i);
    return reflected;
}

constexpr std::uint64_t XPowerModP(int power)
{
    std::uint64_t remainder = 1;
    for (int i = 0; i < power; ++i) {
        remainder <<= 1;
        if (remainder & (std::uint64_t{1} << 32))
            remainder ^= kPolynomialFull;
    }
    return remainder;
}

constexpr std::uint64_t XPower64DivP()
{
    // Cancelling the x^64 term with P * x^32 up front leaves a remainder that fits in 64 bits.
    std::uint64_t quotient = std::uint64_t{1} << 32;
    std::uint64_t remainder = (kPolynomialFull & 0xFFFFFFFFu) << 32;
    for (int bit = 63; bit >= 32; --bit) {
        if ((remainder >> bit) & 1u) {
            quotient |= std::uint64_t{1} << (bit - 32);
            remainder ^= kPolynomialFull << (bit - 32);
        }
    }
    return quotient;
}

// Multiplier that moves a 64-bit half `power` bits further along the message, in reflected layout.
constexpr std::uint64_t FoldConstant(int power)
{
    return Reflect(XPowerModP(power), 32) << 1;
}

// A pair folding a 128-bit block forward by `distance` bits: low half first, high half second.
struct FoldPair {
    std::uint64_t low;
    std::uint64_t high;
};

constexpr FoldPair FoldBy(int distance)
{
    return {FoldConstant(distance + 32), FoldConstant(distance - 32)};
}

constexpr FoldPair kFold128 = FoldBy(128);
constexpr FoldPair kFold256 = FoldBy(256);
constexpr FoldPair kFold512 = FoldBy(512);
constexpr FoldPair kFold1024 = FoldBy(1024);
constexpr FoldPair kFold2048 = FoldBy(2048);
constexpr std::uint64_t kFold64 = FoldConstant(64);
constexpr std::uint64_t kBarrettPolynomial = Reflect(kPolynomialFull, 33);
constexpr std::uint64_t kBarrettQuotient = Reflect(XPower64DivP(), 33);

QUIL_FOLD128_TARGET inline __m128i Pair128(FoldPair pair)
{
    return _mm_set_epi64x(static_cast<long long>(pair.high), static_cast<long long>(pair.low));
}

QUIL_FOLD128_TARGET inline __m128i Load128(const std::uint8_t* data)
{
    return _mm_loadu_si128(reinterpret_cast<const __m128i*>(data));
}

// Moves `block` forward by the distance `pair` was made for and adds `next` onto it.
QUIL_FOLD128_TARGET inline __m128i Fold(__m128i block, __m128i pair, __m128i next)
{
    return _mm_xor_si128(_mm_xor_si128(_mm_clmulepi64_si128(block, pair, 0x00), _mm_clmulepi64_si128(block, pair, 0x11)),
                         next);
}

// Folds the whole 16-byte blocks left in the data into `block`, then reduces it to the 32-bit
// register; `data` and `size` are advanced past what was consumed (fewer than 16 bytes remain).
QUIL_FOLD128_TARGET std::uint32_t FoldRestAndReduce(__m128i block, const std::uint8_t*& data, std::size_t& size)
{
    const __m128i fold128 = Pair128(kFold128);
    for (; size >= 16; data += 16, size -= 16)
        block = Fold(block, fold128, Load128(data));

    const __m128i low32 = _mm_setr_epi32(-1, 0, -1, 0);
    // 128 to 64 bits, which also appends the 32 zero bits the remainder needs.
    block = _mm_xor_si128(_mm_srli_si128(block, 8), _mm_clmulepi64_si128(block, fold128, 0x10));
    block = _mm_xor_si128(_mm_srli_si128(block, 4),
                          _mm_clmulepi64_si128(_mm_and_si128(block, low32), _mm_set_epi64x(0, kFold64), 0x00));
    // Barrett reduction, 64 to 32 bits.
    const __m128i barrett = Pair128({kBarrettPolynomial, kBarrettQuotient});
    __m128i estimate = _mm_clmulepi64_si128(_mm_and_si128(block, low32), barrett, 0x10);
    estimate = _mm_clmulepi64_si128(_mm_and_si128(estimate, low32), barrett, 0x00);
    return static_cast<std::uint32_t>(_mm_extract_epi32(_mm_xor_si128(block, estimate), 1));
}

QUIL_FOLD256_TARGET inline __m256i Broadcast256(FoldPair pair)
{
    const auto low = static_cast<long long>(pair.low);
    const auto high = static_cast<long long>(pair.high);
    return _mm256_set_epi64x(high, low, high, low);
}

QUIL_FOLD256_TARGET inline __m256i Load256(const std::uint8_t* data)
{
    return _mm256_loadu_si256(reinterpret_cast<const __m256i*>(data));
}

QUIL_FOLD256_TARGET inline __m256i Fold(__m256i block, __m256i pair, __m256i next)
{
    return _mm256_xor_si256(
        _mm256_xor_si256(_mm256_clmulepi64_epi128(block, pair, 0x00), _mm256_clmulepi64_epi128(block, pair, 0x11)), next);
}

QUIL_FOLD512_TARGET inline __m512i Broadcast(FoldPair pair)
{
    const auto low = static_cast<long long>(pair.low);
    const auto high = static_cast<long long>(pair.high);
    return _mm512_set_epi64(high, low, high, low, high, low, high, low);
}

QUIL_FOLD512_TARGET inline __m512i Load512(const std::uint8_t* data)
{
    return _mm512_loadu_si512(data);
}

QUIL_FOLD512_TARGET inline __m512i Fold(__m512i block, __m512i pair, __m512i next)
{
    return _mm512_ternarylogic_epi64(_mm512_clmulepi64_epi128(block, pair, 0x00),
                                     _mm512_clmulepi64_epi128(block, pair, 0x11), next, 0x96);  // a ^ b ^ c
}

// The zero-masking form, because the plain one trips a false uninitialised warning in GCC 12.
template <int index>
QUIL_FOLD512_TARGET inline __m128i Lane(__m512i block)
{
    return _mm512_maskz_extracti32x4_epi32(0xF, block, index);
}

}  // namespace

bool CpuCanFold128()
{
    __builtin_cpu_init();
    return __builtin_cpu_supports("pclmul") && __builtin_cpu_supports("sse4.1");
}

bool CpuCanFold256()
{
    __builtin_cpu_init();
    return CpuCanFold128() && __builtin_cpu_supports("avx2") && __builtin_cpu_supports("vpclmulqdq");
}

bool CpuCanFold512()
{
    __builtin_cpu_init();
    return CpuCanFold128() && __builtin_cpu_supports("avx512f") && __builtin_cpu_supports("avx512vl") &&
           __builtin_cpu_supports("vpclmulqdq");
}

QUIL_FOLD128_TARGET std::uint32_t Crc32Fold128(std::uint32_t reg, const std::uint8_t* data, std::size_t size)
{
    if (size < 64)
        return Crc32Slicing16(reg, data, size);
    // XORing the register into the first four bytes lets the folding start from a zero register.
    __m128i x0 = _mm_xor_si128(Load128(data), _mm_cvtsi32_si128(static_cast<int>(reg)));
    __m128i x1 = Load128(data + 16);
    __m128i x2 = Load128(data + 32);
    __m128i x3 = Load128(data + 48);
    data += 64;
    size -= 64;

    // Four independent chains keep the multiplier busy while each result is pending.
    const __m128i fold512 = Pair128(kFold512);
    for (; size >= 64; data += 64, size -= 64) {
        x0 = Fold(x0, fold512, Load128(data));
        x1 = Fold(x1, fold512, Load128(data + 16));
        x2 = Fold(x2, fold512, Load128(data + 32));
        x3 = Fold(x3, fold512, Load128(data + 48));
    }
    const __m128i fold128 = Pair128(kFold128);
    const __m128i block = Fold(Fold(Fold(x0, fold128, x1), fold128, x2), fold128, x3);
    reg = FoldRestAndReduce(block, data, size);
    return Crc32Bytewise(reg, data, size);
}

QUIL_FOLD256_TARGET std::uint32_t Crc32Fold256(std::uint32_t reg, const std::uint8_t* data, std::size_t size)
{
    if (size < 128)
        return Crc32Fold128(reg, data, size);
    __m256i y0 = _mm256_xor_si256(Load256(data), _mm256_zextsi128_si256(_mm_cvtsi32_si128(static_cast<int>(reg))));
    __m256i y1 = Load256(data + 32);
    __m256i y2 = Load256(data + 64);
    __m256i y3 = Load256(data + 96);
    data += 128;
    size -= 128;

    const __m256i fold1024 = Broadcast256(kFold1024);
    for (; size >= 128; data += 128, size -= 128) {
        y0 = Fold(y0, fold1024, Load256(data));
        y1 = Fold(y1, fold1024, Load256(data + 32));
        y2 = Fold(y2, fold1024, Load256(data + 64));
        y3 = Fold(y3, fold1024, Load256(data + 96));
    }
    const __m256i fold256 = Broadcast256(kFold256);
    __m256i y = Fold(Fold(Fold(y0, fold256, y1), fold256, y2), fold256, y3);
    for (; size >= 32; data += 32, size -= 32)
        y = Fold(y, fold256, Load256(data));

    const __m128i block = Fold(_mm256_castsi256_si128(y), Pair128(kFold128), _mm256_extracti128_si256(y, 1));
    _mm256_zeroupper();
    reg = FoldRestAndReduce(block, data, size);
    return Crc32Bytewise(reg, data, size);
}

QUIL_FOLD512_TARGET std::uint32_t Crc32Fold512(std::uint32_t reg, const std::uint8_t* data, std::size_t size)
{
    if (size < 256)
        return Crc32Fold128(reg, data, size);
    __m512i z0 = _mm512_xor_si512(Load512(data), _mm512_zextsi128_si512(_mm_cvtsi32_si128(static_cast<int>(reg))));
    __m512i z1 = Load512(data + 64);
    __m512i z2 = Load512(data + 128);
    __m512i z3 = Load512(data + 192);
    data += 256;
    size -= 256;

    const __m512i fold2048 = Broadcast(kFold2048);
    for (; size >= 256; data += 256, size -= 256) {
        z0 = Fold(z0, fold2048, Load512(data));
        z1 = Fold(z1, fold2048, Load512(data + 64));
        z2 = Fold(z2, fold2048, Load512(data + 128));
        z3 = Fold(z3, fold2048, Load512(data + 192));
    }
    const __m512i fold512 = Broadcast(kFold512);
    __m512i z = Fold(Fold(Fold(z0, fold512, z1), fold512, z2), fold512, z3);
    for (; size >= 64; data += 64, size -= 64)
        z = Fold(z, fold512, Load512(data));

    const __m128i fold128 = Pair128(kFold128);
    const __m128i block = Fold(Fold(Fold(Lane<0>(z), fold128, Lane<1>(z)), fold128, Lane<2>(z)), fold128, Lane<3>(z));
    // Leaving the wide registers dirty would slow down the SSE code that runs next.
    _mm256_zeroupper();
    reg = FoldRestAndReduce(block, data, size);
    return Crc32Bytewise(reg, data, size);
}

}  // namespace quil::crc

#endif
