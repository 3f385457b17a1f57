// PartSummary: the summary of one block of an edge list, made on its own (on
// a thread, in a process, on a worker) and merged in order with the blocks
// around it into the summary of the whole input; and its byte form, which
// carries it between processes.
#ifndef GRAPH_PART_SUMMARY_H_
#define GRAPH_PART_SUMMARY_H_

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "graph/edge_list.h"

namespace graph_internal {
struct PartState;
struct PartAccess;
}  // namespace graph_internal

// Where a part's bytes stand in the input and how reading them begins: at
// `offset`, in column `column` of a line that counts as line 1, with the two
// header records first when `header`. A block cut right after a line feed
// (or at the input's start) stands at column 1, and reads the header only at
// the input's start and only when the input has one: lineStart() gives that.
struct PartStart {
    std::uint64_t offset = 0;
    std::uint64_t column = 1;
    bool header = false;

    // The start of a block that begins at `offset` right after a line feed,
    // or at 0, the input's start, of an input with `header`. O(1).
    static PartStart lineStart(std::uint64_t offset, EdgeListHeader header) {
        return {offset, 1, offset == 0 && header == EdgeListHeader::twoRecords};
    }

    // Whether two starts are the same place, read the same way. O(1).
    friend bool operator==(const PartStart& a, const PartStart& b) {
        return a.offset == b.offset && a.column == b.column && a.header == b.header;
    }
    friend bool operator!=(const PartStart& a, const PartStart& b) { return !(a == b); }
};

// What reading a block of an edge list tells: the summary a QueryIndex is
// built from, the LoadReport of reading the block as if a triple (or, at the
// input's start, the header) began at its start, and where the next block
// must begin for the two to merge. Its size is O(V^2) whatever the block's.
//
// A block of an input is summarized on its own; `merge` then takes, in
// order, the block that comes right after it, so that the left fold of an
// input's consecutive blocks, cut right after line feeds, is the summary of
// the input read whole: the same summary and the same report. Where a block
// ends inside a triple (or the header), the next one was read from the wrong
// item: the merge refuses it, and the bytes from resume() through that
// block's end (for a merge of several blocks, the last one's) are read again
// as one part, which the merge takes.
//
// A part is moved, not copied (its byte form copies it); a moved-from part
// may only be assigned to or destroyed.
class PartSummary {
  public:
    // Summarizes the `size` bytes at `bytes`, which stand at `start` of the
    // input, for a table loaded `directed` or not; the bytes are read where
    // they lie and not kept. They should end right after a line feed or at
    // the input's end, as they begin at a line start (or a resume point): a
    // weight cut at the block's end is taken as ending there. Throws
    // std::invalid_argument for a start in column 0. O(size) time, O(V^2)
    // memory.
    PartSummary(const char* bytes, std::size_t size, const PartStart& start, bool directed);

    // As the constructor above, for the bytes from `start.offset` up to
    // `end` of a file that `readAt` reads, a block at a time; what `readAt`
    // throws is a read error, reported as LoadReport::Stop::inputError.
    // Throws std::invalid_argument for a start in column 0 or an `end`
    // before it. O(end - start.offset) time, O(V^2) memory.
    PartSummary(const ReadAt& readAt, const PartStart& start, std::uint64_t end, bool directed);

    // Moves take O(1).
    PartSummary(PartSummary&&) noexcept;
    PartSummary& operator=(PartSummary&&) noexcept;
    ~PartSummary();

    // Notes `later`, the part that begins at this one's resume point, as if
    // its bytes had been read after this one's in one reading: the summary
    // and the report become those of reading from start() through
    // `later.end()` as one (report lines shifted by the lines before
    // `later`, the first joined weight and the first name of several bytes
    // kept, triples added, fingerprints added without this part's bytes from
    // its resume point on, `later`'s stop), and end() and resume() become
    // `later`'s. When reading this part
    // stopped (resume() is empty), nothing changes: `later` is never taken.
    // Otherwise `later.start()` must equal resume(), or this throws
    // std::invalid_argument and changes nothing; so must the two parts'
    // `directed`. The merge is associative: any tree of merges of
    // consecutive parts, each part merged with the one right after it, gives
    // what the left fold gives. O(V^2).
    void merge(const PartSummary& later);

    // How reading the part ended. Positions give offsets in the input, lines
    // from 1 at the part's first line, and columns from 1 as `start().column`
    // says; for a part that begins at the input's start, and so for the merge
    // of an input's parts from its first through its last, this is the
    // report of reading the whole input. O(1).
    const LoadReport& report() const;

    // Where the part's bytes begin and how they were read. O(1).
    const PartStart& start() const;

    // The offset in the input after the part's last byte: the end asked
    // for, or the end of a file that turned out shorter. O(1).
    std::uint64_t end() const;

    // Where the next part must begin: end() when reading ended after a whole
    // triple at the end of the bytes; where the triple it ran out of bytes in
    // began (its first item, with that item's column); the part's own start
    // when it ran out inside the header, or before it, which the next
    // reading then takes from the start. Empty when reading stopped (a
    // number that is not one or out of range, a read error): no later part
    // counts. O(1).
    std::optional<PartStart> resume() const;

    // Whether the table is loaded directed. O(1).
    bool directed() const;

    // The version of the byte form that toBytes writes and fromBytes reads.
    static constexpr std::uint32_t kByteFormVersion = 1;

    // The part in its byte form, which fromBytes reads back exactly, on any
    // machine: a magic, kByteFormVersion, its size, then the fields (the
    // layout is described in the sources, graph/internal/part_summary_bytes.h).
    // O(V^2) time and bytes: only rows and cells that hold anything are
    // written.
    std::string toBytes() const;

    // The part whose byte form `bytes` is; throws std::invalid_argument for
    // bytes that are not one (a wrong magic or version, truncated, a size or
    // field out of range or inconsistent with the rest), without reading or
    // allocating more than O(V^2) whatever the bytes say. O(bytes + V^2 log V).
    static PartSummary fromBytes(std::string_view bytes);

  private:
    friend struct graph_internal::PartAccess;
    explicit PartSummary(std::unique_ptr<graph_internal::PartState> state);

    std::unique_ptr<graph_internal::PartState> state_;
};

#endif  // GRAPH_PART_SUMMARY_H_
