#include "tests/reference/least_weight_reference.h"

#include "tests/reference/textbook_reference.h"

#include <algorithm>
#include <cstdint>
#include <map>
#include <optional>
#include <vector>

namespace {

using Byte = unsigned char;  // any byte may be a name, NUL included
using Length = std::optional<std::int64_t>;

// Bellman-Ford over all 256 bytes, so that names absent from the table and NUL
// need no special case; the steps are read off the rows as the textbook
// reference finds them.
struct Reading {
    std::string names;  // in order of first appearance
    std::vector<std::map<int, int>> steps = std::vector<std::map<int, int>>(256);  // u: v -> least
    std::vector<Length> distance = std::vector<Length>(256);
    std::vector<bool> unbounded = std::vector<bool>(256, false);  // behind a negative cycle

    Reading(const Graph& graph, char from) : names(textbookNames(graph)) {
        for (const char name : names) {
            const auto& row = textbookRow(graph, name);
            for (auto e = std::next(row.begin()); e != row.end(); ++e) {
                if ((*e)->weight != -1) {
                    const auto step = steps[Byte(name)].emplace(Byte((*e)->vertex), (*e)->weight);
                    step.first->second = std::min(step.first->second, (*e)->weight);
                }
            }
        }
        // Only the names and `from` take part, so the names.size() rounds before
        // the last cover V - 1; what still drops in the last lies behind a
        // negative cycle. A round that changes nothing ends the search early.
        distance[Byte(from)] = 0;
        bool changed = true;
        for (std::size_t round = 0; changed && round <= names.size(); ++round) {
            changed = false;
            for (int u = 0; u < 256; ++u) {
                for (const auto& [v, weight] : steps[u]) {
                    if (distance[u] && (!distance[v] || *distance[u] + weight < *distance[v])) {
                        distance[v] = *distance[u] + weight;
                        changed = true;
                        if (round == names.size()) {
                            reach(v, unbounded);
                        }
                    }
                }
            }
        }
    }

    void reach(int u, std::vector<bool>& seen) const {
        if (!seen[u]) {
            seen[u] = true;
            for (const auto& step : steps[u]) {
                reach(step.first, seen);
            }
        }
    }

    // Nothing when a pair of `walk` is not a step.
    Length weight(const std::string& walk) const {
        Length total = 0;
        for (std::size_t i = 1; total && i < walk.size(); ++i) {
            const auto step = steps[Byte(walk[i - 1])].find(Byte(walk[i]));
            total = step == steps[Byte(walk[i - 1])].end() ? Length() : *total + step->second;
        }
        return total;
    }

    // Paths and cycles are judged valid rather than equal: any least path and
    // any negative cycle on a path to `to` are right answers. A cycle's vertices
    // reach one another, so its first one speaks for all.
    bool accepts(char from, char to, const Route& r) const {
        const std::string& cycle = r.negativeCycle;
        if (r.target != to || !unbounded[Byte(to)]) {
            return r.target == to && r.length == distance[Byte(to)] && cycle.empty() &&
                   (r.length ? !r.path.empty() && r.path.front() == from && r.path.back() == to &&
                                   weight(r.path) == r.length && (from != to || r.path.size() == 1)
                             : r.path.empty());
        }
        std::vector<bool> seen(256, false);
        reach(Byte(cycle.empty() ? to : cycle[0]), seen);
        return !r.length && r.path.empty() && cycle.size() > 1 && cycle.front() == cycle.back() &&
               weight(cycle).value_or(0) < 0 && distance[Byte(cycle[0])] && seen[Byte(to)];
    }
};

}  // namespace

std::string leastWeightDifference(const Graph& graph, char from, const std::string& targets) {
    const Reading reading(graph, from);
    std::vector<Route> routes = graph.leastWeightRoutes(from);
    if (routes.size() != reading.names.size()) {
        return "leastWeightRoutes from '" + std::string(1, from) +
               "': " + std::to_string(routes.size()) + " routes for \"" + reading.names + "\"";
    }
    for (const char to : targets) {
        routes.push_back(graph.leastWeightRoute(from, to));
    }
    const std::string expected = reading.names + targets;
    for (std::size_t i = 0; i < routes.size(); ++i) {
        const Route& r = routes[i];
        if (!reading.accepts(from, expected[i], r)) {
            const Length right = reading.distance[Byte(expected[i])];
            return std::string(i < reading.names.size() ? "leastWeightRoutes"
                                                        : "leastWeightRoute") +
                   " from '" + from + "' to '" + expected[i] + "': length " +
                   (r.length ? std::to_string(*r.length) : "none") + " path \"" + r.path +
                   "\" cycle \"" + r.negativeCycle + "\", expected " +
                   (reading.unbounded[Byte(expected[i])] ? "a negative cycle"
                    : right                              ? "length " + std::to_string(*right)
                                                         : "no route");
        }
    }
    return "";
}
