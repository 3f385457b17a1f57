// The fast path for SSE2, which every x86-64 processor has: a window is
// classified 16 bytes at a time.
#include <emmintrin.h>

#include "graph/internal/fast_path_kernels.h"
#include "graph/internal/usual_triples_kernel.h"

namespace graph_internal {

static_assert(builtFor("sse2"),
              "graph/usual_triples_sse2.cpp is built for other instruction sets than the sse2 "
              "kernel needs: see GRAPH_FAST_PATH_FLAGS in CMakeLists.txt");

namespace {

// Bytes `low` to `low + span` of `bytes`, as a mask: unsigned byte - low <= span.
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

// Adds the sums of `blocks` blocks of 16 bytes from `begin`.
inline void sumBlocks(const char* begin, std::size_t blocks, ByteSums& sums) {
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

}  // namespace

std::size_t parseUsualTriplesSse2(const char*& next, const char* end, EdgeTriple* out,
                                  std::size_t capacity) {
    return parseUsual(next, end, out, capacity, classifySse2, takeEachTriple);
}

ByteSums byteSumsSse2(const char* begin, const char* end) {
    return byteSumsBy<16>(begin, end, sumBlocks);
}

}  // namespace graph_internal
