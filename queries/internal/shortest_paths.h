// The label-setting queries, over either kind of steps (see steps.h): the
// graph's own read its rows, a QueryIndex reads its summary.
#ifndef QUERIES_SHORTEST_PATHS_H_
#define QUERIES_SHORTEST_PATHS_H_

#include <algorithm>
#include <climits>
#include <optional>
#include <string>
#include <vector>

#include "queries/internal/breadth_first_search.h"
#include "queries/internal/label_setting_search.h"

namespace graph_internal {

// Whether a path of one step or more leads from `from` to `to`.
template <typename Steps>
bool reachesOver(Steps& steps, char from, char to) {
    return reaches(from, to, [&](char vertex, auto visit) {
        steps.forEachStep(vertex, [&](char next, int) { return visit(next); });
    });
}

// A start reaches itself only through a cycle, although the search settles it
// first at distance 0; any other target is reachable exactly when the search
// reaches it.
template <typename Steps>
std::optional<std::int64_t> shortestDistanceOver(Steps& steps, char from, char to) {
    if (from == to) {
        return reachesOver(steps, from, from) ? std::optional<std::int64_t>(0) : std::nullopt;
    }
    LabelSettingSearch<Steps> search(steps, from);
    return search.settleUntil(to) ? std::optional(search.distance(to)) : std::nullopt;
}

template <typename Steps>
std::string shortestPathOver(Steps& steps, char from, char to) {
    if (from == to) {
        return reachesOver(steps, from, from) ? std::string(1, from) : std::string();
    }
    LabelSettingSearch<Steps> search(steps, from);
    return search.settleUntil(to) ? search.pathTo(to) : std::string();
}

// After `search` from `from` has settled every vertex, the length of the
// route to `name`: as in shortestDistanceOver, the start has one only
// through a cycle.
template <typename Steps>
std::optional<std::int64_t> settledLength(const LabelSettingSearch<Steps>& search, char from,
                                          char name) {
    if (name == from) {
        return search.returnsToStart() ? std::optional<std::int64_t>(0) : std::nullopt;
    }
    return search.settled(name) ? std::optional(search.distance(name)) : std::nullopt;
}

// One search settles every vertex; a route for each of `names`.
template <typename Steps>
std::vector<Route> shortestRoutesOver(Steps& steps, char from, const std::string& names) {
    LabelSettingSearch<Steps> search(steps, from);
    search.settleAll();
    std::vector<Route> routes;
    for (const char name : names) {
        Route& route = routes.emplace_back();
        route.target = name;
        route.length = settledLength(search, from, name);
        if (route.length) {
            route.path = name == from ? std::string(1, from) : search.pathTo(name);
        }
    }
    return routes;
}

// The lengths of `routes`, by target.
inline std::vector<std::pair<char, std::optional<std::int64_t>>> distancesOf(
    const std::vector<Route>& routes) {
    std::vector<std::pair<char, std::optional<std::int64_t>>> distances;
    for (const Route& route : routes) {
        distances.emplace_back(route.target, route.length);
    }
    return distances;
}

// Dijkstra's answer: the distance clamped into the int range, or -1.
inline int clampedDistance(std::optional<std::int64_t> distance) {
    return distance ? static_cast<int>(std::clamp<std::int64_t>(*distance, INT_MIN, INT_MAX)) : -1;
}

}  // namespace graph_internal

#endif  // QUERIES_SHORTEST_PATHS_H_
