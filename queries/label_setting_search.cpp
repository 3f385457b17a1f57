#include "queries/label_setting_search.h"

#include <algorithm>

namespace graph_internal {

LabelSettingSearch::LabelSettingSearch(const Graph& graph, char from)
    : rows_(graph), order_(AppearanceOrder::of(graph)), from_(from) {
    reach(from, 0, from);
}

// The nearer of two reached vertices; of two as near, the first to appear.
bool LabelSettingSearch::isNearer(std::size_t a, std::size_t b) const {
    if (distance_[a] != distance_[b]) {
        return distance_[a] < distance_[b];
    }
    return order_.positionOf(static_cast<char>(a)) < order_.positionOf(static_cast<char>(b));
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
        relaxRowOf(vertex);
    }
    return false;
}

void LabelSettingSearch::settleAll() {
    for (char vertex; settleNext(vertex);) {
        relaxRowOf(vertex);
    }
}

void LabelSettingSearch::relaxRowOf(char vertex) {
    const Row* row = rows_.find(vertex);
    if (row == nullptr) {
        return;
    }
    ++stamp_;
    const std::int64_t base = distance_[nameSlot(vertex)];
    for (const auto& entry : *row) {
        const std::size_t next = nameSlot(entry->vertex);
        if (stepStamp_[next] != stamp_) {
            stepStamp_[next] = stamp_;
            stepWeight_[next] = entry->weight;
        }
        if (entry->weight == -1) {
            continue;
        }
        returnsToStart_ |= entry->vertex == from_;
        if (entry->vertex == vertex || settled_[next]) {
            continue;
        }
        const std::int64_t candidate = base + stepWeight_[next];
        if (!reached_[next] || candidate < distance_[next]) {
            reach(entry->vertex, candidate, vertex);
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
