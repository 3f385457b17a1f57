// Neighbour gathering and edge-weight lookup over one vertex's row. A
// neighbour entry is any entry whose weight is not -1, so head entries and
// edges stored with weight -1 are never gathered.
#include <bitset>

#include "graph/internal/row_index.h"

using graph_internal::nameSlot;
using graph_internal::Row;
using graph_internal::RowIndex;

namespace {

std::bitset<kNameCount> setOf(const std::vector<char>& names) {
    std::bitset<kNameCount> set;
    for (const char name : names) {
        set.set(nameSlot(name));
    }
    return set;
}

}  // namespace

bool Graph::insertAdjacentElements(std::queue<char>& queue, std::vector<char> visited, char vertex,
                                   char target) const {
    const Row* row = RowIndex(*this).find(vertex);
    if (row == nullptr) {
        return false;
    }
    const std::bitset<kNameCount> done = setOf(visited);
    for (const auto& entry : *row) {
        if (!isNeighbourEntry(entry->weight)) {
            continue;
        }
        if (entry->vertex == target) {
            return true;
        }
        if (!done[nameSlot(entry->vertex)]) {
            queue.push(entry->vertex);
        }
    }
    return false;
}

void Graph::insertAdjacentNodes(std::vector<char>& out, std::vector<char> visited,
                                char vertex) const {
    const Row* row = RowIndex(*this).find(vertex);
    if (row == nullptr) {
        return;
    }
    const std::bitset<kNameCount> done = setOf(visited);
    for (const auto& entry : *row) {
        if (isNeighbourEntry(entry->weight) && !done[nameSlot(entry->vertex)]) {
            out.push_back(entry->vertex);
        }
    }
}

void Graph::insertAdjacentElementsDijkstra(std::vector<std::shared_ptr<Edge>>& out,
                                           char vertex) const {
    const Row* row = RowIndex(*this).find(vertex);
    if (row == nullptr) {
        return;
    }
    for (const auto& entry : *row) {
        if (isNeighbourEntry(entry->weight)) {
            out.push_back(std::make_shared<Edge>(entry->vertex, '\0', entry->weight));
        }
    }
}

int Graph::getAdjacentDistance(char from, char to) const {
    const Row* row = RowIndex(*this).find(from);
    if (row == nullptr) {
        return 0;
    }
    // The head entry takes part: it names `from` itself, hence -1 for (v, v).
    for (const auto& entry : *row) {
        if (entry->vertex == to) {
            return entry->weight;
        }
    }
    return 0;
}

void Graph::givePath(char, char, int) {}
