// What a PartSummary holds, for the library's code on either side of it: the
// reading that makes and merges parts, and the summary built from one.
#ifndef QUERIES_INTERNAL_PART_STATE_H_
#define QUERIES_INTERNAL_PART_STATE_H_

#include <cstdint>
#include <memory>
#include <optional>
#include <utility>

#include "graph/edge_list.h"
#include "graph/part_summary.h"
#include "queries/internal/entry_matrix.h"

namespace graph_internal {

struct PartState {
    explicit PartState(bool directed) : matrix(directed) {}

    EntryMatrix matrix;
    LoadReport report;
    PartStart start;
    std::uint64_t end = 0;
    std::optional<PartStart> resume;
    // Of the part's bytes before `resume`: what the report of a part merged
    // after it adds to, without the bytes of a triple it ran out in.
    std::uint64_t linesBeforeResume = 0;
    std::uint64_t fingerprintBeforeResume = 0;
};

// A part's state.
struct PartAccess {
    static const PartState& state(const PartSummary& part) { return *part.state_; }
};

}  // namespace graph_internal

#endif  // QUERIES_INTERNAL_PART_STATE_H_
