#include <algorithm>
#include <climits>

#include "queries/label_setting_search.h"

using graph_internal::LabelSettingSearch;

// A start reaches itself only through a cycle, although the search settles it
// first at distance 0; any other target is reachable exactly when the search
// reaches it.
std::optional<std::int64_t> Graph::shortestDistance(char from, char to) const {
    if (from == to) {
        return Reachable(from, to) ? std::optional<std::int64_t>(0) : std::nullopt;
    }
    LabelSettingSearch search(*this, from);
    return search.settleUntil(to) ? std::optional(search.distance(to)) : std::nullopt;
}

int Graph::Dijkstra(char from, char to) const {
    const std::optional<std::int64_t> distance = shortestDistance(from, to);
    return distance ? static_cast<int>(std::clamp<std::int64_t>(*distance, INT_MIN, INT_MAX)) : -1;
}

std::string Graph::shortestPath(char from, char to) const {
    if (from == to) {
        return Reachable(from, to) ? std::string(1, from) : std::string();
    }
    LabelSettingSearch search(*this, from);
    return search.settleUntil(to) ? search.pathTo(to) : std::string();
}

std::vector<std::pair<char, std::optional<std::int64_t>>> Graph::shortestDistances(
    char from) const {
    LabelSettingSearch search(*this, from);
    search.settleAll();
    std::vector<std::pair<char, std::optional<std::int64_t>>> distances;
    for (const char name : search.order().names()) {
        const bool reached = name == from ? search.returnsToStart() : search.reached(name);
        distances.emplace_back(name, reached ? std::optional(search.distance(name)) : std::nullopt);
    }
    return distances;
}
