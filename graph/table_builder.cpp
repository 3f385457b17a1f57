#include "graph/table_builder.h"

#include <array>
#include <cstddef>

#include "graph/record_block.h"
#include "graph/row_index.h"

namespace graph_internal {
namespace {

// The builder's own hold on a row's block, which the records add theirs to.
struct BlockHold {
    RecordBlock* block = nullptr;
    BlockHold() = default;
    BlockHold(const BlockHold&) = delete;
    BlockHold& operator=(const BlockHold&) = delete;
    ~BlockHold() {
        if (block != nullptr) {
            block->release();
        }
    }
};

std::shared_ptr<Edge> recordIn(const BlockHold& hold, char vertex, int weight) {
    return std::allocate_shared<Edge>(BlockAllocator<Edge>(hold.block), vertex, '\0', weight);
}

}  // namespace

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
        forEachEntryOf(triple, directed, [&](char owner, char, int) { countEntry(owner); });
    }

    // Row by row, the list nodes, and a block for the row's records, which are
    // then made in triple order, each into its row's block.
    std::vector<BlockHold> blocks(heads.size());
    graph.adjList.resize(heads.size());
    std::vector<Row::iterator> nextEntry(heads.size());
    for (std::size_t row = 0; row < heads.size(); ++row) {
        blocks[row].block = RecordBlock::create((edgesInRow[row] + 1) * RecordBlock::recordBytes());
        Row& entries = graph.adjList[row];
        entries.push_back(recordIn(blocks[row], heads[row], -1));
        entries.resize(edgesInRow[row] + 1);
        nextEntry[row] = std::next(entries.begin());
    }
    const auto fill = [&](char owner, char vertex, int weight) {
        const auto row = static_cast<std::size_t>(rowOf[nameSlot(owner)]);
        *nextEntry[row]++ = recordIn(blocks[row], vertex, weight);
    };
    for (const Triple& triple : triples) {
        forEachEntryOf(triple, directed, fill);
    }
    graph.vertexCount = static_cast<int>(heads.size());
}

}  // namespace graph_internal
