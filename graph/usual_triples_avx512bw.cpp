// The fast path for AVX-512BW: a window is classified in one register, and
// checked whole before its triples are taken. On every processor with
// AVX-512BW, pdep is fast.
#include <immintrin.h>

#include "graph/internal/fast_path_kernels.h"
#include "graph/internal/usual_triples_kernel.h"

namespace graph_internal {

static_assert(
    builtFor("avx512bw"),
    "graph/usual_triples_avx512bw.cpp is built for other instruction sets than the avx512bw "
    "kernel needs: see GRAPH_FAST_PATH_FLAGS in CMakeLists.txt");

namespace {

inline WindowMasks classifyAvx512(const char* window) {
    const __m512i bytes = _mm512_loadu_si512(window);
    const __m512i controls = _mm512_sub_epi8(bytes, _mm512_set1_epi8('\t'));
    const __m512i digits = _mm512_sub_epi8(bytes, _mm512_set1_epi8('0'));
    return {_mm512_cmpeq_epi8_mask(bytes, _mm512_set1_epi8(' ')) |
                _mm512_cmple_epu8_mask(controls, _mm512_set1_epi8(4)),
            _mm512_cmple_epu8_mask(digits, _mm512_set1_epi8(9)),
            _mm512_cmpeq_epi8_mask(bytes, _mm512_set1_epi8('-')) |
                _mm512_cmpeq_epi8_mask(bytes, _mm512_set1_epi8('+'))};
}

// Takes a window's triples checked all at once: each name a single byte,
// each weight an optional sign and 1 to 8 digits. A window that is not of
// the usual shape throughout is taken triple by triple. takeEight, in
// usual_triples_avx512vbmi2.cpp, makes the same check.
std::size_t takeCheckedWindow(const char* window, const WindowMasks& masks, std::uint64_t starts,
                              std::uint64_t ends, std::size_t whole, EdgeTriple* out,
                              unsigned& at) {
    const std::uint64_t items = (std::uint64_t{1} << (3 * whole)) - 1;
    const std::uint64_t nameStarts = _pdep_u64(kNameItems & items, starts);
    const std::uint64_t nameEnds = _pdep_u64(kNameItems & items, ends);
    std::uint64_t weightStarts = _pdep_u64(kWeightItems & items, starts);
    std::uint64_t weightEnds = _pdep_u64(kWeightItems & items, ends);
    // Each weight's bytes, its first through its last: ranges that never
    // touch, so their sum is their union.
    const std::uint64_t weightBytes = (weightEnds << 1) - weightStarts;
    const std::uint64_t weightDigits = weightBytes & masks.digit;
    const std::uint64_t atLeastTwo = weightDigits & (weightDigits >> 1);
    const std::uint64_t atLeastFour = atLeastTwo & (atLeastTwo >> 2);
    const std::uint64_t atLeastNine = (atLeastFour & (atLeastFour >> 4)) & (weightDigits >> 8);
    const std::uint64_t signs = weightStarts & masks.sign & (weightDigits >> 1);
    if (nameStarts != nameEnds || (weightBytes & ~masks.digit & ~signs) != 0 || atLeastNine != 0) {
        return takeTriples(window, masks, starts, whole, out, at);
    }
    std::uint64_t names = nameStarts;
    for (std::size_t count = 0; count < whole; ++count) {
        const unsigned source = takeLowest(names);
        const unsigned target = takeLowest(names);
        const unsigned weight = takeLowest(weightStarts);
        const unsigned weightEnd = takeLowest(weightEnds) + 1;
        const unsigned sign = static_cast<unsigned>(masks.sign >> weight) & 1;
        const std::uint32_t magnitude =
            digitsValue(window + weight + sign, weightEnd - weight - sign);
        const std::uint32_t negative = sign & static_cast<unsigned>(window[weight] == '-');
        out[count] = {static_cast<int>((magnitude ^ (0 - negative)) + negative), window[source],
                      window[target]};
        at = weightEnd;
    }
    return whole;
}

// Adds the sums of `blocks` blocks of 64 bytes from `begin`.
inline void sumBlocks(const char* begin, std::size_t blocks, ByteSums& sums) {
    alignas(64) static const char kWeights[64] = {
        0,  1,  2,  3,  4,  5,  6,  7,  8,  9,  10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20, 21,
        22, 23, 24, 25, 26, 27, 28, 29, 30, 31, 32, 33, 34, 35, 36, 37, 38, 39, 40, 41, 42, 43,
        44, 45, 46, 47, 48, 49, 50, 51, 52, 53, 54, 55, 56, 57, 58, 59, 60, 61, 62, 63};
    const __m512i zero = _mm512_setzero_si512();
    const __m512i weights = _mm512_load_si512(kWeights);
    __m512i sum = zero;        // of the bytes so far, in 8 lanes
    __m512i sumOfSums = zero;  // of `sum` after each block
    __m512i placed = zero;     // of each byte times its place within its block
    for (std::size_t done = 0; done < blocks;) {
        // Within-block products fit 32 bits for this many blocks at a time.
        const std::size_t batch = blocks - done < 16384 ? blocks - done : 16384;
        __m512i within = zero;
        for (const char* block = begin + 64 * done; block != begin + 64 * (done + batch);
             block += 64) {
            const __m512i bytes = _mm512_loadu_si512(block);
            sum = _mm512_add_epi64(sum, _mm512_sad_epu8(bytes, zero));
            sumOfSums = _mm512_add_epi64(sumOfSums, sum);
            sums.lineFeeds += static_cast<std::uint64_t>(
                __builtin_popcountll(_mm512_cmpeq_epi8_mask(bytes, _mm512_set1_epi8('\n'))));
            within = _mm512_add_epi32(
                within,
                _mm512_madd_epi16(_mm512_maddubs_epi16(bytes, weights), _mm512_set1_epi16(1)));
        }
        placed = _mm512_add_epi64(placed, _mm512_cvtepu32_epi64(_mm512_castsi512_si256(within)));
        placed =
            _mm512_add_epi64(placed, _mm512_cvtepu32_epi64(_mm512_extracti64x4_epi64(within, 1)));
        done += batch;
    }
    const auto total = static_cast<std::uint64_t>(_mm512_reduce_add_epi64(sum));
    sums.bytes += total;
    sums.placed +=
        64 * placedBlocks(blocks, total,
                          static_cast<std::uint64_t>(_mm512_reduce_add_epi64(sumOfSums))) +
        static_cast<std::uint64_t>(_mm512_reduce_add_epi64(placed));
}

}  // namespace

ByteSums byteSumsAvx512bw(const char* begin, const char* end) {
    return byteSumsBy<64>(begin, end, sumBlocks);
}

std::size_t parseUsualTriplesAvx512bw(const char*& next, const char* end, EdgeTriple* out,
                                      std::size_t capacity) {
    return parseUsual(next, end, out, capacity, classifyAvx512, takeCheckedWindow);
}

}  // namespace graph_internal
