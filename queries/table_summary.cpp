#include "queries/internal/table_summary.h"

#include <algorithm>
#include <climits>
#include <memory>
#include <string>

#include "graph/internal/row_order.h"

namespace graph_internal {
namespace {

constexpr std::uint32_t kNone = ~std::uint32_t{0};

// What summarizing a row has noted of a name; valid while `row` is the number
// of the row being summarized.
struct Seen {
    std::uint32_t row = 0;
    int firstWeight = 0;              // of the row's first entry naming it
    std::uint32_t neighbour = kNone;  // its place in the summary, or kNone
};

void note(Neighbour& neighbour, int weight) {
    if (!isNeighbourEntry(weight)) {
        ++neighbour.hiddenEntries;
    } else {
        ++neighbour.entries;
        neighbour.least = std::min(neighbour.least, weight);
    }
}

}  // namespace

// A table's entries as they are read, rows in any order of arrival: per row,
// what its entries tell of each of the 256 names, and the names in the order
// of their first entry, which is the order the summary of a table walk lists
// them in.
class EntryMatrix {
  public:
    // Notes the entry `target` of weight `weight` appended to the row of
    // `owner`, made first if it is new.
    void add(char owner, char target, int weight) {
        Row& row = rows_[owner];
        Neighbour& slot = row.slots[nameSlot(target)];
        if (row.named[nameSlot(target)] == 0) {
            row.name(target, weight);
        } else if (target == owner && slot.entries == 0 && slot.hiddenEntries == 0) {
            row.selfAfter = row.nameCount;  // the first entry of a self-loop
        }
        note(slot, weight);
        ++inDegree_[nameSlot(target)];
    }

    // Notes the entries of `count` triples read, and their names in the order
    // read.
    void addTriples(const EdgeTriple* triples, std::size_t count, bool directed) {
        for (std::size_t i = 0; i < count; ++i) {
            readOrder_.see(triples[i].source);
            readOrder_.see(triples[i].target);
            forEachEntryOf(triples[i], directed, [&](char owner, char target, int weight) {
                add(owner, target, weight);
            });
        }
    }

    // Writes the summary of the table, rows in order of creation.
    void summarizeInto(TableSummary& summary) const {
        summary.readOrder_ = readOrder_;
        summary.rowCount_ = static_cast<int>(rows_.owners().size());
        summary.inDegree_ = inDegree_;
        for (const char head : rows_.owners()) {
            const Row& row = *rows_.find(head);
            const auto first = static_cast<std::uint32_t>(summary.neighbours_.size());
            const Neighbour& self = row.slots[nameSlot(head)];
            summary.order_.see(head);
            for (std::size_t i = 1; i <= row.nameCount; ++i) {
                if (i == row.selfAfter) {
                    summary.neighbours_.push_back(self);
                }
                if (i < row.nameCount) {
                    summary.order_.see(row.names[i]);
                    summary.neighbours_.push_back(row.slots[nameSlot(row.names[i])]);
                }
            }
            summary.firstNeighbour_[nameSlot(head)] = first;
            summary.neighbourCount_[nameSlot(head)] =
                static_cast<std::uint32_t>(summary.neighbours_.size()) - first;
        }
    }

  private:
    struct Row {
        explicit Row(char owner) { name(owner, -1); }  // the head entry

        void name(char name, int weight) {
            named[nameSlot(name)] = 1;
            slots[nameSlot(name)] = {name, weight, INT_MAX, 0, 0};
            names[nameCount++] = name;
        }

        std::array<Neighbour, 256> slots;
        std::array<unsigned char, 256> named{};
        std::array<char, 256> names;  // in order of their first entry, the head first
        std::size_t nameCount = 0;
        // Other than the head, the names named before its first self-loop
        // entry, where the summary lists it: none when it has no self-loop.
        std::size_t selfAfter = 0;
    };

    RowsInCreationOrder<Row> rows_;
    AppearanceOrder readOrder_;
    std::array<std::int64_t, 256> inDegree_{};
};

TableSummary::TableSummary(const Graph& graph) : rowCount_(graph.vertexCount) {
    const RowIndex rows(graph);
    std::size_t entries = 0;
    for (const Row& row : graph.adjList) {
        entries += row.size();
    }
    neighbours_.reserve(std::min(entries, rowsInUse(graph) * 256));
    std::array<Seen, 256> seen{};
    for (std::size_t index = 0; index < graph.adjList.size(); ++index) {
        const Row& row = graph.adjList[index];
        if (row.empty()) {
            continue;
        }
        const char head = row.front()->vertex;
        order_.see(head);
        // A row that is not the row of its head (a caller's edit) still
        // names names and counts towards in-degrees, but is never followed.
        if (rows.rowOf(head) != static_cast<int>(index)) {
            for (auto entry = std::next(row.begin()); entry != row.end(); ++entry) {
                order_.see((*entry)->vertex);
                ++inDegree_[nameSlot((*entry)->vertex)];
            }
            continue;
        }
        const auto number = static_cast<std::uint32_t>(index + 1);
        const auto first = static_cast<std::uint32_t>(neighbours_.size());
        seen[nameSlot(head)] = {number, -1, kNone};
        for (auto entry = std::next(row.begin()); entry != row.end(); ++entry) {
            const char name = (*entry)->vertex;
            const int weight = (*entry)->weight;
            ++inDegree_[nameSlot(name)];
            Seen& noted = seen[nameSlot(name)];
            if (noted.row != number) {
                noted = {number, weight, kNone};
                order_.see(name);
            }
            if (noted.neighbour == kNone) {
                noted.neighbour = static_cast<std::uint32_t>(neighbours_.size());
                neighbours_.push_back({name, noted.firstWeight, INT_MAX, 0, 0});
            }
            note(neighbours_[noted.neighbour], weight);
        }
        firstNeighbour_[nameSlot(head)] = first;
        neighbourCount_[nameSlot(head)] = static_cast<std::uint32_t>(neighbours_.size()) - first;
    }
    readOrder_ = order_;  // a table keeps no other order of its edges
}

TableSummary::TableSummary(std::istream& input, bool directed, LoadReport& report,
                           EdgeListHeader header) {
    EntryMatrix matrix;
    readEdgeList(input, header, report, [&](const EdgeTriple* triples, std::size_t count) {
        matrix.addTriples(triples, count, directed);
    });
    matrix.summarizeInto(*this);
}

TableSummary::TableSummary(const std::function<void(const EdgeBatchVisitor&)>& forEachBatch,
                           bool directed) {
    EntryMatrix matrix;
    forEachBatch([&](const EdgeTriple* triples, std::size_t count) {
        matrix.addTriples(triples, count, directed);
    });
    matrix.summarizeInto(*this);
}

}  // namespace graph_internal
