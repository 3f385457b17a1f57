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

namespace {

// reached[c]: a neighbour entry of a vertex expanded from `from` names byte c.
std::vector<bool> reachedFrom(const Graph& graph, char from) {
    std::vector<bool> reached(256, false);
    std::vector<char> queue = {from};
    for (std::size_t next = 0; next < queue.size(); ++next) {
        for (const auto& entry : textbookRow(graph, queue[next])) {
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

// Settles the nearest unsettled record each time, ties to the earliest.
Distances textbookDistances(const Graph& graph, char from) {
    const std::string names = textbookNames(graph);  // record i is names[i]
    std::vector<std::optional<std::int64_t>> distance(names.size());
    std::vector<bool> settled(names.size(), false);
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
        for (const auto& entry : textbookRow(graph, names[u])) {
            const std::size_t v = names.find(entry->vertex);
            const std::int64_t via =
                *distance[u] + textbookStep(graph, names[u], names[v]).value_or(0);
            if (entry->weight != -1 && v != u && !settled[v] &&
                (!distance[v] || via < *distance[v])) {
                distance[v] = via;
            }
        }
    }
    const std::vector<bool> reached = reachedFrom(graph, from);
    Distances result;
    for (std::size_t i = 0; i < names.size(); ++i) {
        const bool known = reached[static_cast<unsigned char>(names[i])];
        result.emplace_back(names[i], !known             ? std::nullopt
                                      : names[i] == from ? std::optional<std::int64_t>(0)
                                                         : distance[i]);
    }
    return result;
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
    for (std::size_t u = 0; u < names.size();) {
        if (order.find(names[u]) != std::string::npos || inDegree[u] != 0) {
            ++u;
            continue;
        }
        order += names[u];
        for (const auto& entry : textbookRow(graph, names[u])) {
            inDegree[names.find(entry->vertex)] -= entry->weight != -1;
        }
        u = 0;
    }
    return order;
}

TopoObstacle textbookTopoObstacle(const Graph& graph) {
    const std::string names = textbookNames(graph), order = textbookTopoSort(graph);
    std::string leftOut;
    for (const char name : names) {
        leftOut += order.find(name) == std::string::npos ? std::string(1, name) : "";
    }
    const auto entryInto = [&](char from, char to, bool hidden) {
        const Row& row = textbookRow(graph, from);
        return std::any_of(row.begin(), row.end(), [&](const auto& entry) {
            return entry != row.front() && entry->vertex == to && (entry->weight == -1) == hidden;
        });
    };
    std::string walk;
    for (char vertex = leftOut.empty() ? '\0' : leftOut[0]; !leftOut.empty();) {
        if (walk.find(vertex) != std::string::npos) {
            std::string cycle = walk.substr(walk.find(vertex)) + vertex;
            std::reverse(cycle.begin() + 1, cycle.end() - 1);
            return {TopoObstacle::Kind::cycle, cycle};
        }
        for (const char from : names) {
            if (entryInto(from, vertex, true)) {
                return {TopoObstacle::Kind::hiddenEdge, std::string{from, vertex}};
            }
        }
        walk += vertex;
        const auto from = std::find_if(names.begin(), names.end(), [&](char name) {
            return leftOut.find(name) != std::string::npos && entryInto(name, vertex, false);
        });
        if (from == names.end()) {
            return {};  // a left-out vertex that nothing keeps out
        }
        vertex = *from;
    }
    return {};
}

std::optional<int> textbookStep(const Graph& graph, char from, char to) {
    std::optional<int> first;
    bool neighbour = false;
    for (const auto& entry : textbookRow(graph, from)) {
        if (entry->vertex == to) {
            first = first ? first : entry->weight;
            neighbour = neighbour || entry->weight != -1;
        }
    }
    return neighbour ? first : std::nullopt;
}

std::string textbookAdjacency(const Graph& graph, char vertex, char target,
                              const std::string& visited) {
    std::string found = "0", queued, appended, records;
    std::optional<int> distance;
    for (const auto& entry : textbookRow(graph, vertex)) {
        const bool fresh = visited.find(entry->vertex) == std::string::npos;
        distance = distance || entry->vertex != target ? distance : entry->weight;
        if (entry->weight != -1) {
            found = found == "0" && entry->vertex == target ? "1" : found;
            queued += found == "0" && fresh ? std::string(1, entry->vertex) : "";
            appended += fresh ? std::string(1, entry->vertex) : "";
            records += entry->vertex + std::to_string(entry->weight) + " ";
        }
    }
    return found + "|" + queued + "|" + appended + "|" + records + "|" +
           std::to_string(distance.value_or(0));
}
