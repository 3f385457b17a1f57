// Neighbour gathering and edge-weight lookup over one vertex's row. A
// neighbour entry is any entry whose weight is not -1, so head entries and
// edges stored with weight -1 are never gathered.
#include "graph/Graph.h"
#include "queries/name_set.h"
#include "queries/row_index.h"

using graph_internal::NameSet;
using graph_internal::nameSlot;
using graph_internal::RowIndex;

bool Graph::insertAdjacentElements(std::queue<char>& queue, std::vector<char> visited, char vertex,
                                   char target) const {
    const NameSet visitedNames(visited);
    bool found = false;
    RowIndex(*this).forEachRowOf(vertex, [&](const RowIndex::Row& row) {
        for (const auto& entry : row) {
            if (found) {
                return;
            }
            if (entry->weight == -1) {
                continue;
            }
            if (entry->vertex == target) {
                found = true;
            } else if (!visitedNames.contains(nameSlot(entry->vertex))) {
                queue.push(entry->vertex);
            }
        }
    });
    return found;
}

void Graph::insertAdjacentNodes(std::vector<char>& out, std::vector<char> visited,
                                char vertex) const {
    const NameSet visitedNames(visited);
    RowIndex(*this).forEachRowOf(vertex, [&](const RowIndex::Row& row) {
        for (const auto& entry : row) {
            if (entry->weight != -1 && !visitedNames.contains(nameSlot(entry->vertex))) {
                out.push_back(entry->vertex);
            }
        }
    });
}

void Graph::insertAdjacentElementsDijkstra(std::vector<std::shared_ptr<Edge>>& out,
                                           char vertex) const {
    RowIndex(*this).forEachRowOf(vertex, [&](const RowIndex::Row& row) {
        for (const auto& entry : row) {
            if (entry->weight != -1) {
                out.push_back(std::make_shared<Edge>(entry->vertex, '\0', entry->weight));
            }
        }
    });
}

int Graph::getAdjacentDistance(char from, char to) const {
    // The head entry takes part: it names `from` itself, hence -1 for (v, v).
    bool found = false;
    int weight = 0;
    RowIndex(*this).forEachRowOf(from, [&](const RowIndex::Row& row) {
        for (const auto& entry : row) {
            if (!found && entry->vertex == to) {
                found = true;
                weight = entry->weight;
            }
        }
    });
    return weight;
}

void Graph::givePath(char, char, int) {}
