#include "queries/least_weight_search.h"

#include <algorithm>

namespace graph_internal {

LeastWeightSearch::LeastWeightSearch(const TableSummary& table, char from) : from_(from) {
    predecessor_.fill(from);
    behindCycle_.fill(-1);
    reached_.set(nameSlot(from));
    // With no cycle of negative weight, every least weight is that of a path
    // of fewer than V steps, found within V - 1 rounds.
    const std::size_t rounds = std::max<std::size_t>(table.order().names().size(), 1);
    std::vector<char> dropped = {from};
    std::vector<char> next;
    for (std::size_t round = 1; round <= rounds && !dropped.empty(); ++round) {
        std::bitset<256> queued;
        next.clear();
        for (const char vertex : dropped) {
            for (const Neighbour& neighbour : table.neighboursOf(vertex)) {
                const std::size_t slot = nameSlot(neighbour.name);
                const std::int64_t candidate = distance_[nameSlot(vertex)] + neighbour.least;
                if (neighbour.isStep() && (!reached_[slot] || candidate < distance_[slot])) {
                    reached_.set(slot);
                    distance_[slot] = candidate;
                    predecessor_[slot] = vertex;
                    if (!queued[slot]) {
                        queued.set(slot);
                        next.push_back(neighbour.name);
                    }
                }
            }
        }
        dropped.swap(next);
    }
    if (!dropped.empty()) {
        markCycles(table, dropped, rounds);
    }
}

// A vertex that dropped in round V has a chain of predecessors that never
// ends, so V steps back along it lead onto a cycle; any cycle of
// predecessors has negative weight. The vertex is reachable from that cycle.
void LeastWeightSearch::markCycles(const TableSummary& table, const std::vector<char>& dropped,
                                   std::size_t rounds) {
    for (const char vertex : dropped) {
        if (behindCycle_[nameSlot(vertex)] >= 0) {
            continue;
        }
        char onCycle = vertex;
        for (std::size_t step = 0; step < rounds; ++step) {
            onCycle = predecessor_[nameSlot(onCycle)];
        }
        std::string cycle(1, onCycle);
        for (char back = predecessor_[nameSlot(onCycle)]; back != onCycle;
             back = predecessor_[nameSlot(back)]) {
            cycle += back;
        }
        cycle += onCycle;
        std::reverse(cycle.begin(), cycle.end());
        const int index = static_cast<int>(cycles_.size());
        cycles_.push_back(cycle);
        std::vector<char> queue = {onCycle};
        behindCycle_[nameSlot(onCycle)] = index;
        for (std::size_t next = 0; next < queue.size(); ++next) {
            for (const Neighbour& neighbour : table.neighboursOf(queue[next])) {
                if (neighbour.isStep() && behindCycle_[nameSlot(neighbour.name)] < 0) {
                    behindCycle_[nameSlot(neighbour.name)] = index;
                    queue.push_back(neighbour.name);
                }
            }
        }
    }
}

Route LeastWeightSearch::routeTo(char to) const {
    Route route;
    route.target = to;
    const std::size_t slot = nameSlot(to);
    if (behindCycle_[slot] >= 0) {
        route.negativeCycle = cycles_[static_cast<std::size_t>(behindCycle_[slot])];
    } else if (to == from_ || reached_[slot]) {
        route.length = to == from_ ? 0 : distance_[slot];
        route.path = to;
        for (char vertex = to; vertex != from_ && route.path.size() <= 256;) {
            vertex = predecessor_[nameSlot(vertex)];
            route.path += vertex;
        }
        std::reverse(route.path.begin(), route.path.end());
    }
    return route;
}

}  // namespace graph_internal
