#include "tests/literal_reference.h"

#include <algorithm>
#include <climits>
#include <cstdint>
#include <queue>
#include <utility>
#include <vector>

namespace {

using Record = std::pair<char, std::int64_t>;  // name, distance or in-degree

std::vector<Record>::iterator findRecord(std::vector<Record>& records, char name) {
    return std::find_if(records.begin(), records.end(),
                        [name](const Record& r) { return r.first == name; });
}

// One record per distinct name in table order, head entries included.
std::vector<Record> recordsInOrderOfAppearance(const Graph& graph) {
    std::vector<Record> records;
    for (const auto& row : graph.adjList) {
        for (const auto& entry : row) {
            if (findRecord(records, entry->vertex) == records.end()) {
                records.emplace_back(entry->vertex, 0);
            }
        }
    }
    return records;
}

}  // namespace

bool literalReachable(const Graph& graph, char from, char to) {
    std::queue<char> queue;
    std::vector<char> visited;
    queue.push(from);
    while (!queue.empty()) {
        if (graph.insertAdjacentElements(queue, visited, queue.front(), to)) {
            return true;
        }
        visited.push_back(queue.front());
        queue.pop();
    }
    return false;
}

int literalDijkstra(const Graph& graph, char from, char to) {
    if (!literalReachable(graph, from, to)) {
        return -1;
    }
    std::vector<Record> unsettled = recordsInOrderOfAppearance(graph);
    for (auto& record : unsettled) {
        record.second = record.first == from ? 0 : INT_MAX;
    }
    const auto select = [&] {
        return std::min_element(
            unsettled.begin(), unsettled.end(),
            [](const Record& a, const Record& b) { return a.second < b.second; });
    };
    std::vector<Record> settled;
    std::vector<char> visited;
    for (auto selected = select(); !unsettled.empty();) {
        const char vertex = selected->first;
        std::vector<char> neighbours;
        graph.insertAdjacentNodes(neighbours, visited, vertex);
        for (const char next : neighbours) {
            const auto record = findRecord(unsettled, next);
            const std::int64_t distance = findRecord(unsettled, vertex)->second;
            if (next == vertex || record == unsettled.end() || distance == INT_MAX) {
                continue;
            }
            const std::int64_t sum = std::clamp<std::int64_t>(
                distance + graph.getAdjacentDistance(vertex, next), INT_MIN, INT_MAX);
            record->second = std::min(record->second, sum);
        }
        settled.push_back(*findRecord(unsettled, vertex));
        unsettled.erase(findRecord(unsettled, vertex));
        selected = select();
        visited.push_back(vertex);
    }
    const auto result = findRecord(settled, to);
    return result == settled.end() ? -1 : static_cast<int>(result->second);
}

std::string literalTopoSort(const Graph& graph) {
    std::vector<Record> inDegree = recordsInOrderOfAppearance(graph);
    for (const auto& row : graph.adjList) {
        for (auto entry = std::next(row.begin()); entry != row.end(); ++entry) {
            ++findRecord(inDegree, (*entry)->vertex)->second;
        }
    }
    const auto firstReady = [&] {
        return std::find_if(inDegree.begin(), inDegree.end(),
                            [](const Record& r) { return r.second == 0; });
    };
    std::string order;
    std::vector<char> visited;
    for (auto selected = firstReady(); selected != inDegree.end(); selected = firstReady()) {
        const char vertex = selected->first;
        std::vector<char> neighbours;
        graph.insertAdjacentNodes(neighbours, visited, vertex);
        for (const char next : neighbours) {
            const auto record = findRecord(inDegree, next);
            if (record != inDegree.end()) {
                --record->second;
            }
        }
        inDegree.erase(findRecord(inDegree, vertex));
        order += vertex;
        visited.push_back(vertex);
    }
    return order;
}
