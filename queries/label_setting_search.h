// The label-setting search behind Dijkstra, shortestDistance,
// shortestDistances and shortestPath.
#ifndef QUERIES_LABEL_SETTING_SEARCH_H_
#define QUERIES_LABEL_SETTING_SEARCH_H_

#include <array>
#include <bitset>
#include <cstdint>
#include <string>

#include "graph/row_index.h"
#include "queries/appearance_order.h"

namespace graph_internal {

// Settles the vertices reachable from a start once each, nearest first, ties
// going to the name that appears first in the table. Settling u relaxes each
// unsettled v named by a neighbour entry of u's row (v other than u), by the
// weight of the first entry of that row naming v; distances are exact 64-bit
// sums, and a vertex not reached yet relaxes nothing. O(E + V^2) time, O(V)
// memory.
class LabelSettingSearch {
  public:
    LabelSettingSearch(const Graph& graph, char from);

    // Settles vertices until `target` is settled (true) or none is left
    // (false). `target` other than the start is reached exactly when it is
    // reachable from it.
    bool settleUntil(char target);

    // Settles every vertex reachable from the start.
    void settleAll();

    bool reached(char name) const { return reached_[nameSlot(name)]; }
    std::int64_t distance(char name) const { return distance_[nameSlot(name)]; }

    // The vertices from the start to the reached `to`, both included.
    std::string pathTo(char to) const;

    // After settleAll: whether a neighbour entry of a settled vertex names the
    // start, which is then reachable from itself.
    bool returnsToStart() const { return returnsToStart_; }

    const AppearanceOrder& order() const { return order_; }

  private:
    bool isNearer(std::size_t a, std::size_t b) const;
    void reach(char name, std::int64_t distance, char predecessor);
    bool settleNext(char& settled);
    void relaxRowOf(char vertex);

    const RowIndex rows_;
    const AppearanceOrder order_;
    const char from_;
    // The reached vertices not settled yet, in no order: with at most 256
    // names, a plain scan selects the nearest as cheaply as a heap would.
    std::array<unsigned char, 256> frontier_;
    std::size_t frontierSize_ = 0;
    std::bitset<256> reached_;
    std::bitset<256> settled_;
    std::array<std::int64_t, 256> distance_{};
    std::array<char, 256> predecessor_{};
    // The weight of the first entry naming each name in the row being
    // relaxed; valid where `stepStamp_` holds the current `stamp_`.
    std::array<int, 256> stepWeight_{};
    std::array<std::uint32_t, 256> stepStamp_{};
    std::uint32_t stamp_ = 0;
    bool returnsToStart_ = false;
};

}  // namespace graph_internal

#endif  // QUERIES_LABEL_SETTING_SEARCH_H_
