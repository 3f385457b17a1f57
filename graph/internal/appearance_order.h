// The order in which names first appear in a table (rows in order, each from
// its head entry on): the order in which the queries break ties.
#ifndef GRAPH_INTERNAL_APPEARANCE_ORDER_H_
#define GRAPH_INTERNAL_APPEARANCE_ORDER_H_

#include <array>
#include <string>

#include "graph/internal/row_index.h"

namespace graph_internal {

class AppearanceOrder {
  public:
    AppearanceOrder() { position_.fill(-1); }

    // The order of every name in `graph`'s table. O(E).
    static AppearanceOrder of(const Graph& graph) {
        AppearanceOrder order;
        for (const Row& row : graph.adjList) {
            for (const auto& entry : row) {
                order.see(entry->vertex);
            }
        }
        return order;
    }

    // Gives `name` the next position unless it has one.
    void see(char name) {
        int& position = position_[nameSlot(name)];
        if (position < 0) {
            position = static_cast<int>(names_.size());
            names_ += name;
        }
    }

    // The position of `name`, from 0, or -1 when it has not been seen.
    int positionOf(char name) const { return position_[nameSlot(name)]; }

    // The names seen, in order.
    const std::string& names() const { return names_; }

  private:
    std::array<int, kNameCount> position_;
    std::string names_;
};

}  // namespace graph_internal

#endif  // GRAPH_INTERNAL_APPEARANCE_ORDER_H_
