// A table's entries noted as they are read, without the table: per row, what
// its entries tell of each of the kNameCount names.
#ifndef QUERIES_INTERNAL_ENTRY_MATRIX_H_
#define QUERIES_INTERNAL_ENTRY_MATRIX_H_

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <utility>

#include "graph/internal/appearance_order.h"
#include "graph/internal/row_order.h"
#include "queries/internal/table_summary.h"

namespace graph_internal {

class ByteReader;

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

    bool directed() const { return directed_; }

    // The triples noted, counted from the entries. O(V^2).
    std::uint64_t triplesNoted() const;

    // Appends what it noted to `out`, as the summary of a part's byte form
    // (graph/internal/part_summary_bytes.h) has it. O(V^2).
    void writeTo(std::string& out) const;

    // What writeTo wrote, read from `in` for a table `directed` or not;
    // throws std::invalid_argument unless it is what some reading could have
    // noted: every count, name and ordinal in range, each row's names
    // distinct, with the cells they name and no others, an undirected
    // table's rows naming each other alike. O(V^2 log V).
    static EntryMatrix readFrom(ByteReader& in, bool directed);

  private:
    // What the entries of a row naming one name tell; all zero until the
    // first. In an undirected table the entries of A's row naming B are those
    // of B's row naming A, so one cell serves both.
    struct Cell {
        std::uint64_t entries;        // every entry, weight -1 included
        std::uint64_t hiddenEntries;  // entries of weight -1
        int least;                    // the least weight of the others
        int first;                    // the first entry's weight
    };
    using Cells = std::array<Cell, kNameCount>;

    // A row's names in the order of their first entry, the head first.
    struct Row {
        explicit Row(char owner) : names{owner} {}

        std::array<char, kNameCount> names;
        // For each name, when the triple that first joined it to the owner
        // was read: an ordinal of such first triples, counted in pairsJoined_.
        std::array<std::uint64_t, kNameCount> joinedAt;
        std::size_t nameCount = 1;
        // Other than the head, the names named before its first self-loop
        // entry, where the summary lists it: 0 when it has no self-loop.
        std::size_t selfAfter = 0;
    };

    // The cell of `owner`'s row naming `target` in a table `directed` or
    // not, made if need be. Without branches on the names, which are random.
    template <bool directed>
    Cell& cell(char owner, char target) {
        std::size_t row = nameSlot(owner);
        std::size_t column = nameSlot(target);
        if (!directed) {
            const std::size_t swap = (row ^ column) & (0 - std::size_t{row > column});
            row ^= swap;
            column ^= swap;
        }
        std::unique_ptr<Cells>& cells = cells_[row];
        if (!cells) {
            cells = std::make_unique<Cells>();
        }
        return (*cells)[column];
    }

    Cell& cell(char owner, char target) {
        return directed_ ? cell<true>(owner, target) : cell<false>(owner, target);
    }

    // The cell of `owner`'s row naming `target`, or nullptr when none is made.
    const Cell* findCell(char owner, char target) const {
        const std::size_t first = nameSlot(owner);
        const std::size_t second = nameSlot(target);
        const std::unique_ptr<Cells>& cells = cells_[directed_ ? first : std::min(first, second)];
        return cells ? &(*cells)[directed_ ? second : std::max(first, second)] : nullptr;
    }

    // Notes the triple source -> target of `weight`: one entry, or undirected
    // two, of which a loop's both fall in its one row.
    template <bool directed>
    void add(char source, char target, int weight) {
        Cell& noted = cell<directed>(source, target);
        const std::uint64_t entries = directed ? 1 : 1 + std::uint64_t{source == target};
        if ((noted.entries += entries) == entries) {
            noteFirstEntry(source, target, weight);
        }
        if (isNeighbourEntry(weight)) {
            noted.least = weight < noted.least ? weight : noted.least;
        } else {
            noted.hiddenEntries += entries;
        }
    }

    // merge's two steps: the names `later` gives `owner`'s row that it lacks,
    // then `later`'s cells of one row added to this one's.
    void mergeRowNames(char owner, const Row& later);
    void mergeCells(char row, const Cells& later);

    // readFrom's steps, each reading one section of the form and checking
    // what it can: the names in the order read, the rows (giving the pairs
    // they name), the cells (giving their count), and last, that the rows
    // and the cells agree.
    void readNamesRead(ByteReader& in);
    std::uint64_t readRows(ByteReader& in);
    std::uint64_t readCells(ByteReader& in);
    void requireRowsMatchCells() const;

    // The first triple between two names: where rows are made, names named,
    // and the order names were read in changes.
    __attribute__((noinline, cold)) void noteFirstEntry(char source, char target, int weight);

    bool directed_;
    std::array<std::unique_ptr<Cells>, kNameCount> cells_;  // by the lesser name when undirected
    RowsInCreationOrder<Row> rows_;
    AppearanceOrder readOrder_;
    std::uint64_t pairsJoined_ = 0;  // first triples between two names, loops included
};

}  // namespace graph_internal

#endif  // QUERIES_INTERNAL_ENTRY_MATRIX_H_
