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
    RowIndex(*this).forEachEntryOf(vertex, [&](char next, int weight) {
        if (weight == -1) {
            return true;
        }
        found = next == target;
        if (!found && !visitedNames.contains(nameSlot(next))) {
            queue.push(next);
        }
        return !found;
    });
    return found;
}

void Graph::insertAdjacentNodes(std::vector<char>& out, std::vector<char> visited,
                                char vertex) const {
    const NameSet visitedNames(visited);
    RowIndex(*this).forEachEntryOf(vertex, [&](char next, int weight) {
        if (weight != -1 && !visitedNames.contains(nameSlot(next))) {
            out.push_back(next);
        }
        return true;
    });
}

void Graph::insertAdjacentElementsDijkstra(std::vector<std::shared_ptr<Edge>>& out,
                                           char vertex) const {
    RowIndex(*this).forEachEntryOf(vertex, [&](char next, int weight) {
        if (weight != -1) {
            out.push_back(std::make_shared<Edge>(next, '\0', weight));
        }
        return true;
    });
}

int Graph::getAdjacentDistance(char from, char to) const {
    // The head entry takes part: it names `from` itself, hence -1 for (v, v).
    int distance = 0;
    RowIndex(*this).forEachEntryOf(from, [&](char next, int weight) {
        if (next == to) {
            distance = weight;
        }
        return next != to;
    });
    return distance;
}

void Graph::givePath(char, char, int) {}
