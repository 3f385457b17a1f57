// The summary's share of a part's byte form: what an EntryMatrix noted,
// written out and read back with every invariant the reading keeps checked.
#include <algorithm>
#include <bitset>
#include <climits>
#include <vector>

#include "graph/internal/part_summary_bytes.h"
#include "queries/internal/entry_matrix.h"

namespace graph_internal {

std::uint64_t EntryMatrix::triplesNoted() const {
    std::uint64_t triples = 0;
    for (std::size_t row = 0; row < kNameCount; ++row) {
        for (std::size_t column = 0; cells_[row] && column < kNameCount; ++column) {
            // An undirected loop's triple is two entries of its one cell.
            const bool twice = !directed_ && row == column;
            triples += (*cells_[row])[column].entries >> std::uint64_t{twice};
        }
    }
    return triples;
}

void EntryMatrix::writeTo(std::string& out) const {
    putUnsigned(out, pairsJoined_, 8);
    putUnsigned(out, readOrder_.names().size(), 2);
    out += readOrder_.names();
    putUnsigned(out, rows_.owners().size(), 2);
    for (const char owner : rows_.owners()) {
        const Row& row = *rows_.find(owner);
        putUnsigned(out, nameSlot(owner), 1);
        putUnsigned(out, row.nameCount, 2);
        putUnsigned(out, row.selfAfter, 2);
        for (std::size_t i = 1; i < row.nameCount; ++i) {
            putUnsigned(out, nameSlot(row.names[i]), 1);
            putUnsigned(out, row.joinedAt[i], 8);
        }
    }
    std::array<std::size_t, kNameCount> held{};  // each row's cells with entries
    for (std::size_t row = 0; row < kNameCount; ++row) {
        held[row] = !cells_[row] ? 0
                                 : static_cast<std::size_t>(std::count_if(
                                       cells_[row]->begin(), cells_[row]->end(),
                                       [](const Cell& cell) { return cell.entries > 0; }));
    }
    putUnsigned(
        out, static_cast<std::uint64_t>(kNameCount - std::count(held.begin(), held.end(), 0)), 2);
    for (std::size_t row = 0; row < kNameCount; ++row) {
        if (held[row] == 0) {
            continue;
        }
        putUnsigned(out, row, 1);
        putUnsigned(out, held[row], 2);
        for (std::size_t column = 0; column < kNameCount; ++column) {
            const Cell& cell = (*cells_[row])[column];
            if (cell.entries > 0) {
                putUnsigned(out, column, 1);
                putUnsigned(out, cell.entries, 8);
                putUnsigned(out, cell.hiddenEntries, 8);
                putUnsigned(out, static_cast<std::uint32_t>(cell.least), 4);
                putUnsigned(out, static_cast<std::uint32_t>(cell.first), 4);
            }
        }
    }
}

namespace {

char nameFrom(ByteReader& in) {
    return static_cast<char>(in.unsignedOf(1));
}

int weightFrom(ByteReader& in) {
    return static_cast<int>(static_cast<std::uint32_t>(in.unsignedOf(4)));
}

}  // namespace

EntryMatrix EntryMatrix::readFrom(ByteReader& in, bool directed) {
    EntryMatrix matrix(directed);
    // Merged parts count the pairs each joined, known before or not, so
    // ordinals only order pairs: they are distinct, and below the count.
    matrix.pairsJoined_ = in.unsignedOf(8);
    matrix.readNamesRead(in);
    const std::uint64_t pairsNamed = matrix.readRows(in);
    const std::uint64_t cells = matrix.readCells(in);
    requireInForm(pairsNamed == cells && cells <= matrix.pairsJoined_, "cells no row names");
    matrix.requireRowsMatchCells();
    return matrix;
}

void EntryMatrix::readNamesRead(ByteReader& in) {
    std::bitset<kNameCount> read;
    for (std::size_t i = in.count(kNameCount); i > 0; --i) {
        const char next = nameFrom(in);
        requireInForm(!read.test(nameSlot(next)), "a name read twice");
        read.set(nameSlot(next));
        readOrder_.see(next);
    }
}

std::uint64_t EntryMatrix::readRows(ByteReader& in) {
    // The pairs the rows name, each ordinal once, and the names they name.
    std::vector<std::uint64_t> ordinals;
    std::bitset<kNameCount> named;
    std::uint64_t pairsNamed = 0;
    for (std::size_t rows = in.count(kNameCount); rows > 0; --rows) {
        const char owner = nameFrom(in);
        requireInForm(rows_.find(owner) == nullptr, "a row twice");
        Row& row = rows_[owner];
        row.nameCount = in.count(kNameCount);
        row.selfAfter = in.count(row.nameCount);
        requireInForm(row.nameCount > 1 || row.selfAfter > 0, "an empty row");
        named.set(nameSlot(owner));
        pairsNamed += row.selfAfter > 0;
        std::bitset<kNameCount> inRow;
        inRow.set(nameSlot(owner));
        for (std::size_t i = 1; i < row.nameCount; ++i) {
            row.names[i] = nameFrom(in);
            row.joinedAt[i] = in.unsignedOf(8);
            requireInForm(!inRow.test(nameSlot(row.names[i])), "a name twice in a row");
            requireInForm(
                row.joinedAt[i] < pairsJoined_ && (i == 1 || row.joinedAt[i] > row.joinedAt[i - 1]),
                "a row's ordinals out of order");
            inRow.set(nameSlot(row.names[i]));
            named.set(nameSlot(row.names[i]));
            // An undirected pair is named by both its rows, and counted once.
            if (directed_ || nameSlot(owner) < nameSlot(row.names[i])) {
                ordinals.push_back(row.joinedAt[i]);
                ++pairsNamed;
            }
        }
    }
    std::sort(ordinals.begin(), ordinals.end());
    requireInForm(std::adjacent_find(ordinals.begin(), ordinals.end()) == ordinals.end(),
                  "an ordinal twice");
    std::bitset<kNameCount> read;
    for (const char name : readOrder_.names()) {
        read.set(nameSlot(name));
    }
    requireInForm(named == read, "names read that no row names, or the other way");
    return pairsNamed;
}

std::uint64_t EntryMatrix::readCells(ByteReader& in) {
    std::uint64_t cells = 0;
    for (std::size_t rows = in.count(kNameCount), previous = 0; rows > 0; --rows) {
        const std::size_t row = nameSlot(nameFrom(in));
        requireInForm(row >= previous, "rows of cells out of order");
        previous = row + 1;
        cells_[row] = std::make_unique<Cells>();
        std::size_t count = in.count(kNameCount);
        requireInForm(count > 0, "a row of no cells");
        for (std::size_t before = 0; count > 0; --count, ++cells) {
            const std::size_t column = nameSlot(nameFrom(in));
            requireInForm(column >= before && (directed_ || row <= column), "cells out of order");
            before = column + 1;
            Cell& cell = (*cells_[row])[column];
            cell.entries = in.unsignedOf(8);
            cell.hiddenEntries = in.unsignedOf(8);
            cell.least = weightFrom(in);
            cell.first = weightFrom(in);
            const bool neighbours = cell.entries > cell.hiddenEntries;
            const bool twice = !directed_ && row == column;  // an undirected loop's entries
            requireInForm(cell.entries > 0 && cell.hiddenEntries <= cell.entries &&
                              (neighbours || cell.least == INT_MAX) &&
                              (isNeighbourEntry(cell.first) ? neighbours && cell.least <= cell.first
                                                            : cell.hiddenEntries > 0) &&
                              (!twice || (cell.entries % 2 == 0 && cell.hiddenEntries % 2 == 0)),
                          "a cell's counts or weights out of range");
        }
    }
    return cells;
}

void EntryMatrix::requireRowsMatchCells() const {
    for (const char owner : rows_.owners()) {
        const Row& row = *rows_.find(owner);
        const Cell* loop = findCell(owner, owner);
        requireInForm((row.selfAfter > 0) == (loop != nullptr && loop->entries > 0),
                      "a loop without its cell");
        for (std::size_t i = 1; i < row.nameCount; ++i) {
            const Cell* cell = findCell(owner, row.names[i]);
            requireInForm(cell != nullptr && cell->entries > 0, "a name without its cell");
            if (directed_) {
                continue;
            }
            // The other row names the owner with the same ordinal.
            const Row* other = rows_.find(row.names[i]);
            const auto* const first = other ? other->joinedAt.data() + 1 : nullptr;
            const auto* const last = other ? other->joinedAt.data() + other->nameCount : nullptr;
            const auto* const at = std::lower_bound(first, last, row.joinedAt[i]);
            requireInForm(at != last && *at == row.joinedAt[i] &&
                              other->names[static_cast<std::size_t>(at - first) + 1] == owner,
                          "undirected rows that do not name each other alike");
        }
    }
}

}  // namespace graph_internal
