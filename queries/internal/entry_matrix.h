// A table's entries noted as they are read, without the table: per row, what
// its entries tell of each of the 256 names.
#ifndef QUERIES_INTERNAL_ENTRY_MATRIX_H_
#define QUERIES_INTERNAL_ENTRY_MATRIX_H_

#include <array>
#include <cstddef>
#include <cstdint>

#include "graph/internal/appearance_order.h"
#include "graph/internal/row_order.h"
#include "queries/internal/table_summary.h"

namespace graph_internal {

// Rows in order of creation, each with a slot per name holding what the
// row's entries naming it tell, the names in the order of their first entry
// (the order a walk of the table meets them), and the names in the order
// read. Summarized, it gives exactly the summary of the table the same
// triples build. O(V^2) memory.
class EntryMatrix {
  public:
    explicit EntryMatrix(bool directed) : directed_(directed) {}

    // Notes the entries of `count` triples read, as loading adds them.
    // O(count).
    void addTriples(const EdgeTriple* triples, std::size_t count);

    // Notes what `later` noted, as if its triples had been read after this
    // one's. O(V^2).
    void merge(const EntryMatrix& later);

    // Writes the summary of the table into the empty `summary`. O(V^2).
    void summarizeInto(TableSummary& summary) const;

  private:
    // What the entries of a row naming one name tell; all zero until the first.
    struct Cell {
        std::uint64_t entries;        // every entry, weight -1 included
        std::uint64_t hiddenEntries;  // entries of weight -1
        int least;                    // the least weight of the others
        int first;                    // the first entry's weight
    };

    struct Row {
        explicit Row(char owner) : names{owner}, nameCount(1) {}  // the head entry

        std::array<Cell, 256> cells{};
        std::array<char, 256> names;  // in order of their first entry, the head first
        std::size_t nameCount;
        // Other than the head, the names named before its first self-loop
        // entry, where the summary lists it: 0 when it has no self-loop.
        std::size_t selfAfter = 0;
    };

    // Notes the entry `target` of `weight` appended to the row of `owner`.
    void add(char owner, char target, int weight) {
        Row& row = rows_[owner];
        Cell& cell = row.cells[nameSlot(target)];
        if (cell.entries++ == 0) {
            noteFirstEntry(row, owner, target, weight);
        }
        if (isNeighbourEntry(weight)) {
            cell.least = weight < cell.least ? weight : cell.least;
        } else {
            ++cell.hiddenEntries;
        }
    }

    // The first entry of a row naming `target`: where the names and the
    // order they were read in can change.
    __attribute__((noinline, cold)) void noteFirstEntry(Row& row, char owner, char target,
                                                        int weight);

    bool directed_;
    RowsInCreationOrder<Row> rows_;
    AppearanceOrder readOrder_;
};

}  // namespace graph_internal

#endif  // QUERIES_INTERNAL_ENTRY_MATRIX_H_
