// What the queries read of a table, gathered in one pass: the order of first
// appearance, what each row's entries tell of each name they name, and the
// in-degree of each name.
#ifndef QUERIES_TABLE_SUMMARY_H_
#define QUERIES_TABLE_SUMMARY_H_

#include <algorithm>
#include <array>
#include <cstdint>
#include <functional>
#include <istream>
#include <vector>

#include "graph/internal/appearance_order.h"

namespace graph_internal {

constexpr std::uint64_t kNotJoined = ~std::uint64_t{0};

// What the entries of one row that name one name tell (the head entry aside).
struct Neighbour {
    char name;
    // The weight of the first entry of the row naming `name`, the head entry
    // and entries of weight -1 included: what a label-setting step weighs.
    int weight;
    int least;                    // the smallest weight of its neighbour entries
    std::uint64_t entries;        // neighbour entries (weight not -1) naming it
    std::uint64_t hiddenEntries;  // entries of weight -1 naming it
    // When the row's owner and `name` were first joined: an ordinal that
    // orders pairs of names by the first triple between them as read (for a
    // summary of a graph, as a walk of its rows meets them); kNotJoined for
    // the owner's own loop.
    std::uint64_t joinedAt;

    // Whether a neighbour entry names it, so that a label-setting step leads there.
    bool isStep() const { return entries > 0; }
    bool isStep(EdgeEntries rule) const { return edges(rule) > 0; }

    // The entries that are edges under `rule`, and the least weight among them.
    std::uint64_t edges(EdgeEntries rule) const {
        return entries + (rule == EdgeEntries::every ? hiddenEntries : 0);
    }
    int leastWeight(EdgeEntries rule) const {
        return rule == EdgeEntries::every && hiddenEntries > 0 ? std::min(least, -1) : least;
    }
    // What one step to it weighs: with `every` what the least-weight searches
    // take, with `neighbours` what Dijkstra takes (the first entry's weight).
    int stepWeight(EdgeEntries rule) const {
        return rule == EdgeEntries::every ? leastWeight(rule) : weight;
    }

    // Counts one more entry naming it, of `weight`.
    void note(int weight) {
        if (isNeighbourEntry(weight)) {
            ++entries;
            least = std::min(least, weight);
        } else {
            ++hiddenEntries;
        }
    }
};

class TableSummary {
  public:
    struct Range {
        const Neighbour* first;
        const Neighbour* last;
        const Neighbour* begin() const { return first; }
        const Neighbour* end() const { return last; }
    };

    // Nothing, for EntryMatrix::summarizeInto to fill.
    TableSummary() = default;

    // Summarizes `graph`'s table. O(E) time, O(min(E, V^2)) memory.
    explicit TableSummary(const Graph& graph);

    const AppearanceOrder& order() const { return order_; }

    // The names in the order they were first read, each edge's source before
    // its target; for a summary of a graph, the order of its table.
    const AppearanceOrder& readOrder() const { return readOrder_; }

    // The order that breaks ties under `rule`.
    const AppearanceOrder& tieOrder(EdgeEntries rule) const {
        return rule == EdgeEntries::every ? readOrder_ : order_;
    }

    // What the row of `name` tells of each name its entries name, in order
    // of their first entry; empty when `name` has no row.
    Range neighboursOf(char name) const {
        const Neighbour* first = neighbours_.data() + firstNeighbour_[nameSlot(name)];
        return {first, first + neighbourCount_[nameSlot(name)]};
    }

    // Where `neighbour`, one of this summary's, comes in a walk of the rows
    // in order, each row's neighbours in order.
    std::size_t walkPosition(const Neighbour& neighbour) const {
        return static_cast<std::size_t>(&neighbour - neighbours_.data());
    }

    // The entries naming `name` in every row, its first entry excepted.
    std::int64_t inDegree(char name) const { return inDegree_[nameSlot(name)]; }

    // The number of rows.
    int rowCount() const { return rowCount_; }

  private:
    friend class EntryMatrix;  // fills a summary of what it noted

    AppearanceOrder order_;
    AppearanceOrder readOrder_;
    std::vector<Neighbour> neighbours_;  // row after row
    std::array<std::uint32_t, kNameCount> firstNeighbour_{};
    std::array<std::uint32_t, kNameCount> neighbourCount_{};
    std::array<std::int64_t, kNameCount> inDegree_{};
    int rowCount_ = 0;
};

}  // namespace graph_internal

#endif  // QUERIES_TABLE_SUMMARY_H_
