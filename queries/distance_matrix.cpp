#include "queries/internal/distance_matrix.h"

#include <algorithm>
#include <array>
#include <bitset>
#include <cstdint>
#include <limits>
#include <optional>
#include <string>
#include <vector>

#include "queries/internal/components.h"
#include "queries/internal/shortest_paths.h"

namespace graph_internal {
namespace {

using NameSet = std::bitset<kNameCount>;  // by name slot

constexpr std::int64_t kUnreached = std::numeric_limits<std::int64_t>::max();

Distance weighing(std::int64_t weight) {
    return {Distance::Kind::weight, weight};
}

Distance distanceOf(std::optional<std::int64_t> length) {
    return length ? weighing(*length) : Distance{};
}

// Whether the steps within one component close a cycle of negative weight
// (a loop of negative weight among them): Bellman-Ford from every member at
// once, as if a start stepped to each at 0, each round relaxing only the
// steps out of the members that dropped in the round before. Without such a
// cycle every member's least weight is that of a path of fewer steps than
// the component has members, so a round that many changes nothing; with one,
// some member drops in every round. Distances stay above -2^39: each round
// lowers them by one step's weight at most. O(C * S_C), C the members and
// S_C the steps out of them.
bool holdsNegativeCycle(const TableSummary& table, EdgeEntries rule,
                        const StrongComponents& components, int component) {
    const std::string& members = components.members[static_cast<std::size_t>(component)];
    std::array<std::int64_t, kNameCount> distance{};
    std::vector<char> dropped(members.begin(), members.end());
    std::vector<char> next;
    for (std::size_t round = 1; round <= members.size() && !dropped.empty(); ++round) {
        NameSet queued;
        next.clear();
        for (const char vertex : dropped) {
            for (const Neighbour& neighbour : table.neighboursOf(vertex)) {
                const std::size_t v = nameSlot(neighbour.name);
                if (!neighbour.isStep(rule) || components.componentOf[v] != component) {
                    continue;
                }
                const std::int64_t through =
                    distance[nameSlot(vertex)] + neighbour.leastWeight(rule);
                if (through < distance[v]) {
                    distance[v] = through;
                    if (!queued[v]) {
                        queued.set(v);
                        next.push_back(neighbour.name);
                    }
                }
            }
        }
        dropped.swap(next);
    }
    return !dropped.empty();
}

// What each component reaches, and what lies behind a negative cycle that
// it reaches.
struct Closures {
    std::vector<NameSet> reached;      // its own members included
    std::vector<NameSet> behindCycle;  // reached from a component holding a negative cycle
    std::vector<bool> holdsCycle;
};

// Components in the order they are numbered, each after every component it
// steps to, so that each closure is the union of those of the components
// its steps lead to. O(V * S) for the cycles, O(S * V / 64) for the unions.
Closures closuresOf(const TableSummary& table, EdgeEntries rule,
                    const StrongComponents& components) {
    const std::size_t count = components.members.size();
    Closures closures{std::vector<NameSet>(count), std::vector<NameSet>(count),
                      std::vector<bool>(count)};
    for (std::size_t c = 0; c < count; ++c) {
        NameSet& reached = closures.reached[c];
        NameSet& behindCycle = closures.behindCycle[c];
        for (const char member : components.members[c]) {
            reached.set(nameSlot(member));
            for (const Neighbour& neighbour : table.neighboursOf(member)) {
                const int next = components.componentOf[nameSlot(neighbour.name)];
                if (neighbour.isStep(rule) && next != static_cast<int>(c)) {
                    reached |= closures.reached[static_cast<std::size_t>(next)];
                    behindCycle |= closures.behindCycle[static_cast<std::size_t>(next)];
                }
            }
        }
        closures.holdsCycle[c] = holdsNegativeCycle(table, rule, components, static_cast<int>(c));
        if (closures.holdsCycle[c]) {
            behindCycle = reached;
        }
    }
    return closures;
}

// The least weights between the names outside components that hold a
// negative cycle, by position in `order`, row after row; kUnreached where no
// path leads. Floyd-Warshall over their steps: with no negative cycle among
// them, each weight it holds is that of a path of fewer than V steps, under
// 2^39 in magnitude, so no sum of two overflows. O(V^3) time, O(V^2) memory.
std::vector<std::int64_t> leastWeightsOutsideCycles(const TableSummary& table, EdgeEntries rule,
                                                    const StrongComponents& components,
                                                    const Closures& closures) {
    const AppearanceOrder& order = table.tieOrder(rule);
    const std::size_t n = order.names().size();
    const auto outside = [&](char name) {
        const int component = components.componentOf[nameSlot(name)];
        return !closures.holdsCycle[static_cast<std::size_t>(component)];
    };
    std::vector<std::int64_t> weight(n * n, kUnreached);
    for (std::size_t u = 0; u < n; ++u) {
        const char vertex = order.names()[u];
        weight[u * n + u] = 0;
        if (!outside(vertex)) {
            continue;
        }
        for (const Neighbour& neighbour : table.neighboursOf(vertex)) {
            if (neighbour.isStep(rule) && neighbour.name != vertex && outside(neighbour.name)) {
                std::int64_t& cell =
                    weight[u * n + static_cast<std::size_t>(order.positionOf(neighbour.name))];
                cell = std::min<std::int64_t>(cell, neighbour.leastWeight(rule));
            }
        }
    }
    for (std::size_t k = 0; k < n; ++k) {
        const std::int64_t* const fromK = &weight[k * n];
        for (std::size_t i = 0; i < n; ++i) {
            const std::int64_t toK = weight[i * n + k];
            if (toK == kUnreached) {
                continue;
            }
            std::int64_t* const fromI = &weight[i * n];
            for (std::size_t j = 0; j < n; ++j) {
                if (fromK[j] != kUnreached) {
                    fromI[j] = std::min(fromI[j], toK + fromK[j]);
                }
            }
        }
    }
    return weight;
}

}  // namespace

DistanceMatrix leastWeightMatrix(const TableSummary& table, EdgeEntries rule) {
    const StrongComponents components = strongComponents(table, rule);
    const Closures closures = closuresOf(table, rule, components);
    const std::vector<std::int64_t> weight =
        leastWeightsOutsideCycles(table, rule, components, closures);
    DistanceMatrix matrix;
    matrix.names = table.tieOrder(rule).names();
    const std::size_t n = matrix.names.size();
    for (std::size_t i = 0; i < n; ++i) {
        const auto component =
            static_cast<std::size_t>(components.componentOf[nameSlot(matrix.names[i])]);
        std::vector<Distance>& row = matrix.rows.emplace_back(n);
        for (std::size_t j = 0; j < n; ++j) {
            const std::size_t target = nameSlot(matrix.names[j]);
            if (closures.behindCycle[component][target]) {
                row[j].kind = Distance::Kind::negativeCycle;
            } else if (closures.reached[component][target]) {
                // No path here passes through a component holding a negative
                // cycle, so the one Floyd-Warshall took is the least.
                row[j] = weighing(weight[i * n + j]);
            }
        }
    }
    return matrix;
}

DistanceMatrix shortestDistanceMatrix(const TableSummary& table) {
    SummarySteps steps(table);
    DistanceMatrix matrix;
    matrix.names = table.order().names();
    for (const char from : matrix.names) {
        LabelSettingSearch<SummarySteps> search(steps, from);
        search.settleAll();
        std::vector<Distance>& row = matrix.rows.emplace_back();
        for (const char name : matrix.names) {
            row.push_back(distanceOf(settledLength(search, from, name)));
        }
    }
    return matrix;
}

}  // namespace graph_internal
