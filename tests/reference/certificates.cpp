#include "tests/reference/certificates.h"

#include <cstdint>
#include <optional>

#include "tests/reference/textbook_reference.h"

namespace {

using Weight = std::optional<std::int64_t>;

// Names index the tables as unsigned bytes, so NUL and bytes above 127 are names like any other.
int byte(char c) {
    return static_cast<unsigned char>(c);
}

// What the table holds from name u to name v, names being bytes; only the
// graph's names have room, so that a small graph makes a small table.
struct Table {
    std::string names;
    std::vector<int> dense = std::vector<int>(kNameCount, -1);  // a name's place in `names`
    std::vector<Weight> steps;                                  // the least step weight
    std::vector<int> kinds;                                     // 1: weight not -1; 2: weight -1

    bool isName(int c) const { return dense[c] >= 0; }
    std::size_t at(int u, int v) const {
        return static_cast<std::size_t>(dense[u]) * names.size() +
               static_cast<std::size_t>(dense[v]);
    }
    Weight step(int u, int v) const { return isName(u) && isName(v) ? steps[at(u, v)] : Weight(); }
    int entries(int u, int v) const { return isName(u) && isName(v) ? kinds[at(u, v)] : 0; }
};

// Every row gives names, but entries count only in the row that owns its head's name.
Table readTable(const Graph& graph, bool everyEntry) {
    Table table;
    table.names = textbookNames(graph);
    for (std::size_t i = 0; i < table.names.size(); ++i) {
        table.dense[byte(table.names[i])] = static_cast<int>(i);
    }
    table.steps.resize(table.names.size() * table.names.size());
    table.kinds.resize(table.names.size() * table.names.size());
    std::vector<bool> hasRow(kNameCount, false);
    for (std::size_t i = 0; i < graph.adjList.size(); ++i) {
        const auto& row = graph.adjList[i];
        const bool own = !row.empty() && static_cast<long long>(i) < graph.vertexCount &&
                         !hasRow[byte(row.front()->vertex)];
        for (auto entry = row.begin(); entry != row.end() && own; ++entry) {
            const Edge& edge = **entry;
            const std::size_t k = table.at(byte(row.front()->vertex), byte(edge.vertex));
            if (entry != row.begin()) {
                table.kinds[k] |= edge.weight == kHiddenWeight ? 2 : 1;
                if ((everyEntry || edge.weight != kHiddenWeight) &&
                    (!table.steps[k] || edge.weight < *table.steps[k])) {
                    table.steps[k] = edge.weight;
                }
            }
        }
        if (own) {
            hasRow[byte(row.front()->vertex)] = true;
        }
    }
    return table;
}

// The bytes reachable by steps from those in `queue`, they included.
std::vector<bool> closure(const Table& table, std::vector<int> queue) {
    std::vector<bool> reached(kNameCount, false);
    for (std::size_t next = 0; next < queue.size(); ++next) {
        const int u = queue[next];
        for (const char name : table.names) {
            if (!reached[u] && table.step(u, byte(name))) {
                queue.push_back(byte(name));
            }
        }
        reached[u] = true;
    }
    return reached;
}

// The total weight of a walk, or nothing when a pair in it is no step.
Weight walkWeight(const Table& table, const std::string& walk) {
    Weight total = 0;
    for (std::size_t i = 1; i < walk.size(); ++i) {
        const Weight weight = table.step(byte(walk[i - 1]), byte(walk[i]));
        total = total && weight ? *total + *weight : Weight();
    }
    return total;
}

// Whether `walk` returns to its first vertex and visits no other twice; how its pairs are joined
// is the caller's to judge.
bool isCycle(const std::string& walk) {
    bool cycle = walk.size() >= 2 && walk.front() == walk.back();
    for (std::size_t i = 0; cycle && i + 1 < walk.size(); ++i) {
        cycle = walk.find(walk[i]) == i;
    }
    return cycle;
}

}  // namespace

std::string leastWeightCertificate(const Graph& graph, char from, const std::vector<Route>& routes,
                                   bool everyEntry, const std::string& tieOrder) {
    const Table table = readTable(graph, everyEntry);
    const auto target = [](int c) { return "target " + std::to_string(c) + ": "; };
    std::vector<const Route*> routeOf(kNameCount, nullptr);
    for (const Route& route : routes) {
        const int v = byte(route.target);
        const std::string& path = route.path;
        const bool shaped =
            route.length ? !path.empty() && route.negativeCycle.empty()
                         : path.empty() && (route.target != from || !route.negativeCycle.empty());
        if (routeOf[v] || !shaped) {
            return target(v) + "given twice, or not one of: length with path, cycle, nothing";
        }
        routeOf[v] = &route;
        if (route.length && (path.front() != from || path.back() != route.target ||
                             walkWeight(table, path) != route.length ||
                             (route.target == from && path.size() != 1))) {
            return target(v) + "the path is no walk of steps from the source of that weight";
        }
    }
    const auto length = [&](int c) { return routeOf[c] ? routeOf[c]->length : std::nullopt; };
    const auto edges = [&](int c) { return routeOf[c]->path.size(); };
    const auto unreachable = [&](int c) {
        return routeOf[c] && !routeOf[c]->length && routeOf[c]->negativeCycle.empty();
    };
    for (std::size_t k = 0; k < table.steps.size(); ++k) {
        const int u = byte(table.names[k / table.names.size()]);
        const int v = byte(table.names[k % table.names.size()]);
        // With every length tight, these sums stay far inside 64 bits.
        const Weight via = table.steps[k] && length(u) ? *length(u) + *table.steps[k] : Weight();
        if (via && length(v) &&
            (*via < *length(v) || (*via == *length(v) && edges(u) + 1 < edges(v)))) {
            return target(v) + "the step from " + std::to_string(u) + " does better";
        }
        if (table.steps[k] && routeOf[u] && !unreachable(u) && unreachable(v)) {
            return target(v) + "called unreachable, but a step from " + std::to_string(u) +
                   " reaches it";
        }
    }
    const std::vector<bool> fromSource = closure(table, {byte(from)});
    std::vector<int> cycleStarts;
    for (const Route& route : routes) {
        const std::string& cycle = route.negativeCycle;
        const Weight weight = walkWeight(table, cycle);
        if (!cycle.empty() &&
            (!isCycle(cycle) || !weight || *weight >= 0 || !fromSource[byte(cycle[0])] ||
             !closure(table, {byte(cycle[0])})[byte(route.target)])) {
            return target(byte(route.target)) + "no negative cycle from the source to the target";
        }
        if (!cycle.empty()) {
            cycleStarts.push_back(byte(cycle[0]));
        }
    }
    const std::vector<bool> behindCycle = closure(table, cycleStarts);
    for (const Route& route : routes) {
        const int v = byte(route.target);
        if (route.length && behindCycle[v]) {
            return target(v) + "has a length, but a negative cycle reaches it";
        }
        if (tieOrder.empty() || !route.length || route.path.size() < 2) {
            continue;
        }
        // Some candidates may lack a route; one that has a route and ranks first proves a fault.
        const char last = route.path[route.path.size() - 2];
        for (const char name : table.names) {
            const int u = byte(name);
            const Weight w = table.step(u, v);
            if (w && length(u) && *length(u) + *w == *route.length && edges(u) + 1 == edges(v) &&
                tieOrder.find(static_cast<char>(u)) < tieOrder.find(last)) {
                return target(v) + "the last step is from " + std::to_string(byte(last)) +
                       ", but " + std::to_string(u) + " comes first";
            }
        }
        const Route* before = routeOf[byte(last)];
        if (before && before->length && before->path + route.target != route.path) {
            return target(v) + "the path does not extend the path of " + std::to_string(byte(last));
        }
    }
    return "";
}

std::string topoCertificate(const Graph& graph, const std::string& order,
                            const TopoObstacle& obstacle, bool everyEntry) {
    const Table table = readTable(graph, everyEntry);
    const auto vertex = [](int c) { return "vertex " + std::to_string(c) + ": "; };
    std::vector<int> placedAt(kNameCount, -1);
    for (std::size_t i = 0; i < order.size(); ++i) {
        if (!table.isName(byte(order[i])) || placedAt[byte(order[i])] >= 0) {
            return vertex(byte(order[i])) + "placed twice, or no name";
        }
        placedAt[byte(order[i])] = static_cast<int>(i);
    }
    const auto hidden = [&](int u, int v) { return !everyEntry && (table.entries(u, v) & 2) != 0; };
    std::size_t leftOut = 0;
    for (const char name : table.names) {
        const int v = byte(name);
        bool kept = false;
        for (const char from : table.names) {
            const int u = byte(from);
            // Released: before v is placed, or ever, when v is left out.
            const bool released =
                !table.entries(u, v) || (!hidden(u, v) && placedAt[u] >= 0 &&
                                         (placedAt[v] < 0 || placedAt[u] < placedAt[v]));
            if (placedAt[v] >= 0 && !released) {
                return vertex(v) + "placed before its entry from " + std::to_string(u) +
                       " is released";
            }
            kept = kept || !released;
        }
        if (placedAt[v] < 0 && !kept) {
            return vertex(v) + "left out, but nothing keeps it out";
        }
        leftOut += placedAt[v] < 0;
    }
    const std::string& walk = obstacle.vertices;
    const auto out = [&](char c) { return table.isName(byte(c)) && placedAt[byte(c)] < 0; };
    using Kind = TopoObstacle::Kind;
    bool real = obstacle.kind == Kind::none ? leftOut == 0 && walk.empty()
                : obstacle.kind == Kind::hiddenEdge
                    ? walk.size() == 2 && out(walk[1]) && hidden(byte(walk[0]), byte(walk[1]))
                    : obstacle.kind == Kind::cycle && isCycle(walk);
    for (std::size_t i = 0; obstacle.kind == Kind::cycle && real && i + 1 < walk.size(); ++i) {
        real = out(walk[i]) && table.entries(byte(walk[i]), byte(walk[i + 1])) != 0;
    }
    const std::string kind = std::to_string(static_cast<int>(obstacle.kind));
    return real ? ""
                : "obstacle of kind " + kind + " does not explain " + std::to_string(leftOut) +
                      " names left out";
}
