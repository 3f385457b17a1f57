#include "queries/internal/entry_matrix.h"

#include <algorithm>
#include <climits>

namespace graph_internal {

// A name is first read in a triple whose entry is the first of its row to
// name it, so the order names were read in is noted here alone.
void EntryMatrix::noteFirstEntry(Row& row, char owner, char target, int weight) {
    readOrder_.see(owner);
    readOrder_.see(target);
    Cell& cell = row.cells[nameSlot(target)];
    cell.least = INT_MAX;
    cell.first = weight;
    if (target == owner) {
        row.selfAfter = row.nameCount;
    } else {
        row.names[row.nameCount++] = target;
    }
}

void EntryMatrix::addTriples(const EdgeTriple* triples, std::size_t count) {
    // One loop for each kind of graph, so that neither asks which it is.
    const auto addAll = [&](bool directed) {
        for (const EdgeTriple* triple = triples; triple != triples + count; ++triple) {
            forEachEntryOf(*triple, directed, [&](char owner, char target, int weight) {
                add(owner, target, weight);
            });
        }
    };
    if (directed_) {
        addAll(true);
    } else {
        addAll(false);
    }
}

void EntryMatrix::merge(const EntryMatrix& later) {
    for (const char name : later.readOrder_.names()) {
        readOrder_.see(name);
    }
    for (const char owner : later.rows_.owners()) {
        const Row& from = *later.rows_.find(owner);
        Row& into = rows_[owner];
        const bool selfPlaced = into.selfAfter != 0;
        for (std::size_t i = 1; i <= from.nameCount; ++i) {
            if (i == from.selfAfter && !selfPlaced) {
                into.selfAfter = into.nameCount;
            }
            if (i < from.nameCount && into.cells[nameSlot(from.names[i])].entries == 0) {
                into.names[into.nameCount++] = from.names[i];
            }
        }
        for (std::size_t slot = 0; slot < 256; ++slot) {
            const Cell& part = from.cells[slot];
            Cell& whole = into.cells[slot];
            if (part.entries == 0) {
                continue;
            }
            if (whole.entries == 0) {
                whole = part;
            } else {
                whole.entries += part.entries;
                whole.hiddenEntries += part.hiddenEntries;
                whole.least = std::min(whole.least, part.least);
            }
        }
    }
}

void EntryMatrix::summarizeInto(TableSummary& summary) const {
    summary.readOrder_ = readOrder_;
    summary.rowCount_ = static_cast<int>(rows_.owners().size());
    for (const char head : rows_.owners()) {
        const Row& row = *rows_.find(head);
        const auto neighbourOf = [&](char name) {
            const Cell& cell = row.cells[nameSlot(name)];
            summary.inDegree_[nameSlot(name)] += static_cast<std::int64_t>(cell.entries);
            // The head entry comes first, so a self-loop weighs what it does.
            return Neighbour{name, name == head ? -1 : cell.first,
                             cell.entries > cell.hiddenEntries ? cell.least : INT_MAX,
                             cell.entries - cell.hiddenEntries, cell.hiddenEntries};
        };
        const auto first = static_cast<std::uint32_t>(summary.neighbours_.size());
        summary.order_.see(head);
        for (std::size_t i = 1; i <= row.nameCount; ++i) {
            if (i == row.selfAfter) {
                summary.neighbours_.push_back(neighbourOf(head));
            }
            if (i < row.nameCount) {
                summary.order_.see(row.names[i]);
                summary.neighbours_.push_back(neighbourOf(row.names[i]));
            }
        }
        summary.firstNeighbour_[nameSlot(head)] = first;
        summary.neighbourCount_[nameSlot(head)] =
            static_cast<std::uint32_t>(summary.neighbours_.size()) - first;
    }
}

}  // namespace graph_internal
