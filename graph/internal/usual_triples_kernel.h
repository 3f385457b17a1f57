// The parse behind parseUsualTriples, over 64-byte windows whose bytes a
// `Classify` marks as whitespace or digits. Each instruction set's source
// file includes this and is compiled for that set; everything here has
// internal linkage, so that no code built for one set stands in for another's.
#ifndef GRAPH_INTERNAL_USUAL_TRIPLES_KERNEL_H_
#define GRAPH_INTERNAL_USUAL_TRIPLES_KERNEL_H_

#include <cstddef>
#include <cstdint>
#include <cstring>

#include "graph/internal/usual_triples.h"

// GCC 12's AVX-512 intrinsics start from an undefined vector, which it then
// warns is or may be used uninitialized: about its own headers.
#if defined(__GNUC__) && !defined(__clang__)
#pragma GCC diagnostic ignored "-Wuninitialized"
#pragma GCC diagnostic ignored "-Wmaybe-uninitialized"
#endif

namespace graph_internal {
namespace {

// Bit i set when byte i of a window is whitespace (blank, \t \n \v \f \r), a
// decimal digit, or a sign ('+' or '-'; only the AVX-512 code sets these).
struct WindowMasks {
    std::uint64_t space;
    std::uint64_t digit;
    std::uint64_t sign = 0;
};

// Classifies a window one byte at a time: the portable way.
inline WindowMasks classifyBytes(const char* window) {
    WindowMasks masks{0, 0, 0};
    for (unsigned i = 0; i < 64; ++i) {
        const auto byte = static_cast<unsigned char>(window[i]);
        masks.space |= std::uint64_t{byte == ' ' || (byte >= '\t' && byte <= '\r')} << i;
        masks.digit |= std::uint64_t{byte >= '0' && byte <= '9'} << i;
    }
    return masks;
}

// The items of a window's first triples that are names (1) or weights (2),
// as bits in item order: 011 repeated, or 100 repeated.
constexpr std::uint64_t kNameItems = 0x36DB6DB6DB6DB6DB;
constexpr std::uint64_t kWeightItems = 0x4924924924924924;

// Takes the lowest set bit of `mask` and returns its place.
inline unsigned takeLowest(std::uint64_t& mask) {
    const auto place = static_cast<unsigned>(__builtin_ctzll(mask));
    mask &= mask - 1;
    return place;
}

// The value of 1 to 8 decimal digits at `digits`, whose 8 bytes from there
// may be read.
inline std::uint32_t digitsValue(const char* digits, unsigned count) {
#if defined(__BYTE_ORDER__) && __BYTE_ORDER__ == __ORDER_LITTLE_ENDIAN__
    if (count <= 4) {
        // Most weights are short: four digits take half the work of eight.
        std::uint32_t four;
        std::memcpy(&four, digits, sizeof four);
        four = (four - 0x30303030) << (8 * (4 - count));
        four = (four * 10 + (four >> 8)) & 0x00FF00FF;
        return (four * ((100 << 16) + 1)) >> 16;
    }
    // All eight at once: the first in the lowest byte, those past `count`
    // shifted out so that the rest stand as leading zeros, then pairs, fours
    // and eights.
    std::uint64_t chunk;
    std::memcpy(&chunk, digits, sizeof chunk);
    chunk = (chunk - 0x3030303030303030) << (8 * (8 - count));
    chunk = chunk * 10 + (chunk >> 8);
    chunk = ((chunk & 0x000000FF000000FF) * (100 + (1000000ULL << 32)) +
             ((chunk >> 16) & 0x000000FF000000FF) * (1 + (10000ULL << 32))) >>
            32;
    return static_cast<std::uint32_t>(chunk);
#else
    std::uint32_t value = 0;
    for (unsigned i = 0; i < count; ++i) {
        value = value * 10 + static_cast<std::uint32_t>(digits[i] - '0');
    }
    return value;
#endif
}

// Takes the triples of the usual shape from a window's start, where a
// triple starts: its items come as source, target and weight, each a run of
// bytes that are not whitespace; the `whole` triples whose items all end
// within the window are looked at. Returns how many were taken, with `at` where
// the next triple starts; fewer than `whole` when one is not of the usual shape.
inline std::size_t takeTriples(const char* window, const WindowMasks& masks, std::uint64_t starts,
                               std::size_t whole, EdgeTriple* out, unsigned& at) {
    std::size_t count = 0;
    for (; count < whole; ++count) {
        const unsigned source = takeLowest(starts);
        const unsigned target = takeLowest(starts);
        const unsigned weight = takeLowest(starts);
        const unsigned weightEnd =
            weight + static_cast<unsigned>(
                         __builtin_ctzll((masks.space >> weight) | (std::uint64_t{1} << 63)));
        // Of the weight's bytes, those that are not digits: none, or a
        // first one that must be a sign.
        const std::uint64_t notDigits =
            ((std::uint64_t{1} << (weightEnd & 63)) - (std::uint64_t{1} << weight)) & ~masks.digit;
        const char first = window[weight];
        const unsigned sign = notDigits != 0;
        const unsigned digits = weightEnd - weight - sign;
        const bool namesAlone =
            (masks.space >> (source + 1) & masks.space >> (target + 1) & 1) != 0;
        const bool signOnly =
            notDigits == (std::uint64_t{1} << weight) && (first == '-' || first == '+');
        if (!namesAlone || weightEnd > 63 || digits - 1 >= 8 || (sign != 0 && !signOnly)) {
            return count;
        }
        const std::uint32_t magnitude = digitsValue(window + weight + sign, digits);
        const std::uint32_t negative = first == '-';
        out[count] = {static_cast<int>((magnitude ^ (0 - negative)) + negative), window[source],
                      window[target]};
        at = weightEnd;
    }
    return count;
}

// The triples of the usual shape from `next` on; see parseUsualTriples.
// `takeWindow(window, masks, starts, ends, whole, out, at)` takes those of a
// window as takeTriples does, faster where it can. parseUsualTriplesAvx512vbmi2
// writes this loop out again, for its speed (measured beside it): a change
// here is made there too.
template <typename Classify, typename TakeWindow>
inline std::size_t parseUsual(const char*& next, const char* end, EdgeTriple* out,
                              std::size_t capacity, Classify classify, TakeWindow takeWindow) {
    const char* window = next;
    std::size_t count = 0;
    while (count < capacity && static_cast<std::size_t>(end - window) >= kUsualTriplesReach) {
        const WindowMasks masks = classify(window);
        const std::uint64_t item = ~masks.space;
        const std::uint64_t starts = item & ~(item << 1);
        // An item that reaches the window's last byte may go on beyond it.
        const std::uint64_t ends = item & ~(item >> 1) & ~(std::uint64_t{1} << 63);
        const auto inWindow = static_cast<std::size_t>(__builtin_popcountll(ends)) / 3;
        const std::size_t whole = inWindow < capacity - count ? inWindow : capacity - count;
        if (whole == 0) {
            break;  // a triple longer than a window
        }
        unsigned at = 0;  // where the next triple starts, whitespace before it included
        const std::size_t taken = takeWindow(window, masks, starts, ends, whole, out + count, at);
        count += taken;
        window += at;
        if (taken < whole) {
            break;
        }
    }
    next = window;
    return count;
}

// Takes a window's triples one by one, each checked on its own.
inline std::size_t takeEachTriple(const char* window, const WindowMasks& masks,
                                  std::uint64_t starts, std::uint64_t, std::size_t whole,
                                  EdgeTriple* out, unsigned& at) {
    return takeTriples(window, masks, starts, whole, out, at);
}

// Adds the bytes of [begin + from, end) one at a time, each at its place
// from `begin`.
inline void sumEachByte(const char* begin, std::size_t from, const char* end, ByteSums& sums) {
    for (std::size_t place = from; begin + place != end; ++place) {
        const auto byte = static_cast<unsigned char>(begin[place]);
        sums.lineFeeds += byte == '\n';
        sums.bytes += byte;
        sums.placed += place * byte;
    }
}

// The sums of [begin, end): those of its whole blocks of `kBlock` bytes as
// `sumBlocks(begin, blocks, sums)` adds them, the rest one byte at a time.
template <std::size_t kBlock, typename SumBlocks>
inline ByteSums byteSumsBy(const char* begin, const char* end, SumBlocks sumBlocks) {
    ByteSums sums{0, 0, 0};
    const auto blocks = static_cast<std::size_t>(end - begin) / kBlock;
    sumBlocks(begin, blocks, sums);
    sumEachByte(begin, blocks * kBlock, end, sums);
    return sums;
}

// Σ_c c·X_c over blocks of sums X_c, from P = Σ X_c and Q = Σ of P after
// each block: N·P − Q.
inline std::uint64_t placedBlocks(std::size_t blocks, std::uint64_t sum, std::uint64_t sumOfSums) {
    return blocks * sum - sumOfSums;
}

}  // namespace
}  // namespace graph_internal

#endif  // GRAPH_INTERNAL_USUAL_TRIPLES_KERNEL_H_
