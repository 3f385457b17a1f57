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

std::size_t countLineFeedsSse2(const char* begin, const char* end) {
    return countLineFeedsBy<16>(begin, end, [](const char* block) {
        const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(block));
        const auto feeds =
            static_cast<unsigned>(_mm_movemask_epi8(_mm_cmpeq_epi8(bytes, _mm_set1_epi8('\n'))));
        return static_cast<std::size_t>(__builtin_popcount(feeds));
    });
}
#endif

using Count = std::size_t (*)(const char*, const char*);

Count counterFor() {
#if defined(__x86_64__)
    if (hasAvx512()) {
        return countLineFeedsAvx512;
    }
    if (hasAvx2()) {
        return countLineFeedsAvx2;
    }
    return countLineFeedsSse2;
#else
    return [](const char* begin, const char* end) {
        return countLineFeedsBy<1>(begin, end,
                                   [](const char* byte) { return std::size_t{*byte == '\n'}; });
    };
#endif
}

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

}  // namespace

std::size_t parseUsualTriples(const char*& next, const char* end, EdgeTriple* out,
                              std::size_t capacity) {
    static const Parse parse = parserFor(4);
    return parse(next, end, out, capacity);
}

std::size_t countLineFeeds(const char* begin, const char* end) {
    static const Count count = counterFor();
    return count(begin, end);
}

std::size_t parseUsualTriplesWith(int instructionSet, const char*& next, const char* end,
                                  EdgeTriple* out, std::size_t capacity) {
    return parserFor(instructionSet)(next, end, out, capacity);
}

}  // namespace graph_internal
