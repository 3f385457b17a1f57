// The fast path for AVX2: a window is classified 32 bytes at a time.
#include <immintrin.h>

#include "graph/internal/fast_path_kernels.h"
#include "graph/internal/usual_triples_kernel.h"

namespace graph_internal {

static_assert(builtFor("avx2"),
              "graph/usual_triples_avx2.cpp is built for other instruction sets than the avx2 "
              "kernel needs: see GRAPH_FAST_PATH_FLAGS in CMakeLists.txt");

namespace {

// Bytes `low` to `low + span` of `bytes`, as a mask: unsigned byte - low <= span.
inline std::uint32_t inRange(__m256i bytes, char low, char span) {
    const __m256i shifted = _mm256_sub_epi8(bytes, _mm256_set1_epi8(low));
    const __m256i within =
        _mm256_cmpeq_epi8(_mm256_min_epu8(shifted, _mm256_set1_epi8(span)), shifted);
    return static_cast<std::uint32_t>(_mm256_movemask_epi8(within));
}

inline std::uint32_t spaces(__m256i bytes) {
    const __m256i blank = _mm256_cmpeq_epi8(bytes, _mm256_set1_epi8(' '));
    return static_cast<std::uint32_t>(_mm256_movemask_epi8(blank)) | inRange(bytes, '\t', 4);
}

inline WindowMasks classifyAvx2(const char* window) {
    const __m256i low = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(window));
    const __m256i high = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(window + 32));
    return {spaces(low) | std::uint64_t{spaces(high)} << 32,
            inRange(low, '0', 9) | std::uint64_t{inRange(high, '0', 9)} << 32, 0};
}

// Adds the sums of `blocks` blocks of 32 bytes from `begin`.
inline void sumBlocks(const char* begin, std::size_t blocks, ByteSums& sums) {
    const __m256i zero = _mm256_setzero_si256();
    const __m256i weights =
        _mm256_setr_epi8(0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20,
                         21, 22, 23, 24, 25, 26, 27, 28, 29, 30, 31);
    __m256i sum = zero;        // of the bytes so far, in 4 lanes
    __m256i sumOfSums = zero;  // of `sum` after each block
    __m256i placed = zero;     // of each byte times its place within its block
    for (std::size_t done = 0; done < blocks;) {
        // Within-block products fit 32 bits for this many blocks at a time.
        const std::size_t batch = blocks - done < 16384 ? blocks - done : 16384;
        __m256i within = zero;
        for (const char* block = begin + 32 * done; block != begin + 32 * (done + batch);
             block += 32) {
            const __m256i bytes = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(block));
            sum = _mm256_add_epi64(sum, _mm256_sad_epu8(bytes, zero));
            sumOfSums = _mm256_add_epi64(sumOfSums, sum);
            sums.lineFeeds += static_cast<std::uint64_t>(__builtin_popcount(static_cast<unsigned>(
                _mm256_movemask_epi8(_mm256_cmpeq_epi8(bytes, _mm256_set1_epi8('\n'))))));
            within = _mm256_add_epi32(
                within,
                _mm256_madd_epi16(_mm256_maddubs_epi16(bytes, weights), _mm256_set1_epi16(1)));
        }
        placed = _mm256_add_epi64(placed, _mm256_cvtepu32_epi64(_mm256_castsi256_si128(within)));
        placed =
            _mm256_add_epi64(placed, _mm256_cvtepu32_epi64(_mm256_extracti128_si256(within, 1)));
        done += batch;
    }
    alignas(32) std::uint64_t lanes[3][4];
    _mm256_store_si256(reinterpret_cast<__m256i*>(lanes[0]), sum);
    _mm256_store_si256(reinterpret_cast<__m256i*>(lanes[1]), sumOfSums);
    _mm256_store_si256(reinterpret_cast<__m256i*>(lanes[2]), placed);
    std::uint64_t totals[3] = {0, 0, 0};
    for (int i = 0; i < 3; ++i) {
        totals[i] = lanes[i][0] + lanes[i][1] + lanes[i][2] + lanes[i][3];
    }
    sums.bytes += totals[0];
    sums.placed += 32 * placedBlocks(blocks, totals[0], totals[1]) + totals[2];
}

}  // namespace

ByteSums byteSumsAvx2(const char* begin, const char* end) {
    return byteSumsBy<32>(begin, end, sumBlocks);
}

std::size_t parseUsualTriplesAvx2(const char*& next, const char* end, EdgeTriple* out,
                                  std::size_t capacity) {
    return parseUsual(next, end, out, capacity, classifyAvx2, takeEachTriple);
}

}  // namespace graph_internal
