// The fast path for AVX-512: a window is classified in one register, and
// checked whole before its triples are taken. Built with AVX-512BW and BMI2
// enabled, and called only on machines that have them; on every such machine
// pdep is fast.
#include <immintrin.h>

#include "graph/internal/usual_triples_kernel.h"

namespace graph_internal {
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

// The items of the first `whole` triples that are names (1) or weights (2),
// as bits in item order: 011 repeated, or 100 repeated.
constexpr std::uint64_t kNameItems = 0x6DB6DB6DB6DB6DB6 >> 1;
constexpr std::uint64_t kWeightItems = 0x4924924924924924;

// Takes a window's triples checked all at once: each name a single byte,
// each weight an optional sign and 1 to 8 digits. A window that is not of
// the usual shape throughout is taken triple by triple.
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

inline std::size_t lineFeedsIn(const char* block) {
    const __m512i bytes = _mm512_loadu_si512(block);
    return static_cast<std::size_t>(
        __builtin_popcountll(_mm512_cmpeq_epi8_mask(bytes, _mm512_set1_epi8('\n'))));
}

}  // namespace

std::size_t countLineFeedsAvx512(const char* begin, const char* end) {
    return countLineFeedsBy<64>(begin, end, lineFeedsIn);
}

std::size_t parseUsualTriplesAvx512(const char*& next, const char* end, EdgeTriple* out,
                                    std::size_t capacity) {
    return parseUsual(next, end, out, capacity, classifyAvx512, takeCheckedWindow);
}

}  // namespace graph_internal
