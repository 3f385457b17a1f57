// The fast path for AVX-512 with VBMI2: the triples of a window are taken
// all at once. Their weights' digits are gathered into eight 8-byte lanes,
// converted together, and written out with their names in one store. On
// every processor with VBMI2, pdep and pext are fast.
#include <immintrin.h>

#include <cstddef>

#include "graph/internal/fast_path_kernels.h"
#include "graph/internal/usual_triples_kernel.h"

namespace graph_internal {

static_assert(
    builtFor("avx512vbmi2"),
    "graph/usual_triples_avx512vbmi2.cpp is built for other instruction sets than the avx512vbmi2 "
    "kernel needs: see GRAPH_FAST_PATH_FLAGS in CMakeLists.txt");

namespace {

struct Classes {
    WindowMasks masks;
    std::uint64_t minus;
};

inline Classes classify(const __m512i bytes) {
    const __m512i controls = _mm512_sub_epi8(bytes, _mm512_set1_epi8('\t'));
    const __m512i digits = _mm512_sub_epi8(bytes, _mm512_set1_epi8('0'));
    const std::uint64_t minus = _mm512_cmpeq_epi8_mask(bytes, _mm512_set1_epi8('-'));
    return {{_mm512_cmpeq_epi8_mask(bytes, _mm512_set1_epi8(' ')) |
                 _mm512_cmple_epu8_mask(controls, _mm512_set1_epi8(4)),
             _mm512_cmple_epu8_mask(digits, _mm512_set1_epi8(9)),
             minus | _mm512_cmpeq_epi8_mask(bytes, _mm512_set1_epi8('+'))},
            minus};
}

// Byte i of a vector: i; i / 8, the lane it is in; and i % 8 - 7.
alignas(64) constexpr char kPlace[64] = {
    0,  1,  2,  3,  4,  5,  6,  7,  8,  9,  10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20, 21,
    22, 23, 24, 25, 26, 27, 28, 29, 30, 31, 32, 33, 34, 35, 36, 37, 38, 39, 40, 41, 42, 43,
    44, 45, 46, 47, 48, 49, 50, 51, 52, 53, 54, 55, 56, 57, 58, 59, 60, 61, 62, 63};
alignas(64) constexpr char kLane[64] = {
    0, 0, 0, 0, 0, 0, 0, 0, 1, 1, 1, 1, 1, 1, 1, 1, 2, 2, 2, 2, 2, 2, 2, 2, 3, 3, 3, 3, 3, 3, 3, 3,
    4, 4, 4, 4, 4, 4, 4, 4, 5, 5, 5, 5, 5, 5, 5, 5, 6, 6, 6, 6, 6, 6, 6, 6, 7, 7, 7, 7, 7, 7, 7, 7};
alignas(64) constexpr char kBeforeLast[64] = {
    -7, -6, -5, -4, -3, -2, -1, 0,  -7, -6, -5, -4, -3, -2, -1, 0,  -7, -6, -5, -4, -3, -2,
    -1, 0,  -7, -6, -5, -4, -3, -2, -1, 0,  -7, -6, -5, -4, -3, -2, -1, 0,  -7, -6, -5, -4,
    -3, -2, -1, 0,  -7, -6, -5, -4, -3, -2, -1, 0,  -7, -6, -5, -4, -3, -2, -1, 0};
// Each triple's 8 bytes: its value's four, then its two names (64 on).
alignas(64) constexpr char kLayout[64] = {
    0,  1,  2,  3,  64, 65, 4,  4,  8,  9,  10, 11, 66, 67, 12, 12, 16, 17, 18, 19, 68, 69,
    20, 20, 24, 25, 26, 27, 70, 71, 28, 28, 32, 33, 34, 35, 72, 73, 36, 36, 40, 41, 42, 43,
    74, 75, 44, 44, 48, 49, 50, 51, 76, 77, 52, 52, 56, 57, 58, 59, 78, 79, 60, 60};
static_assert(sizeof(EdgeTriple) == 8 && offsetof(EdgeTriple, source) == 4 &&
                  offsetof(EdgeTriple, target) == 5,
              "the layout above writes EdgeTriple as it lies in memory");

// Takes up to eight triples from the window's start, checked all at once;
// returns how many, with `at` where the next triple starts, or 0 when the
// window is not of the usual shape throughout (the caller then takes it
// triple by triple). The shape check is takeCheckedWindow's in
// usual_triples_avx512bw.cpp, written out here too: shared as one function, it
// changed how both loops were compiled and cost 6 % to 35 % of a reading.
inline std::size_t takeEight(const __m512i bytes, const Classes& classes, std::uint64_t starts,
                             std::uint64_t ends, std::size_t whole, EdgeTriple* out, unsigned& at) {
    const WindowMasks& masks = classes.masks;
    const std::size_t count = whole < 8 ? whole : 8;
    const std::uint64_t items = (std::uint64_t{1} << (3 * count)) - 1;
    const std::uint64_t nameStarts = _pdep_u64(kNameItems & items, starts);
    const std::uint64_t nameEnds = _pdep_u64(kNameItems & items, ends);
    const std::uint64_t weightStarts = _pdep_u64(kWeightItems & items, starts);
    const std::uint64_t weightEnds = _pdep_u64(kWeightItems & items, ends);
    const std::uint64_t weightBytes = (weightEnds << 1) - weightStarts;
    const std::uint64_t weightDigits = weightBytes & masks.digit;
    const std::uint64_t atLeastTwo = weightDigits & (weightDigits >> 1);
    const std::uint64_t atLeastFour = atLeastTwo & (atLeastTwo >> 2);
    const std::uint64_t atLeastNine = (atLeastFour & (atLeastFour >> 4)) & (weightDigits >> 8);
    const std::uint64_t signs = weightStarts & masks.sign & (weightDigits >> 1);
    if (nameStarts != nameEnds || (weightBytes & ~masks.digit & ~signs) != 0 || atLeastNine != 0) {
        return 0;
    }
    const __m512i place = _mm512_load_si512(kPlace);
    // Per lane k: the place of weight k's last digit, and of its first.
    const __m512i lastDigits = _mm512_maskz_compress_epi8(weightEnds, place);
    const __m512i firstDigits =
        _mm512_maskz_compress_epi8(weightStarts ^ signs ^ (signs << 1), place);
    const __m512i lane = _mm512_load_si512(kLane);
    const __m512i first = _mm512_permutexvar_epi8(lane, firstDigits);
    // Byte b of lane k takes the digit 7 - b places before the last, when
    // there is one: the number stands right-aligned after leading zeros.
    const __m512i from =
        _mm512_add_epi8(_mm512_permutexvar_epi8(lane, lastDigits), _mm512_load_si512(kBeforeLast));
    const __mmask64 isDigit = _mm512_cmpge_epi8_mask(from, first);
    const __m512i digits =
        _mm512_maskz_sub_epi8(isDigit, _mm512_permutexvar_epi8(from, bytes), _mm512_set1_epi8('0'));
    const __m512i pairs = _mm512_maddubs_epi16(digits, _mm512_set1_epi16(0x010A));
    const __m512i fours = _mm512_madd_epi16(pairs, _mm512_set1_epi32(0x00010064));
    __m512i values = _mm512_add_epi64(_mm512_mul_epu32(fours, _mm512_set1_epi64(10000)),
                                      _mm512_srli_epi64(fours, 32));
    const auto negative = static_cast<__mmask8>(_pext_u64(classes.minus & signs, weightStarts));
    values = _mm512_mask_sub_epi64(values, negative, _mm512_setzero_si512(), values);
    const __m512i names = _mm512_maskz_compress_epi8(nameStarts, bytes);
    const __m512i triples = _mm512_permutex2var_epi8(values, _mm512_load_si512(kLayout), names);
    const __mmask64 written = count == 8 ? ~__mmask64{0} : (__mmask64{1} << (8 * count)) - 1;
    _mm512_mask_storeu_epi8(out, written, triples);
    at = 64 - static_cast<unsigned>(__builtin_clzll(weightEnds));
    return count;
}

}  // namespace

// parseUsual's window loop, written out for speed: expressed through
// parseUsual, with takeEight and its fallback as the window's take (`whole`
// clamped to 8 there or here, the window's bytes loaded again or handed on),
// the loop compiled otherwise and this kernel took 8 % to 17 % longer over
// 100M triples in memory (the fastest of 30 passes alternated with this
// loop; 2 % to 7 % by the median). As there, an item that reaches the
// window's last byte is not taken as ended, and reading stops where the
// triples taken one by one end before the window's whole ones.
std::size_t parseUsualTriplesAvx512vbmi2(const char*& next, const char* end, EdgeTriple* out,
                                         std::size_t capacity) {
    const char* window = next;
    std::size_t count = 0;
    while (count < capacity && static_cast<std::size_t>(end - window) >= kUsualTriplesReach) {
        const __m512i bytes = _mm512_loadu_si512(window);
        const Classes classes = classify(bytes);
        const std::uint64_t item = ~classes.masks.space;
        const std::uint64_t starts = item & ~(item << 1);
        const std::uint64_t ends = item & ~(item >> 1) & ~(std::uint64_t{1} << 63);
        const auto inWindow = static_cast<std::size_t>(__builtin_popcountll(ends)) / 3;
        const std::size_t whole = inWindow < capacity - count ? inWindow : capacity - count;
        if (whole == 0) {
            break;  // a triple longer than a window
        }
        unsigned at = 0;
        std::size_t taken = takeEight(bytes, classes, starts, ends, whole, out + count, at);
        if (taken == 0) {
            taken = takeTriples(window, classes.masks, starts, whole, out + count, at);
            count += taken;
            window += at;
            if (taken < whole) {
                break;
            }
            continue;
        }
        count += taken;
        window += at;
    }
    next = window;
    return count;
}

}  // namespace graph_internal
