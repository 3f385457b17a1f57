// How loading lays out a table: the entries each triple adds, and the rows in
// the order they are made, one per name.
#ifndef GRAPH_INTERNAL_ROW_ORDER_H_
#define GRAPH_INTERNAL_ROW_ORDER_H_

#include <array>
#include <memory>
#include <string>

#include "graph/edge_list.h"
#include "graph/internal/row_index.h"

namespace graph_internal {

// Calls `add(owner, target, weight)` for each table entry that the triple
// adds, in the order addEdge adds them: the target in the source's row, then,
// unless `directed`, the source in the target's row.
template <typename Add>
void forEachEntryOf(const EdgeTriple& triple, bool directed, Add add) {
    add(triple.source, triple.target, triple.weight);
    if (!directed) {
        add(triple.target, triple.source, triple.weight);
    }
}

// One `Row` per name that owns one, and the owners in the order their rows
// were made, which is the order of the table's rows.
template <typename Row>
class RowsInCreationOrder {
  public:
    // The row of `owner`; made with Row(owner) at the end of the order when
    // it has none.
    Row& operator[](char owner) {
        std::unique_ptr<Row>& row = rows_[nameSlot(owner)];
        if (!row) {
            row = std::make_unique<Row>(owner);
            owners_ += owner;
        }
        return *row;
    }

    // The row of `owner`, or nullptr.
    const Row* find(char owner) const { return rows_[nameSlot(owner)].get(); }

    // The owners, in the order their rows were made.
    const std::string& owners() const { return owners_; }

  private:
    std::array<std::unique_ptr<Row>, kNameCount> rows_;
    std::string owners_;
};

}  // namespace graph_internal

#endif  // GRAPH_INTERNAL_ROW_ORDER_H_
