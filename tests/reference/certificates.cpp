#include "tests/reference/certificates.h"

#include <algorithm>
#include <bitset>
#include <climits>
#include <cstdint>
#include <functional>
#include <numeric>
#include <optional>

#include "tests/reference/textbook_reference.h"

namespace {

using Weight = std::optional<std::int64_t>;

// What the table holds from name u to name v, names being bytes; only the
// graph's names have room, so that a small graph makes a small table.
struct Table {
    std::string names;
    std::vector<int> dense = std::vector<int>(kNameCount, -1);  // a name's place in `names`
    std::vector<Weight> steps;                                  // the least step weight
    std::vector<int> kinds;                                     // 1: weight not -1; 2: weight -1
    std::vector<int> firsts;  // the weight of the first entry, -1 or not
    std::vector<int> met;     // when a walk of the rows met the first entry; INT_MAX: never

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
    table.firsts.resize(table.kinds.size());
    table.met.resize(table.kinds.size(), INT_MAX);
    int met = 0;
    std::vector<bool> hasRow(kNameCount, false);
    for (std::size_t i = 0; i < graph.adjList.size(); ++i) {
        const auto& row = graph.adjList[i];
        const bool own = !row.empty() && static_cast<long long>(i) < graph.vertexCount &&
                         !hasRow[byte(row.front()->vertex)];
        for (auto entry = row.begin(); entry != row.end() && own; ++entry) {
            const Edge& edge = **entry;
            const std::size_t k = table.at(byte(row.front()->vertex), byte(edge.vertex));
            if (entry != row.begin()) {
                if (!table.kinds[k]) {
                    table.firsts[k] = edge.weight;
                    table.met[k] = ++met;
                }
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

// For each byte, the bytes its steps reach, a name reaching itself; by Warshall's rule.
std::vector<std::bitset<kNameCount>> reachFromEach(const Table& table) {
    std::vector<std::bitset<kNameCount>> reach(kNameCount);
    for (const char u : table.names) {
        for (const char v : table.names) {
            reach[byte(u)][byte(v)] = u == v || table.step(byte(u), byte(v));
        }
    }
    for (const char via : table.names) {
        for (const char u : table.names) {
            reach[byte(u)] |=
                reach[byte(u)][byte(via)] ? reach[byte(via)] : std::bitset<kNameCount>();
        }
    }
    return reach;
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

// The names that reach `u` and that `u` reaches, in table order.
std::string together(const Table& table, const std::vector<std::bitset<kNameCount>>& reach,
                     char u) {
    std::string members;
    for (const char v : table.names) {
        members += reach[byte(u)][byte(v)] && reach[byte(v)][byte(u)] ? std::string(1, v) : "";
    }
    return members;
}

// A cycle of negative weight through `members` alone, by Bellman-Ford from all of them at once:
// a step still lowers a distance in the last round only behind such a cycle, which walking back
// as many steps reaches. "" when there is none.
std::string negativeCycleAmong(const Table& table, const std::string& members) {
    std::vector<std::int64_t> distance(kNameCount, 0);
    std::vector<int> before(kNameCount, -1);
    int lowered = -1;
    for (std::size_t round = 0; round < members.size() && (round == 0 || lowered >= 0); ++round) {
        lowered = -1;
        for (std::size_t k = 0; k < members.size() * members.size(); ++k) {
            const int u = byte(members[k / members.size()]), v = byte(members[k % members.size()]);
            if (table.step(u, v) && distance[u] + *table.step(u, v) < distance[v]) {
                distance[v] = distance[u] + *table.step(u, v);
                before[v] = u;
                lowered = v;
            }
        }
    }
    for (std::size_t i = 0; i < members.size() && lowered >= 0; ++i) {
        lowered = before[lowered];
    }
    std::string cycle;
    for (int v = lowered; lowered >= 0 && (cycle.empty() || v != lowered); v = before[v]) {
        cycle.insert(cycle.begin(), static_cast<char>(v));
    }
    return cycle.empty() ? "" : cycle.back() + cycle;
}

// leastWeightCertificate of a table read already, with what each name reaches.
std::string routesViolation(const Table& table, const std::vector<std::bitset<kNameCount>>& reach,
                            char from, const std::vector<Route>& routes,
                            const std::string& tieOrder) {
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
    std::bitset<kNameCount> behindCycle;
    for (const Route& route : routes) {
        const std::string& cycle = route.negativeCycle;
        const Weight weight = walkWeight(table, cycle);
        if (!cycle.empty() &&
            (!isCycle(cycle) || !weight || *weight >= 0 || !reach[byte(from)][byte(cycle[0])] ||
             !reach[byte(cycle[0])][byte(route.target)])) {
            return target(byte(route.target)) + "no negative cycle from the source to the target";
        }
        behindCycle |= cycle.empty() ? std::bitset<kNameCount>() : reach[byte(cycle[0])];
    }
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

}  // namespace

std::string leastWeightCertificate(const Graph& graph, char from, const std::vector<Route>& routes,
                                   bool everyEntry, const std::string& tieOrder) {
    const Table table = readTable(graph, everyEntry);
    return routesViolation(table, reachFromEach(table), from, routes, tieOrder);
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

std::string componentsCertificate(const Graph& graph, const std::vector<std::string>& components,
                                  bool everyEntry, const std::string& tieOrder) {
    const Table table = readTable(graph, everyEntry);
    const std::vector<std::bitset<kNameCount>> reach = reachFromEach(table);
    std::size_t placed = 0;
    for (std::size_t i = 0; i < components.size(); ++i) {
        const std::string& names = components[i];
        const std::string members = names.empty() ? "" : together(table, reach, names[0]);
        bool right = !names.empty() && names.size() == members.size() &&
                     (i == 0 || tieOrder.find(names[0]) > tieOrder.find(components[i - 1][0]));
        for (std::size_t j = 0; j < names.size(); ++j) {
            right = right && members.find(names[j]) != std::string::npos &&
                    tieOrder.find(names[j]) != std::string::npos &&
                    (j == 0 || tieOrder.find(names[j]) > tieOrder.find(names[j - 1]));
        }
        if (!right) {
            return "component " + std::to_string(i) + ": not its first name's, in tie order";
        }
        placed += names.size();
    }
    return placed == table.names.size() ? "" : "a name in no component";
}

std::string leastWeightMatrixCertificate(const Graph& graph, const DistanceMatrix& matrix,
                                         bool everyEntry, const std::string& tieOrder) {
    const Table table = readTable(graph, everyEntry);
    const std::vector<std::bitset<kNameCount>> reach = reachFromEach(table);
    const std::string& names = matrix.names;
    const bool ragged = std::any_of(matrix.rows.begin(), matrix.rows.end(),
                                    [&](const auto& row) { return row.size() != names.size(); });
    if (names != tieOrder || matrix.rows.size() != names.size() || ragged) {
        return "not the names of the tie order, or not a row and a cell for each";
    }
    std::vector<std::string> cycles, none;  // one of each strongly connected set holding one
    for (const char u : table.names) {
        const std::string members = together(table, reach, u);
        const std::string cycle = members[0] == u ? negativeCycleAmong(table, members) : "";
        if (!cycle.empty()) {
            cycles.push_back(cycle);
        }
    }
    for (const char from : names) {
        const std::vector<Distance>& row = matrix.rows[names.find(from)];
        const std::string source = "from " + std::to_string(byte(from)) + ", ";
        std::vector<Weight> length(kNameCount);
        for (std::size_t j = 0; j < names.size(); ++j) {
            length[byte(names[j])] =
                row[j].kind == Distance::Kind::weight ? Weight(row[j].weight) : Weight();
        }
        // Paths of the fewest edges over tight steps, breadth first from the source. The sums
        // wrap, for cells may hold weights no path has; routesViolation judges the paths.
        std::vector<std::string> path(kNameCount);
        path[byte(from)] = std::string(1, from);
        std::vector<int> queue = {byte(from)};
        for (std::size_t next = 0; next < queue.size() && length[byte(from)]; ++next) {
            for (const char name : names) {
                const int u = queue[next], v = byte(name);
                if (path[v].empty() && length[v] && table.step(u, v) &&
                    static_cast<std::uint64_t>(*length[u]) +
                            static_cast<std::uint64_t>(*table.step(u, v)) ==
                        static_cast<std::uint64_t>(*length[v])) {
                    path[v] = path[u] + name;
                    queue.push_back(v);
                }
            }
        }
        std::vector<Route> routes;
        for (std::size_t j = 0; j < names.size(); ++j) {
            const int v = byte(names[j]);
            const bool cycle = row[j].kind == Distance::Kind::negativeCycle;
            routes.push_back({names[j], length[v], length[v] ? path[v] : "", ""});
            for (const std::string& c : cycle ? cycles : none) {
                const bool between = reach[byte(from)][byte(c[0])] && reach[byte(c[0])][v];
                routes.back().negativeCycle = between ? c : routes.back().negativeCycle;
            }
            if (length[v] ? path[v].empty() : cycle && routes.back().negativeCycle.empty()) {
                return source + std::to_string(v) + ": no tight path, or no negative cycle between";
            }
        }
        const std::string violation = routesViolation(table, reach, from, routes, "");
        if (!violation.empty()) {
            return source + violation;
        }
    }
    return "";
}

std::string spanningForestCertificate(const Graph& graph, const std::vector<EdgeTriple>& forest,
                                      bool everyEntry, const std::string& tieOrder,
                                      const std::string& pairOrder) {
    const Table table = readTable(graph, everyEntry);
    const std::size_t n = table.names.size();
    std::vector<int> rank = pairOrder.empty() ? table.met : std::vector<int>(n * n, INT_MAX);
    for (std::size_t i = 0; i + 1 < pairOrder.size(); i += 2) {
        const int u = byte(pairOrder[i]), v = byte(pairOrder[i + 1]);
        if (table.isName(u) && table.isName(v)) {
            rank[table.at(u, v)] = std::min(rank[table.at(u, v)], static_cast<int>(i));
        }
    }
    // Each pair's key from its steps either way, the pair at k and its reverse; the pairs by keys.
    using Key = std::pair<std::int64_t, int>;
    const auto weight = [&](std::size_t k) {
        return table.steps[k] && !everyEntry ? Weight(table.firsts[k]) : table.steps[k];
    };
    std::vector<std::optional<Key>> keyOf(n * n);
    std::vector<std::pair<Key, std::size_t>> pairs;
    for (std::size_t k = 0; k < n * n; ++k) {
        const std::size_t back = k % n * n + k / n;
        const Weight w =
            weight(back) && (!weight(k) || *weight(back) < *weight(k)) ? weight(back) : weight(k);
        const int first =
            std::min(weight(k) ? rank[k] : INT_MAX, weight(back) ? rank[back] : INT_MAX);
        keyOf[k] = w && k != back ? std::optional(Key(*w, first)) : std::nullopt;
        if (keyOf[k] && k < back) {
            pairs.emplace_back(*keyOf[k], k);
        }
    }
    std::sort(pairs.begin(), pairs.end());
    std::vector<bool> inForest(n * n, false);
    std::optional<Key> last;
    for (const EdgeTriple& edge : forest) {
        const int u = byte(edge.source), v = byte(edge.target);
        const std::optional<Key> key =
            table.isName(u) && table.isName(v) ? keyOf[table.at(u, v)] : std::nullopt;
        if (!key || key->first != edge.weight ||
            tieOrder.find(edge.source) > tieOrder.find(edge.target) || (last && *key <= *last)) {
            return "edge " + std::to_string(u) + "-" + std::to_string(v) + ": not the next pair";
        }
        last = key;
        inForest[table.at(u, v)] = inForest[table.at(v, u)] = true;
    }
    // Kruskal's rule holds at every pair in turn: a forest edge joins two trees of the edges
    // before it, and any other pair's ends are joined already.
    std::vector<int> root(kNameCount);
    std::iota(root.begin(), root.end(), 0);
    const std::function<int(int)> find = [&](int c) {
        return root[c] == c ? c : root[c] = find(root[c]);
    };
    for (const auto& [key, k] : pairs) {
        const int u = byte(table.names[k / n]), v = byte(table.names[k % n]);
        if ((find(u) == find(v)) == inForest[k]) {
            return "pair " + std::to_string(u) + "-" + std::to_string(v) +
                   ": breaks Kruskal's rule";
        }
        root[find(u)] = find(v);
    }
    return "";
}
