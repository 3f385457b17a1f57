// The fast path for AVX2: a window is classified 32 bytes at a time. Built
// with AVX2 enabled, and called only on machines that have it.
#include <immintrin.h>

#include "graph/internal/usual_triples_kernel.h"

namespace graph_internal {
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

inline std::size_t lineFeedsIn(const char* block) {
    const __m256i bytes = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(block));
    const auto feeds = static_cast<std::uint32_t>(
        _mm256_movemask_epi8(_mm256_cmpeq_epi8(bytes, _mm256_set1_epi8('\n'))));
    return static_cast<std::size_t>(__builtin_popcount(feeds));
}

}  // namespace

std::size_t countLineFeedsAvx2(const char* begin, const char* end) {
    return countLineFeedsBy<32>(begin, end, lineFeedsIn);
}

std::size_t parseUsualTriplesAvx2(const char*& next, const char* end, EdgeTriple* out,
                                  std::size_t capacity) {
    return parseUsual(next, end, out, capacity, classifyAvx2, takeEachTriple);
}

}  // namespace graph_internal
