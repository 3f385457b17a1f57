#include <algorithm>
#include <climits>

#include "queries/breadth_first_search.h"
#include "queries/label_setting_search.h"
#include "queries/topo_sort.h"

using graph_internal::LabelSettingSearch;
using graph_internal::TableSummary;

QueryIndex::QueryIndex(const Graph& graph) : summary_(std::make_shared<TableSummary>(graph)) {}

bool QueryIndex::Reachable(char from, char to) const {
    return graph_internal::reaches(from, to, [&](char vertex, auto visit) {
        for (const graph_internal::Neighbour& neighbour : summary_->neighboursOf(vertex)) {
            if (!visit(neighbour.name)) {
                return;
            }
        }
    });
}

// A start reaches itself only through a cycle, although the search settles it
// first at distance 0; any other target is reachable exactly when the search
// reaches it.
std::optional<std::int64_t> QueryIndex::shortestDistance(char from, char to) const {
    if (from == to) {
        return Reachable(from, to) ? std::optional<std::int64_t>(0) : std::nullopt;
    }
    LabelSettingSearch search(*summary_, from);
    return search.settleUntil(to) ? std::optional(search.distance(to)) : std::nullopt;
}

int QueryIndex::Dijkstra(char from, char to) const {
    const std::optional<std::int64_t> distance = shortestDistance(from, to);
    return distance ? static_cast<int>(std::clamp<std::int64_t>(*distance, INT_MIN, INT_MAX)) : -1;
}

std::string QueryIndex::shortestPath(char from, char to) const {
    if (from == to) {
        return Reachable(from, to) ? std::string(1, from) : std::string();
    }
    LabelSettingSearch search(*summary_, from);
    return search.settleUntil(to) ? search.pathTo(to) : std::string();
}

std::vector<std::pair<char, std::optional<std::int64_t>>> QueryIndex::shortestDistances(
    char from) const {
    LabelSettingSearch search(*summary_, from);
    search.settleAll();
    std::vector<std::pair<char, std::optional<std::int64_t>>> distances;
    for (const char name : summary_->order().names()) {
        const bool reached = name == from ? search.returnsToStart() : search.reached(name);
        distances.emplace_back(name, reached ? std::optional(search.distance(name)) : std::nullopt);
    }
    return distances;
}

std::string QueryIndex::topoSort() const {
    return graph_internal::topologicalOrder(*summary_);
}

std::string QueryIndex::vertexNames() const {
    return summary_->order().names();
}
