#include "queries/internal/least_weight_search.h"

#include <algorithm>

namespace graph_internal {

LeastWeightSearch::LeastWeightSearch(const TableSummary& table, char from, EdgeEntries rule)
    : from_(from), rule_(rule) {
    relaxedFrom_.fill(from);
    predecessor_.fill(from);
    behindCycle_.fill(-1);
    reached_.set(nameSlot(from));
    // With no cycle of negative weight, every shortest path is simple: fewer
    // than V steps, found within V - 1 rounds.
    const std::size_t rounds = std::max<std::size_t>(table.order().names().size(), 1);
    std::vector<char> dropped = {from};
    std::vector<char> next;
    for (std::size_t round = 1; round <= rounds && !dropped.empty(); ++round) {
        std::bitset<kNameCount> queued;
        next.clear();
        for (const char vertex : dropped) {
            const std::size_t u = nameSlot(vertex);
            for (const Neighbour& neighbour : table.neighboursOf(vertex)) {
                const std::size_t v = nameSlot(neighbour.name);
                const int weight = neighbour.leastWeight(rule);
                if (neighbour.isStep(rule) && (!reached_[v] || improves(u, v, weight))) {
                    reached_.set(v);
                    distance_[v] = distance_[u] + weight;
                    edges_[v] = edges_[u] + 1;
                    relaxedFrom_[v] = vertex;
                    if (!queued[v]) {
                        queued.set(v);
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
    choosePredecessors(table);
}

bool LeastWeightSearch::improves(std::size_t u, std::size_t v, int weight) const {
    const std::int64_t distance = distance_[u] + weight;
    return distance < distance_[v] || (distance == distance_[v] && edges_[u] + 1 < edges_[v]);
}

// A vertex that dropped in round V has a chain of relaxations that never
// ends, so V steps back along it lead onto a cycle; any such cycle has
// negative weight. The vertex is reachable from that cycle.
void LeastWeightSearch::markCycles(const TableSummary& table, const std::vector<char>& dropped,
                                   std::size_t rounds) {
    for (const char vertex : dropped) {
        if (behindCycle_[nameSlot(vertex)] >= 0) {
            continue;
        }
        char onCycle = vertex;
        for (std::size_t step = 0; step < rounds; ++step) {
            onCycle = relaxedFrom_[nameSlot(onCycle)];
        }
        std::string cycle(1, onCycle);
        for (char back = relaxedFrom_[nameSlot(onCycle)]; back != onCycle;
             back = relaxedFrom_[nameSlot(back)]) {
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
                if (neighbour.isStep(rule_) && behindCycle_[nameSlot(neighbour.name)] < 0) {
                    behindCycle_[nameSlot(neighbour.name)] = index;
                    queue.push_back(neighbour.name);
                }
            }
        }
    }
}

// The relaxation that set a vertex's distance last is one way of reaching
// it; the tie rule picks, among all such ways, the first in order.
void LeastWeightSearch::choosePredecessors(const TableSummary& table) {
    std::bitset<kNameCount> chosen;
    for (const char vertex : table.tieOrder(rule_).names()) {
        const std::size_t u = nameSlot(vertex);
        if (!reached_[u] || behindCycle_[u] >= 0) {
            continue;
        }
        for (const Neighbour& neighbour : table.neighboursOf(vertex)) {
            const std::size_t v = nameSlot(neighbour.name);
            if (neighbour.isStep(rule_) && !chosen[v] && behindCycle_[v] < 0 &&
                distance_[u] + neighbour.leastWeight(rule_) == distance_[v] &&
                edges_[u] + 1 == edges_[v]) {
                chosen.set(v);
                predecessor_[v] = vertex;
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
    } else if (reached_[slot]) {
        route.length = distance_[slot];
        route.path = to;
        for (char vertex = to; vertex != from_;) {
            vertex = predecessor_[nameSlot(vertex)];
            route.path += vertex;
        }
        std::reverse(route.path.begin(), route.path.end());
    }
    return route;
}

}  // namespace graph_internal
