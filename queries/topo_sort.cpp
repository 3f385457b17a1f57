#include <algorithm>
#include <array>
#include <bitset>
#include <cstdint>
#include <functional>
#include <queue>

#include "queries/internal/topo_sort.h"

namespace graph_internal {
namespace {

// Kahn's method over names in order of first appearance: a name's count
// starts at its in-degree (weight -1 entries included); outputting a vertex
// lowers the counts of the names its neighbour entries name, once per entry,
// as `forEachRelease(vertex, release)` hands them to release(name, entries),
// and the next vertex is the first-appearing name at zero. A name that has
// been output never returns to zero: its count only falls below it.
template <typename ForEachRelease>
std::string kahnOrder(const AppearanceOrder& order, std::array<std::int64_t, kNameCount> count,
                      ForEachRelease forEachRelease) {
    const std::string& names = order.names();
    std::priority_queue<int, std::vector<int>, std::greater<>> ready;  // positions
    for (std::size_t position = 0; position < names.size(); ++position) {
        if (count[nameSlot(names[position])] == 0) {
            ready.push(static_cast<int>(position));
        }
    }
    std::string sorted;
    while (!ready.empty()) {
        const char vertex = names[static_cast<std::size_t>(ready.top())];
        ready.pop();
        sorted += vertex;
        forEachRelease(vertex, [&](char name, std::int64_t entries) {
            std::int64_t& left = count[nameSlot(name)];
            const bool wasWaiting = left > 0;
            left -= entries;
            if (wasWaiting && left == 0) {
                ready.push(order.positionOf(name));
            }
        });
    }
    return sorted;
}

}  // namespace

std::string topologicalOrder(const TableSummary& table, EdgeEntries rule) {
    std::array<std::int64_t, kNameCount> count{};
    for (const char name : table.order().names()) {
        count[nameSlot(name)] = table.inDegree(name);
    }
    return kahnOrder(table.tieOrder(rule), count, [&](char vertex, auto release) {
        for (const Neighbour& neighbour : table.neighboursOf(vertex)) {
            release(neighbour.name, static_cast<std::int64_t>(neighbour.edges(rule)));
        }
    });
}

// One walk over every row for the order and the in-degrees; then the rows of
// the vertices output, entry by entry.
std::string topologicalOrder(const Graph& graph) {
    AppearanceOrder order;
    std::array<std::int64_t, kNameCount> count{};
    for (const Row& row : graph.adjList) {
        for (auto entry = row.begin(); entry != row.end(); ++entry) {
            order.see((*entry)->vertex);
            count[nameSlot((*entry)->vertex)] += entry != row.begin();
        }
    }
    const RowIndex rows(graph);
    return kahnOrder(order, count, [&](char vertex, auto release) {
        if (const Row* row = rows.find(vertex)) {
            for (const auto& entry : *row) {
                if (isNeighbourEntry(entry->weight)) {
                    release(entry->vertex, 1);
                }
            }
        }
    });
}

// A left-out vertex keeps an entry that was never released: one of weight -1,
// or one from another left-out vertex. Following the latter back from vertex
// to vertex must come upon the former or close a cycle.
TopoObstacle topologicalObstacle(const TableSummary& table, const std::string& order,
                                 EdgeEntries rule) {
    const std::string& names = table.tieOrder(rule).names();
    std::bitset<kNameCount> leftOut;
    for (const char name : names) {
        leftOut.set(nameSlot(name));
    }
    for (const char name : order) {
        leftOut.reset(nameSlot(name));
    }
    // For every name, the first source (in order of first appearance) of a
    // hidden entry naming it, and of an entry naming it from a left-out row.
    std::array<int, kNameCount> hiddenFrom;
    std::array<int, kNameCount> leftOutFrom;
    hiddenFrom.fill(-1);
    leftOutFrom.fill(-1);
    for (auto source = names.rbegin(); source != names.rend(); ++source) {
        for (const Neighbour& neighbour : table.neighboursOf(*source)) {
            const auto from = static_cast<unsigned char>(*source);
            if (rule == EdgeEntries::neighbours && neighbour.hiddenEntries > 0) {
                hiddenFrom[nameSlot(neighbour.name)] = from;
            }
            if (leftOut[from]) {
                leftOutFrom[nameSlot(neighbour.name)] = from;
            }
        }
    }
    TopoObstacle obstacle;
    const auto first = std::find_if(names.begin(), names.end(),
                                    [&](char name) { return leftOut[nameSlot(name)]; });
    if (first == names.end()) {
        return obstacle;
    }
    std::string walk;  // each vertex the source of an entry into the one before
    std::array<int, kNameCount> walkIndex;
    walkIndex.fill(-1);
    for (char vertex = *first;; vertex = static_cast<char>(leftOutFrom[nameSlot(vertex)])) {
        if (walkIndex[nameSlot(vertex)] >= 0) {
            obstacle.kind = TopoObstacle::Kind::cycle;
            obstacle.vertices = walk.substr(static_cast<std::size_t>(walkIndex[nameSlot(vertex)]));
            obstacle.vertices += vertex;
            std::reverse(obstacle.vertices.begin() + 1, obstacle.vertices.end() - 1);
            return obstacle;
        }
        if (hiddenFrom[nameSlot(vertex)] >= 0) {
            obstacle.kind = TopoObstacle::Kind::hiddenEdge;
            obstacle.vertices = {static_cast<char>(hiddenFrom[nameSlot(vertex)]), vertex};
            return obstacle;
        }
        if (leftOutFrom[nameSlot(vertex)] < 0) {
            return obstacle;  // only a table whose rows share a head comes here
        }
        walkIndex[nameSlot(vertex)] = static_cast<int>(walk.size());
        walk += vertex;
    }
}

}  // namespace graph_internal
