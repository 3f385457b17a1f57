#include "queries/label_setting_search.h"

#include <algorithm>

namespace graph_internal {

LabelSettingSearch::LabelSettingSearch(const TableSummary& table, char from)
    : table_(table), from_(from) {
    reach(from, 0, from);
}

// The nearer of two reached vertices; of two as near, the first to appear.
bool LabelSettingSearch::isNearer(std::size_t a, std::size_t b) const {
    if (distance_[a] != distance_[b]) {
        return distance_[a] < distance_[b];
    }
    const AppearanceOrder& order = table_.order();
    return order.positionOf(static_cast<char>(a)) < order.positionOf(static_cast<char>(b));
}

void LabelSettingSearch::reach(char name, std::int64_t distance, char predecessor) {
    const std::size_t slot = nameSlot(name);
    if (!reached_[slot]) {
        reached_.set(slot);
        frontier_[frontierSize_++] = static_cast<unsigned char>(slot);
    }
    distance_[slot] = distance;
    predecessor_[slot] = predecessor;
}

bool LabelSettingSearch::settleNext(char& settled) {
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
    settled_.set(slot);
    settled = static_cast<char>(slot);
    return true;
}

bool LabelSettingSearch::settleUntil(char target) {
    for (char vertex; settleNext(vertex);) {
        if (vertex == target) {
            return true;
        }
        relaxNeighboursOf(vertex);
    }
    return false;
}

void LabelSettingSearch::settleAll() {
    for (char vertex; settleNext(vertex);) {
        relaxNeighboursOf(vertex);
    }
}

void LabelSettingSearch::relaxNeighboursOf(char vertex) {
    const std::int64_t base = distance_[nameSlot(vertex)];
    for (const Neighbour& neighbour : table_.neighboursOf(vertex)) {
        returnsToStart_ |= neighbour.name == from_;
        // The vertex itself is settled already, so its self-loops take no part.
        if (settled_[nameSlot(neighbour.name)]) {
            continue;
        }
        const std::int64_t candidate = base + neighbour.weight;
        if (!reached_[nameSlot(neighbour.name)] ||
            candidate < distance_[nameSlot(neighbour.name)]) {
            reach(neighbour.name, candidate, vertex);
        }
    }
}

std::string LabelSettingSearch::pathTo(char to) const {
    std::string path(1, to);
    for (char vertex = to; vertex != from_;) {
        vertex = predecessor_[nameSlot(vertex)];
        path += vertex;
    }
    std::reverse(path.begin(), path.end());
    return path;
}

}  // namespace graph_internal
