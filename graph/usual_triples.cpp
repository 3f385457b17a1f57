// Chooses the fast path's code for the machine it runs on, once.
#include "graph/internal/usual_triples.h"

#include "graph/internal/usual_triples_kernel.h"

#if defined(__x86_64__)
#include <emmintrin.h>
#endif

namespace graph_internal {
namespace {

using Parse = std::size_t (*)(const char*&, const char*, EdgeTriple*, std::size_t);

std::size_t parsePortable(const char*& next, const char* end, EdgeTriple* out,
                          std::size_t capacity) {
    return parseUsual(next, end, out, capacity, classifyBytes, takeEachTriple);
}

#if defined(__x86_64__)
// Whether the machine runs what the AVX2 and the AVX-512 sources are built
// for, bit manipulation and population counts included.
bool hasBitInstructions() {
    __builtin_cpu_init();
    return __builtin_cpu_supports("bmi") && __builtin_cpu_supports("bmi2") &&
           __builtin_cpu_supports("popcnt");
}

bool hasAvx2() {
    return hasBitInstructions() && __builtin_cpu_supports("avx2");
}

bool hasAvx512() {
    return hasBitInstructions() && __builtin_cpu_supports("avx512f") &&
           __builtin_cpu_supports("avx512bw");
}

bool hasAvx512Vbmi() {
    return hasAvx512() && __builtin_cpu_supports("avx512vbmi") &&
           __builtin_cpu_supports("avx512vbmi2");
}

// SSE2 is part of every x86-64 machine: a window is classified 16 bytes at a
// time.
inline std::uint64_t inRange(__m128i bytes, char low, char span) {
    const __m128i shifted = _mm_sub_epi8(bytes, _mm_set1_epi8(low));
    const __m128i within = _mm_cmpeq_epi8(_mm_min_epu8(shifted, _mm_set1_epi8(span)), shifted);
    return static_cast<std::uint16_t>(_mm_movemask_epi8(within));
}

inline WindowMasks classifySse2(const char* window) {
    WindowMasks masks{0, 0, 0};
    for (unsigned part = 0; part < 4; ++part) {
        const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(window + 16 * part));
        const auto blank = static_cast<std::uint16_t>(
            _mm_movemask_epi8(_mm_cmpeq_epi8(bytes, _mm_set1_epi8(' '))));
        masks.space |= (blank | inRange(bytes, '\t', 4)) << (16 * part);
        masks.digit |= inRange(bytes, '0', 9) << (16 * part);
    }
    return masks;
}

std::size_t parseSse2(const char*& next, const char* end, EdgeTriple* out, std::size_t capacity) {
    return parseUsual(next, end, out, capacity, classifySse2, takeEachTriple);
}

// Adds the sums of `blocks` blocks of 16 bytes from `begin`.
void sumBlocksSse2(const char* begin, std::size_t blocks, ByteSums& sums) {
    const __m128i zero = _mm_setzero_si128();
    const __m128i low = _mm_setr_epi16(0, 1, 2, 3, 4, 5, 6, 7);
    const __m128i high = _mm_setr_epi16(8, 9, 10, 11, 12, 13, 14, 15);
    __m128i sum = zero;        // of the bytes so far, in 2 lanes
    __m128i sumOfSums = zero;  // of `sum` after each block
    __m128i placed = zero;     // of each byte times its place within its block
    for (std::size_t done = 0; done < blocks;) {
        // Within-block products fit 32 bits for this many blocks at a time.
        const std::size_t batch = blocks - done < 16384 ? blocks - done : 16384;
        __m128i within = zero;
        for (const char* block = begin + 16 * done; block != begin + 16 * (done + batch);
             block += 16) {
            const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(block));
            sum = _mm_add_epi64(sum, _mm_sad_epu8(bytes, zero));
            sumOfSums = _mm_add_epi64(sumOfSums, sum);
            sums.lineFeeds += static_cast<std::uint64_t>(__builtin_popcount(static_cast<unsigned>(
                _mm_movemask_epi8(_mm_cmpeq_epi8(bytes, _mm_set1_epi8('\n'))))));
            within = _mm_add_epi32(within, _mm_madd_epi16(_mm_unpacklo_epi8(bytes, zero), low));
            within = _mm_add_epi32(within, _mm_madd_epi16(_mm_unpackhi_epi8(bytes, zero), high));
        }
        placed = _mm_add_epi64(placed, _mm_unpacklo_epi32(within, zero));
        placed = _mm_add_epi64(placed, _mm_unpackhi_epi32(within, zero));
        done += batch;
    }
    alignas(16) std::uint64_t lanes[3][2];
    _mm_store_si128(reinterpret_cast<__m128i*>(lanes[0]), sum);
    _mm_store_si128(reinterpret_cast<__m128i*>(lanes[1]), sumOfSums);
    _mm_store_si128(reinterpret_cast<__m128i*>(lanes[2]), placed);
    sums.bytes += lanes[0][0] + lanes[0][1];
    sums.placed += 16 * placedBlocks(blocks, lanes[0][0] + lanes[0][1], lanes[1][0] + lanes[1][1]) +
                   lanes[2][0] + lanes[2][1];
}

ByteSums byteSumsSse2(const char* begin, const char* end) {
    return byteSumsBy<16>(begin, end, sumBlocksSse2);
}

#endif

// The best code for `instructionSet` that this machine runs.
Parse parserFor(int instructionSet) {
#if defined(__x86_64__)
    if (instructionSet >= 4 && hasAvx512Vbmi()) {
        return parseUsualTriplesAvx512Vbmi;
    }
    if (instructionSet >= 3 && hasAvx512()) {
        return parseUsualTriplesAvx512;
    }
    if (instructionSet >= 2 && hasAvx2()) {
        return parseUsualTriplesAvx2;
    }
    if (instructionSet >= 1) {
        return parseSse2;
    }
#endif
    (void)instructionSet;
    return parsePortable;
}

using Sum = ByteSums (*)(const char*, const char*);

ByteSums byteSumsPortable(const char* begin, const char* end) {
    ByteSums sums{0, 0, 0};
    sumEachByte(begin, 0, end, sums);
    return sums;
}

// The best code for `instructionSet` that this machine runs, as parserFor.
Sum summerFor(int instructionSet) {
#if defined(__x86_64__)
    if (instructionSet >= 3 && hasAvx512()) {
        return byteSumsAvx512;
    }
    if (instructionSet >= 2 && hasAvx2()) {
        return byteSumsAvx2;
    }
    if (instructionSet >= 1) {
        return byteSumsSse2;
    }
#endif
    (void)instructionSet;
    return byteSumsPortable;
}

// Σ (b + 1)(offset + j + 1 + key) over the bytes b at places j from 0.
WindowSums windowSumsOf(const ByteSums& sums, std::size_t length, std::uint64_t offset) {
    const std::uint64_t plusOne = sums.bytes + length;
    const std::uint64_t placedPlusOne =
        sums.placed + (length % 2 == 0 ? length / 2 * (length - 1) : (length - 1) / 2 * length);
    return {sums.lineFeeds, placedPlusOne + (offset + 1 + kFingerprintKey) * plusOne};
}

}  // namespace

WindowSums windowSums(const char* begin, const char* end, std::uint64_t offset) {
    static const Sum sumsOf = summerFor(4);
    return windowSumsOf(sumsOf(begin, end), static_cast<std::size_t>(end - begin), offset);
}

WindowSums windowSumsWith(int instructionSet, const char* begin, const char* end,
                          std::uint64_t offset) {
    return windowSumsOf(summerFor(instructionSet)(begin, end),
                        static_cast<std::size_t>(end - begin), offset);
}

std::size_t parseUsualTriples(const char*& next, const char* end, EdgeTriple* out,
                              std::size_t capacity) {
    static const Parse parse = parserFor(4);
    return parse(next, end, out, capacity);
}

std::size_t parseUsualTriplesWith(int instructionSet, const char*& next, const char* end,
                                  EdgeTriple* out, std::size_t capacity) {
    return parserFor(instructionSet)(next, end, out, capacity);
}

}  // namespace graph_internal
