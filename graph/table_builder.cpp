#include "graph/internal/table_builder.h"

#include "graph/internal/row_order.h"

namespace graph_internal {
namespace {

// A row as it is built: its entries counted first, then its records made in
// one block and its list nodes filled in order.
struct RowPlan {
    explicit RowPlan(char) {}
    std::size_t entries = 0;  // after the head entry
    std::shared_ptr<std::vector<Edge>> records;
    Row::iterator next;
};

}  // namespace

void buildTable(Graph& graph, const std::vector<EdgeTriple>& triples, bool directed) {
    RowsInCreationOrder<RowPlan> rows;
    for (const EdgeTriple& triple : triples) {
        forEachEntryOf(triple, directed, [&](char owner, char, int) { ++rows[owner].entries; });
    }
    const std::string& owners = rows.owners();
    graph.adjList.resize(owners.size());
    for (std::size_t index = 0; index < owners.size(); ++index) {
        RowPlan& plan = rows[owners[index]];
        // Reserved whole, the block never moves, so the handles into it stay good.
        plan.records = std::make_shared<std::vector<Edge>>();
        plan.records->reserve(plan.entries + 1);
        plan.records->emplace_back(owners[index], '\0', -1);
        Row& row = graph.adjList[index];
        row.emplace_back(plan.records, &plan.records->back());
        row.resize(plan.entries + 1);
        plan.next = std::next(row.begin());
    }
    for (const EdgeTriple& triple : triples) {
        forEachEntryOf(triple, directed, [&](char owner, char vertex, int weight) {
            RowPlan& plan = rows[owner];
            plan.records->emplace_back(vertex, '\0', weight);
            *plan.next++ = std::shared_ptr<Edge>(plan.records, &plan.records->back());
        });
    }
    graph.vertexCount = static_cast<int>(owners.size());
}

}  // namespace graph_internal
