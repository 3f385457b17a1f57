// The byte form of a PartSummary, and the little-endian writing and checked
// reading it is made of.
//
// Version 1 (PartSummary::kByteFormVersion). Integers are unsigned and
// little-endian, uN of N bits, iN signed in two's complement; a position is
// u64 offset, u64 line, u64 column. [x] is there only when the flag x is set.
//
//   magic            8 bytes "GRPHPART"
//   version          u32
//   size             u64, of the whole form, these fields included
//   flags            u8: 1 directed, 2 start.header, 4 resume, 8 resume.header,
//                    16 report.inHeader, 32 joinedWeight, 64 multiByteName
//   start            u64 offset, u64 column
//   end              u64
//   [resume]         u64 offset, u64 column, then of the part's bytes before
//                    it: u64 line feeds, u64 fingerprint
//   report           u64 triples, u8 stop (a LoadReport::Stop, never
//                    cannotOpen), position stoppedAt, u8 length of found (at
//                    most 32) and its bytes, u64 fingerprint
//   [joinedWeight]   position joinedAt, u8 joinedByte
//   [multiByteName]  position multiByteNameAt, 2 bytes multiByteNameBytes
//   summary          u64 pairs joined (first triples between two names)
//                    u16 names as read, each a u8
//                    u16 rows, each in order of creation: u8 owner, u16 names
//                      (the head's included), u16 selfAfter, and each name
//                      after the head: u8 name, u64 joinedAt
//                    u16 rows holding cells (undirected, rows of the lesser
//                      name), each in increasing order: u8 row, u16 cells,
//                      each in increasing order: u8 column, u64 entries,
//                      u64 hiddenEntries, i32 least, i32 first
//
// Every count is at most kNameCount, so a form holds O(V^2) bytes whatever
// the input's size, and reading one never allocates more.
#ifndef GRAPH_INTERNAL_PART_SUMMARY_BYTES_H_
#define GRAPH_INTERNAL_PART_SUMMARY_BYTES_H_

#include <cstddef>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>

namespace graph_internal {

constexpr std::string_view kPartSummaryMagic = "GRPHPART";

// Throws std::invalid_argument naming what a byte form breaks unless `holds`.
inline void requireInForm(bool holds, const char* broken) {
    if (!holds) {
        throw std::invalid_argument(std::string("not a part summary's byte form: ") + broken);
    }
}

// Appends the `bytes` low bytes of `value` to `out`, lowest first. O(bytes).
inline void putUnsigned(std::string& out, std::uint64_t value, std::size_t bytes) {
    for (std::size_t i = 0; i < bytes; ++i) {
        out += static_cast<char>(value >> (8 * i) & 0xff);
    }
}

// Reads a byte form from the front, each read checked against its end.
class ByteReader {
  public:
    explicit ByteReader(std::string_view bytes) : bytes_(bytes) {}

    // The next `bytes` bytes as an unsigned little-endian integer. O(bytes).
    std::uint64_t unsignedOf(std::size_t bytes) {
        const std::string_view taken = take(bytes);
        std::uint64_t value = 0;
        for (std::size_t i = bytes; i-- > 0;) {
            value = value << 8 | static_cast<unsigned char>(taken[i]);
        }
        return value;
    }

    // The next u16 count, which must be at most `most`. O(1).
    std::size_t count(std::size_t most) {
        const std::uint64_t value = unsignedOf(2);
        requireInForm(value <= most, "a count out of range");
        return static_cast<std::size_t>(value);
    }

    // The next `bytes` bytes, where they lie. O(1).
    std::string_view take(std::size_t bytes) {
        requireInForm(bytes <= bytes_.size(), "truncated");
        const std::string_view taken = bytes_.substr(0, bytes);
        bytes_.remove_prefix(bytes);
        return taken;
    }

    std::size_t left() const { return bytes_.size(); }

  private:
    std::string_view bytes_;
};

}  // namespace graph_internal

#endif  // GRAPH_INTERNAL_PART_SUMMARY_BYTES_H_
