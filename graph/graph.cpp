#include <algorithm>
#include <cstddef>
#include <utility>

#include "graph/Graph.h"

namespace {

constexpr int kNoRow = -1;

std::size_t nameSlot(char name) {
    return static_cast<unsigned char>(name);
}

}  // namespace

Graph::Graph(std::vector<std::list<std::shared_ptr<Edge>>> table) : vertexCount(0) {
    rowOfName_.fill(kNoRow);
    for (const auto& row : table) {
        for (const auto& entry : row) {
            addEdge(entry->vertex, entry->prev, entry->weight, true);
        }
    }
}

Graph::~Graph() = default;

void Graph::addEdge(char source, char target, int weight, bool directed) {
    appendToRow(source, std::make_shared<Edge>(target, '\0', weight));
    if (!directed) {
        appendToRow(target, std::make_shared<Edge>(source, '\0', weight));
    }
}

void Graph::appendToRow(char owner, std::shared_ptr<Edge> entry) {
    int row = findRow(owner);
    if (row == kNoRow) {
        adjList.emplace_back();
        adjList.back().push_back(std::make_shared<Edge>(owner, '\0', -1));
        row = static_cast<int>(adjList.size() - 1);
        ++vertexCount;
        rowOfName_[nameSlot(owner)] = row;
    }
    adjList[static_cast<std::size_t>(row)].push_back(std::move(entry));
}

int Graph::findRow(char name) {
    // The scan covers the first vertexCount rows, as many as the table holds.
    const std::size_t rowsToScan =
        std::min(adjList.size(), static_cast<std::size_t>(std::max(vertexCount, 0)));
    const auto holdsHead = [&](std::size_t row) {
        return row < rowsToScan && !adjList[row].empty() && adjList[row].front()->vertex == name;
    };
    // adjList is public, so the cached row is only a hint: it is trusted after
    // its head entry has been read back. Rows never share a head vertex, so a
    // row whose head names `name` is the one the scan would find.
    const int cached = rowOfName_[nameSlot(name)];
    if (cached != kNoRow && holdsHead(static_cast<std::size_t>(cached))) {
        return cached;
    }
    for (std::size_t row = 0; row < rowsToScan; ++row) {
        if (holdsHead(row)) {
            rowOfName_[nameSlot(name)] = static_cast<int>(row);
            return static_cast<int>(row);
        }
    }
    return kNoRow;
}
