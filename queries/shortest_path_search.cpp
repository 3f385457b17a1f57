#include "queries/shortest_path_search.h"

#include <algorithm>
#include <array>
#include <climits>
#include <cstdint>

#include "queries/frontier_heap.h"
#include "queries/row_index.h"

namespace graph_internal {
namespace {

constexpr int kInfinity = INT_MAX;

// A frontier key orders by distance, then by first appearance, and names its
// vertex: the distance (shifted to unsigned) above 8 bits of position above
// 8 bits of name. Until a tie shows that the positions matter, they are all 0.
using FrontierKey = FrontierHeap::Key;

FrontierKey frontierKey(int distance, int position, std::size_t slot) {
    const auto shiftedDistance = static_cast<FrontierKey>(std::int64_t{distance} - INT_MIN);
    return shiftedDistance << 16 | static_cast<FrontierKey>(position) << 8 | slot;
}

int keyDistance(FrontierKey key) {
    return static_cast<int>(static_cast<std::int64_t>(key >> 16) + INT_MIN);
}

std::size_t keySlot(FrontierKey key) {
    return static_cast<std::size_t>(key & 0xff);
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

ShortestPath findShortestPath(const Graph& graph, char from, char to, bool withPath) {
    ShortestPath result;
    if (from == to) {
        // Settled first at distance 0, but only counted when a cycle leads back.
        result.reachable = graph.Reachable(from, to);
        result.distance = result.reachable ? 0 : -1;
        result.vertices = result.reachable && withPath ? std::string(1, from) : std::string();
        return result;
    }

    const RowIndex rows(graph);
    if (!rows.hasRow(from)) {
        return result;
    }

    std::array<int, 256> distance;
    distance.fill(kInfinity);
    std::array<char, 256> predecessor;  // written before it is read
    std::array<bool, 256> settled{};
    bool targetSeen = false;  // `to` is named by a neighbour entry of a settled vertex
    bool saturated = false;   // some sum reached infinity, so a reachable vertex may stay there

    // What the row of the vertex being settled (the n-th) has shown of each
    // name: below 2n nothing, 2n its first entry (weight in firstWeight),
    // 2n + 1 also a neighbour entry, which has been relaxed.
    std::array<std::uint32_t, 256> rowMark{};
    std::array<int, 256> firstWeight;  // written before it is read
    std::uint32_t settledCount = 0;

    // Ties between equal distances go to the name that appears first in the
    // table. That order costs a walk over the whole table, so it is computed
    // at the first tie only; many searches never meet one.
    AppearanceOrder order;
    bool ordered = false;
    const auto positionOf = [&](std::size_t slot) { return ordered ? order.position[slot] : 0; };

    FrontierHeap frontier;
    distance[nameSlot(from)] = 0;
    frontier.pushOrDecrease(frontierKey(0, 0, nameSlot(from)));

    while (!frontier.empty()) {
        FrontierKey key = frontier.popMinimum();
        if (!ordered && !frontier.empty() && keyDistance(frontier.minimum()) == keyDistance(key)) {
            order = rows.appearanceOrder();
            ordered = true;
            frontier.pushOrDecrease(key);
            frontier.rekeyAll([&](FrontierKey old) {
                return frontierKey(keyDistance(old), positionOf(keySlot(old)), keySlot(old));
            });
            key = frontier.popMinimum();
        }
        const int settledDistance = keyDistance(key);
        const std::size_t slot = keySlot(key);
        const char vertex = static_cast<char>(slot);
        settled[slot] = true;
        if (vertex == to) {
            result.reachable = true;
            result.distance = settledDistance;
            if (withPath) {
                result.vertices = pathTo(from, to, predecessor);
            }
            return result;
        }

        // A step's weight is that of the first entry naming its target (head
        // and weight -1 entries included), so it is known by the time a
        // neighbour entry for that target comes up in the same pass.
        const std::uint32_t seen = 2 * ++settledCount;
        const std::uint32_t relaxed = seen + 1;
        rows.forEachEntryOf(vertex, [&](char name, int weight) {
            const std::size_t next = nameSlot(name);
            if (rowMark[next] < seen) {
                rowMark[next] = seen;
                firstWeight[next] = weight;
            }
            if (weight == -1) {
                return true;
            }
            targetSeen |= name == to;
            if (next == slot || settled[next] || rowMark[next] == relaxed) {
                return true;
            }
            rowMark[next] = relaxed;
            const std::int64_t sum = std::int64_t{settledDistance} + firstWeight[next];
            saturated |= sum >= kInfinity;
            const int candidate = clampToInt(sum);
            if (candidate < distance[next]) {
                distance[next] = candidate;
                predecessor[next] = vertex;
                frontier.pushOrDecrease(frontierKey(candidate, positionOf(next), next));
            }
            return true;
        });
    }

    // Every vertex left is at infinity and is settled there without relaxing anything.
    result.reachable = targetSeen || (saturated && graph.Reachable(from, to));
    result.distance = result.reachable ? kInfinity : -1;
    return result;
}

}  // namespace graph_internal
