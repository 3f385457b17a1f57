// The label-setting search behind Dijkstra, shortestDistance,
// shortestDistances, shortestPath and shortestRoutes.
#ifndef QUERIES_LABEL_SETTING_SEARCH_H_
#define QUERIES_LABEL_SETTING_SEARCH_H_

#include <algorithm>
#include <array>
#include <bitset>
#include <cstdint>
#include <limits>
#include <string>

#include "queries/internal/steps.h"

namespace graph_internal {

// Settles the vertices reachable from a start once each, nearest first, ties
// going to the name that appears first in the table. Settling u relaxes each
// unsettled v that u steps to (see steps.h), u itself aside, by the step's
// weight; distances are exact 64-bit sums. O(V^2) time besides the steps
// read, O(V) memory.
template <typename Steps>
class LabelSettingSearch {
  public:
    LabelSettingSearch(Steps& steps, char from) : steps_(steps), from_(from) {
        distance_.fill(kUnreached);
        distance_[nameSlot(from)] = 0;
        frontier_[frontierSize_++] = static_cast<unsigned char>(from);
    }

    // Settles vertices until `target` is settled (true) or none is left
    // (false). `target` other than the start is reached exactly when it is
    // reachable from it.
    bool settleUntil(char target) {
        for (char vertex; settleNext(vertex);) {
            if (vertex == target) {
                return true;
            }
            relaxStepsOf(vertex);
        }
        return false;
    }

    // Settles every vertex reachable from the start.
    void settleAll() {
        for (char vertex; settleNext(vertex);) {
            relaxStepsOf(vertex);
        }
    }

    bool settled(char name) const { return settled_[nameSlot(name)]; }

    // The distance of a settled vertex.
    std::int64_t distance(char name) const { return distance_[nameSlot(name)]; }

    // The vertices from the start to the settled `to`, both included.
    std::string pathTo(char to) const {
        std::string path(1, to);
        for (char vertex = to; vertex != from_;) {
            vertex = predecessor_[nameSlot(vertex)];
            path += vertex;
        }
        std::reverse(path.begin(), path.end());
        return path;
    }

    // After settleAll: whether a settled vertex steps to the start, so that
    // the start is reachable from itself.
    bool returnsToStart() const { return returnsToStart_; }

  private:
    static constexpr std::int64_t kUnreached = std::numeric_limits<std::int64_t>::max();

    // Of two reached vertices, whether `a` is nearer than `b`; of two as near,
    // whether it appears first, which is only looked up for such a tie.
    bool isNearer(std::size_t a, std::size_t b) {
        if (distance_[a] != distance_[b]) {
            return distance_[a] < distance_[b];
        }
        return steps_.position(static_cast<char>(a)) < steps_.position(static_cast<char>(b));
    }

    bool settleNext(char& vertex) {
        if (frontierSize_ == 0) {
            return false;
        }
        std::size_t nearest = 0;
        for (std::size_t i = 1; i < frontierSize_; ++i) {
            if (isNearer(frontier_[i], frontier_[nearest])) {
                nearest = i;
            }
        }
        const std::size_t slot = frontier_[nearest];
        frontier_[nearest] = frontier_[--frontierSize_];
        vertex = static_cast<char>(slot);
        settled_.set(slot);
        return true;
    }

    void relaxStepsOf(char vertex) {
        const std::int64_t base = distance_[nameSlot(vertex)];
        steps_.forEachStep(vertex, [&](char next, int weight) {
            const std::size_t slot = nameSlot(next);
            returnsToStart_ |= next == from_;
            const std::int64_t distance = base + weight;
            if (!settled_[slot] && distance < distance_[slot]) {
                if (distance_[slot] == kUnreached) {
                    frontier_[frontierSize_++] = static_cast<unsigned char>(slot);
                }
                distance_[slot] = distance;
                predecessor_[slot] = vertex;
            }
            return true;
        });
    }

    Steps& steps_;
    const char from_;
    std::bitset<kNameCount> settled_;
    // kUnreached, or the distance: exact, its magnitude below 2^40, so never
    // kUnreached.
    std::array<std::int64_t, kNameCount> distance_;
    std::array<char, kNameCount> predecessor_;
    // The reached vertices not settled yet, in no order: with at most 256
    // names, a plain scan selects the nearest as cheaply as a heap would.
    std::array<unsigned char, kNameCount> frontier_;
    std::size_t frontierSize_ = 0;
    bool returnsToStart_ = false;
};

}  // namespace graph_internal

#endif  // QUERIES_LABEL_SETTING_SEARCH_H_
