#include "queries/label_setting_search.h"

#include <algorithm>

namespace graph_internal {

// Heap order: the nearest candidate, then the first-appearing, comes out first.
bool LabelSettingSearch::isLater(const Candidate& a, const Candidate& b) {
    return a.distance != b.distance ? a.distance > b.distance : a.position > b.position;
}

LabelSettingSearch::LabelSettingSearch(const Graph& graph, char from)
    : rows_(graph), order_(AppearanceOrder::of(graph)), from_(from) {
    reach(from, 0, from);
}

void LabelSettingSearch::reach(char name, std::int64_t distance, char predecessor) {
    const std::size_t slot = nameSlot(name);
    reached_.set(slot);
    distance_[slot] = distance;
    predecessor_[slot] = predecessor;
    frontier_.push_back({distance, order_.positionOf(name), name});
    std::push_heap(frontier_.begin(), frontier_.end(), isLater);
}

bool LabelSettingSearch::settleNext(char& settled) {
    while (!frontier_.empty()) {
        std::pop_heap(frontier_.begin(), frontier_.end(), isLater);
        const char name = frontier_.back().name;
        frontier_.pop_back();
        if (!settled_[nameSlot(name)]) {
            settled_.set(nameSlot(name));
            settled = name;
            return true;
        }
    }
    return false;
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
