#include "queries/internal/entry_matrix.h"

#include <algorithm>
#include <climits>

namespace graph_internal {

// A name is first read in a triple that is the first between its two names,
// so the order names were read in is noted here alone.
void EntryMatrix::noteFirstEntry(char source, char target, int weight) {
    readOrder_.see(source);
    readOrder_.see(target);
    Cell& noted = cell(source, target);
    noted.least = INT_MAX;
    noted.first = weight;  // `entries` is counted already
    Row& row = rows_[source];
    const std::uint64_t joinedAt = pairsJoined_++;
    if (source == target) {
        row.selfAfter = row.nameCount;
        return;
    }
    row.joinedAt[row.nameCount] = joinedAt;
    row.names[row.nameCount++] = target;
    if (!directed_) {
        Row& reverse = rows_[target];
        reverse.joinedAt[reverse.nameCount] = joinedAt;
        reverse.names[reverse.nameCount++] = source;
    }
}

void EntryMatrix::addTriples(const EdgeTriple* triples, std::size_t count) {
    // One loop for each kind of table, so that neither asks which it is.
    const EdgeTriple* const end = triples + count;
    if (directed_) {
        for (const EdgeTriple* triple = triples; triple != end; ++triple) {
            add<true>(triple->source, triple->target, triple->weight);
        }
    } else {
        for (const EdgeTriple* triple = triples; triple != end; ++triple) {
            add<false>(triple->source, triple->target, triple->weight);
        }
    }
}

void EntryMatrix::merge(const EntryMatrix& later) {
    for (const char name : later.readOrder_.names()) {
        readOrder_.see(name);
    }
    // Names new to a row are those whose cell held nothing before: name them
    // all before the cells take `later`'s entries.
    for (const char owner : later.rows_.owners()) {
        mergeRowNames(owner, *later.rows_.find(owner));
    }
    for (std::size_t row = 0; row < kNameCount; ++row) {
        if (later.cells_[row]) {
            mergeCells(static_cast<char>(row), *later.cells_[row]);
        }
    }
    pairsJoined_ += later.pairsJoined_;
}

void EntryMatrix::mergeRowNames(char owner, const Row& later) {
    Row& into = rows_[owner];
    const bool selfPlaced = into.selfAfter != 0;
    for (std::size_t i = 1; i <= later.nameCount; ++i) {
        if (i == later.selfAfter && !selfPlaced) {
            into.selfAfter = into.nameCount;
        }
        const Cell* known = i < later.nameCount ? findCell(owner, later.names[i]) : nullptr;
        if (i < later.nameCount && (known == nullptr || known->entries == 0)) {
            // After every pair this one joined, in the order `later` joined them.
            into.joinedAt[into.nameCount] = pairsJoined_ + later.joinedAt[i];
            into.names[into.nameCount++] = later.names[i];
        }
    }
}

void EntryMatrix::mergeCells(char row, const Cells& later) {
    for (std::size_t column = 0; column < kNameCount; ++column) {
        const Cell& part = later[column];
        if (part.entries == 0) {
            continue;
        }
        Cell& whole = cell(row, static_cast<char>(column));
        if (whole.entries == 0) {
            whole = part;
        } else {
            whole.entries += part.entries;
            whole.hiddenEntries += part.hiddenEntries;
            whole.least = std::min(whole.least, part.least);
        }
    }
}

void EntryMatrix::summarizeInto(TableSummary& summary) const {
    summary.readOrder_ = readOrder_;
    summary.rowCount_ = static_cast<int>(rows_.owners().size());
    for (const char head : rows_.owners()) {
        const Row& row = *rows_.find(head);
        const auto neighbourOf = [&](char name, std::uint64_t joinedAt) {
            const Cell& noted = *findCell(head, name);
            summary.inDegree_[nameSlot(name)] += static_cast<std::int64_t>(noted.entries);
            // The head entry comes first, so a self-loop weighs what it does.
            return Neighbour{name,
                             name == head ? -1 : noted.first,
                             noted.entries > noted.hiddenEntries ? noted.least : INT_MAX,
                             noted.entries - noted.hiddenEntries,
                             noted.hiddenEntries,
                             joinedAt};
        };
        const auto first = static_cast<std::uint32_t>(summary.neighbours_.size());
        summary.order_.see(head);
        for (std::size_t i = 1; i <= row.nameCount; ++i) {
            if (i == row.selfAfter) {
                summary.neighbours_.push_back(neighbourOf(head, kNotJoined));
            }
            if (i < row.nameCount) {
                summary.order_.see(row.names[i]);
                summary.neighbours_.push_back(neighbourOf(row.names[i], row.joinedAt[i]));
            }
        }
        summary.firstNeighbour_[nameSlot(head)] = first;
        summary.neighbourCount_[nameSlot(head)] =
            static_cast<std::uint32_t>(summary.neighbours_.size()) - first;
    }
}

}  // namespace graph_internal
