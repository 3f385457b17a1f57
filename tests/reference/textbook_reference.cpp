#include "tests/reference/textbook_reference.h"

#include <algorithm>

using Row = std::list<std::shared_ptr<Edge>>;

const Row& textbookRow(const Graph& graph, char name) {
    static const Row none;
    for (int i = 0; i < graph.vertexCount && i < static_cast<int>(graph.adjList.size()); ++i) {
        if (!graph.adjList[i].empty() && graph.adjList[i].front()->vertex == name) {
            return graph.adjList[i];
        }
    }
    return none;
}

std::string textbookNames(const Graph& graph) {
    std::string names;
    for (const Row& row : graph.adjList) {
        for (const auto& entry : row) {
            if (names.find(entry->vertex) == std::string::npos) {
                names += entry->vertex;
            }
        }
    }
    return names;
}

// Settles the nearest unsettled record each time, ties to the earliest.
Distances textbookDistances(const Graph& graph, char from, std::vector<std::string>* paths) {
    const std::string names = textbookNames(graph);  // record i is names[i]
    std::vector<std::optional<std::int64_t>> distance(names.size());
    std::vector<std::size_t> predecessor(names.size(), names.size());
    std::vector<bool> settled(names.size(), false);
    bool returns = false;  // a settled vertex steps back to `from`: it lies on a cycle
    if (names.find(from) != std::string::npos) {
        distance[names.find(from)] = 0;
    }
    for (;;) {
        std::size_t u = names.size();
        for (std::size_t i = 0; i < names.size(); ++i) {
            if (!settled[i] && distance[i] && (u == names.size() || *distance[i] < *distance[u])) {
                u = i;
            }
        }
        if (u == names.size()) {
            break;
        }
        settled[u] = true;
        const Row& row = textbookRow(graph, names[u]);
        for (const auto& entry : row) {
            returns = returns || (entry->weight != kHiddenWeight && entry->vertex == from);
            const std::size_t v = names.find(entry->vertex);
            // A step weighs the first entry naming its target, whatever that entry's weight.
            const auto first = std::find_if(row.begin(), row.end(),
                                            [&](const auto& e) { return e->vertex == names[v]; });
            const std::int64_t via = *distance[u] + (*first)->weight;
            if (entry->weight != kHiddenWeight && v != u && !settled[v] &&
                (!distance[v] || via < *distance[v])) {
                distance[v] = via;
                predecessor[v] = u;
            }
        }
    }
    Distances result;
    for (std::size_t i = 0; i < names.size(); ++i) {
        result.emplace_back(names[i], names[i] != from ? distance[i]
                                      : returns        ? std::optional<std::int64_t>(0)
                                                       : std::nullopt);
        std::string path;
        for (std::size_t v = i; result.back().second && v != names.size(); v = predecessor[v]) {
            path.insert(path.begin(), names[v]);
        }
        if (paths) {
            paths->push_back(path);
        }
    }
    return result;
}

std::string textbookTopoSort(const Graph& graph, bool everyEntry, const std::string& order) {
    std::vector<int> inDegree(kNameCount, 0);
    for (const Row& row : graph.adjList) {
        for (auto entry = std::next(row.begin()); entry != row.end(); ++entry) {
            ++inDegree[static_cast<unsigned char>((*entry)->vertex)];
        }
    }
    std::string sorted;
    for (std::size_t u = 0; u < order.size();) {
        const auto at = static_cast<unsigned char>(order[u]);
        if (sorted.find(order[u]) != std::string::npos || inDegree[at] != 0) {
            ++u;
            continue;
        }
        sorted += order[u];
        for (const auto& entry : textbookRow(graph, order[u])) {
            inDegree[static_cast<unsigned char>(entry->vertex)] -=
                entry != textbookRow(graph, order[u]).front() &&
                (everyEntry || entry->weight != kHiddenWeight);
        }
        u = 0;
    }
    return sorted;
}
