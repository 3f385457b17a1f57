#include "tests/reference/textbook_reference.h"

#include <algorithm>
#include <climits>

namespace {

using Row = std::list<std::shared_ptr<Edge>>;

// The row of `name`: the first of the first `vertexCount` rows whose head
// entry names it, or no entries at all.
const Row& rowOf(const Graph& graph, char name) {
    static const Row none;
    for (int i = 0; i < graph.vertexCount && i < static_cast<int>(graph.adjList.size()); ++i) {
        const Row& row = graph.adjList[i];
        if (!row.empty() && row.front()->vertex == name) {
            return row;
        }
    }
    return none;
}

// reached[c]: a neighbour entry of a vertex expanded from `from` names byte c.
std::vector<bool> reachedFrom(const Graph& graph, char from) {
    std::vector<bool> reached(256, false);
    std::vector<char> queue = {from};
    for (std::size_t next = 0; next < queue.size(); ++next) {
        for (const auto& entry : rowOf(graph, queue[next])) {
            const unsigned char v = entry->vertex;
            if (entry->weight != -1 && !reached[v]) {
                reached[v] = true;
                if (entry->vertex != from) {  // the start is expanded already
                    queue.push_back(entry->vertex);
                }
            }
        }
    }
    return reached;
}

// The unsettled reached record with the smallest distance, ties to the
// earliest; past the end when there is none.
std::size_t nearestUnsettled(const std::vector<std::optional<std::int64_t>>& distance,
                             const std::vector<bool>& settled) {
    std::size_t nearest = distance.size();
    for (std::size_t i = 0; i < distance.size(); ++i) {
        if (!settled[i] && distance[i] &&
            (nearest == distance.size() || *distance[i] < *distance[nearest])) {
            nearest = i;
        }
    }
    return nearest;
}

}  // namespace

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

bool textbookReachable(const Graph& graph, char from, char to) {
    return reachedFrom(graph, from)[static_cast<unsigned char>(to)];
}

Distances textbookDistances(const Graph& graph, char from) {
    const std::string names = textbookNames(graph);  // record i is names[i]
    std::vector<std::optional<std::int64_t>> distance(names.size());
    std::vector<bool> settled(names.size(), false);
    if (names.find(from) != std::string::npos) {
        distance[names.find(from)] = 0;
    }
    for (std::size_t u; (u = nearestUnsettled(distance, settled)) < names.size();) {
        settled[u] = true;
        for (const auto& entry : rowOf(graph, names[u])) {
            const std::size_t v = names.find(entry->vertex);
            if (entry->weight == -1 || v == u || settled[v]) {
                continue;
            }
            const std::int64_t candidate = *distance[u] + *textbookStep(graph, names[u], names[v]);
            if (!distance[v] || candidate < *distance[v]) {
                distance[v] = candidate;
            }
        }
    }
    const std::vector<bool> reached = reachedFrom(graph, from);
    Distances result;
    for (std::size_t i = 0; i < names.size(); ++i) {
        std::optional<std::int64_t> answer;
        if (reached[static_cast<unsigned char>(names[i])]) {
            answer = names[i] == from ? 0 : distance[i];
        }
        result.emplace_back(names[i], answer);
    }
    return result;
}

int textbookDijkstra(std::optional<std::int64_t> distance) {
    return distance ? static_cast<int>(std::clamp<std::int64_t>(*distance, INT_MIN, INT_MAX)) : -1;
}

std::string textbookTopoSort(const Graph& graph) {
    const std::string names = textbookNames(graph);
    std::vector<int> inDegree(names.size(), 0);
    for (const Row& row : graph.adjList) {
        for (auto entry = std::next(row.begin()); entry != row.end(); ++entry) {
            ++inDegree[names.find((*entry)->vertex)];
        }
    }
    std::string order;
    std::vector<bool> output(names.size(), false);
    for (;;) {
        std::size_t u = 0;
        while (u < names.size() && (output[u] || inDegree[u] != 0)) {
            ++u;
        }
        if (u == names.size()) {
            return order;
        }
        output[u] = true;
        order += names[u];
        for (const auto& entry : rowOf(graph, names[u])) {
            if (entry->weight != -1) {
                --inDegree[names.find(entry->vertex)];
            }
        }
    }
}

std::optional<int> textbookStep(const Graph& graph, char from, char to) {
    std::optional<int> first;
    bool neighbour = false;
    for (const auto& entry : rowOf(graph, from)) {
        if (entry->vertex == to) {
            first = first ? first : entry->weight;
            neighbour = neighbour || entry->weight != -1;
        }
    }
    return neighbour ? first : std::nullopt;
}
