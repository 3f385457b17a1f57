#include "graph/table_builder.h"

#include <array>
#include <cstddef>

#include "graph/row_index.h"

namespace graph_internal {

void buildTable(Graph& graph, const std::vector<Triple>& triples, bool directed) {
    // Rows in the order addEdge would create them, with their sizes: the
    // source's row first, then (undirected) the target's.
    std::array<int, 256> rowOf;
    rowOf.fill(kNoRow);
    std::vector<char> heads;
    std::vector<std::size_t> edgesInRow;
    const auto countEntry = [&](char owner) {
        int& row = rowOf[nameSlot(owner)];
        if (row == kNoRow) {
            row = static_cast<int>(heads.size());
            heads.push_back(owner);
            edgesInRow.push_back(0);
        }
        ++edgesInRow[static_cast<std::size_t>(row)];
    };
    for (const Triple& triple : triples) {
        countEntry(triple.source);
        if (!directed) {
            countEntry(triple.target);
        }
    }

    // Allocate row by row, each entry's record beside its list node; the
    // records are filled in afterwards, in triple order.
    graph.adjList.resize(heads.size());
    std::vector<Row::iterator> nextEntry(heads.size());
    for (std::size_t row = 0; row < heads.size(); ++row) {
        Row& entries = graph.adjList[row];
        entries.push_back(std::make_shared<Edge>(heads[row], '\0', -1));
        for (std::size_t i = 0; i < edgesInRow[row]; ++i) {
            entries.push_back(std::make_shared<Edge>('\0', '\0', 0));
        }
        nextEntry[row] = std::next(entries.begin());
    }
    const auto fill = [&](char owner, char vertex, int weight) {
        Edge& entry = **nextEntry[static_cast<std::size_t>(rowOf[nameSlot(owner)])]++;
        entry.vertex = vertex;
        entry.weight = weight;
    };
    for (const Triple& triple : triples) {
        fill(triple.source, triple.target, triple.weight);
        if (!directed) {
            fill(triple.target, triple.source, triple.weight);
        }
    }
    graph.vertexCount = static_cast<int>(heads.size());
}

}  // namespace graph_internal
