#include "queries/shortest_path_search.h"

#include <algorithm>
#include <array>
#include <climits>
#include <cstdint>
#include <functional>
#include <queue>
#include <tuple>
#include <vector>

#include "queries/name_set.h"
#include "queries/row_index.h"

namespace graph_internal {
namespace {

constexpr int kInfinity = INT_MAX;

// Position of each name's first appearance in a walk over the indexed rows,
// head entries included: the order in which ties are broken.
std::array<int, 256> firstAppearance(const RowIndex& rows) {
    std::array<int, 256> position;
    position.fill(-1);
    int next = 0;
    for (std::size_t row = 0; row < rows.rowCount(); ++row) {
        for (const auto& entry : rows.row(row)) {
            int& slot = position[nameSlot(entry->vertex)];
            if (slot < 0) {
                slot = next++;
            }
        }
    }
    return position;
}

int clampToInt(std::int64_t value) {
    return static_cast<int>(std::clamp<std::int64_t>(value, INT_MIN, INT_MAX));
}

std::string pathTo(char from, char to, const std::array<char, 256>& predecessor) {
    std::string path(1, to);
    for (char vertex = to; vertex != from;) {
        vertex = predecessor[nameSlot(vertex)];
        path += vertex;
    }
    std::reverse(path.begin(), path.end());
    return path;
}

}  // namespace

ShortestPath findShortestPath(const Graph& graph, char from, char to) {
    ShortestPath result;
    if (from == to) {
        // Settled first at distance 0, but only counted when a cycle leads back.
        result.reachable = graph.Reachable(from, to);
        result.distance = result.reachable ? 0 : -1;
        result.vertices = result.reachable ? std::string(1, from) : std::string();
        return result;
    }

    const RowIndex rows(graph);
    if (!rows.hasRow(from)) {
        return result;
    }
    const std::array<int, 256> position = firstAppearance(rows);

    std::array<int, 256> distance;
    distance.fill(kInfinity);
    std::array<char, 256> predecessor{};
    std::array<int, 256> firstWeight{};
    NameSet settled;
    bool targetSeen = false;  // `to` is named by a neighbour entry of a settled vertex
    bool saturated = false;   // some sum reached infinity, so a reachable vertex may stay there

    // Lazy deletion: an item is stale when its vertex is settled or its distance improved.
    using Item = std::tuple<int, int, unsigned char>;  // distance, first appearance, name
    std::priority_queue<Item, std::vector<Item>, std::greater<Item>> frontier;
    distance[nameSlot(from)] = 0;
    frontier.emplace(0, position[nameSlot(from)], static_cast<unsigned char>(from));

    while (!frontier.empty()) {
        const auto [settledDistance, unusedPosition, slot] = frontier.top();
        frontier.pop();
        if (settled.contains(slot) || settledDistance != distance[slot]) {
            continue;
        }
        settled.insert(slot);
        const char vertex = static_cast<char>(slot);
        if (vertex == to) {
            result.reachable = true;
            result.distance = settledDistance;
            result.vertices = pathTo(from, to, predecessor);
            return result;
        }

        // One pass over the row learns each name's first weight (head and
        // weight -1 entries included) and which unsettled neighbours it names.
        NameSet named;
        NameSet neighbours;
        unsigned char neighbourList[256];
        std::size_t neighbourCount = 0;
        rows.forEachRowOf(vertex, [&](const RowIndex::Row& row) {
            for (const auto& entry : row) {
                const std::size_t next = nameSlot(entry->vertex);
                if (!named.contains(next)) {
                    named.insert(next);
                    firstWeight[next] = entry->weight;
                }
                if (entry->weight == -1) {
                    continue;
                }
                targetSeen |= entry->vertex == to;
                if (next != slot && !settled.contains(next) && !neighbours.contains(next)) {
                    neighbours.insert(next);
                    neighbourList[neighbourCount++] = static_cast<unsigned char>(next);
                }
            }
        });
        for (std::size_t i = 0; i < neighbourCount; ++i) {
            const unsigned char next = neighbourList[i];
            const std::int64_t sum = std::int64_t{settledDistance} + firstWeight[next];
            saturated |= sum >= kInfinity;
            const int candidate = clampToInt(sum);
            if (candidate < distance[next]) {
                distance[next] = candidate;
                predecessor[next] = vertex;
                frontier.emplace(candidate, position[next], next);
            }
        }
    }

    // Every vertex left is at infinity and is settled there without relaxing anything.
    result.reachable = targetSeen || (saturated && graph.Reachable(from, to));
    result.distance = result.reachable ? kInfinity : -1;
    return result;
}

}  // namespace graph_internal
