// The label-setting search behind Dijkstra, shortestDistance,
// shortestDistances and shortestPath.
#ifndef QUERIES_LABEL_SETTING_SEARCH_H_
#define QUERIES_LABEL_SETTING_SEARCH_H_

#include <array>
#include <bitset>
#include <cstdint>
#include <string>

#include "queries/table_summary.h"

namespace graph_internal {

// Settles the vertices reachable from a start once each, nearest first, ties
// going to the name that appears first in the table. Settling u relaxes each
// unsettled neighbour v of u other than u by the weight of the first entry of
// u's row naming v; distances are exact 64-bit sums. O(V^2) time, O(V) memory.
class LabelSettingSearch {
  public:
    LabelSettingSearch(const TableSummary& table, char from);

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

    // After settleAll: whether a settled vertex has the start as a neighbour,
    // so that the start is reachable from itself.
    bool returnsToStart() const { return returnsToStart_; }

  private:
    bool isNearer(std::size_t a, std::size_t b) const;
    void reach(char name, std::int64_t distance, char predecessor);
    bool settleNext(char& settled);
    void relaxNeighboursOf(char vertex);

    const TableSummary& table_;
    const char from_;
    // The reached vertices not settled yet, in no order: with at most 256
    // names, a plain scan selects the nearest as cheaply as a heap would.
    std::array<unsigned char, 256> frontier_;
    std::size_t frontierSize_ = 0;
    std::bitset<256> reached_;
    std::bitset<256> settled_;
    std::array<std::int64_t, 256> distance_{};
    std::array<char, 256> predecessor_{};
    bool returnsToStart_ = false;
};

}  // namespace graph_internal

#endif  // QUERIES_LABEL_SETTING_SEARCH_H_
