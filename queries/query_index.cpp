#include "graph/query_index.h"

#include <stdexcept>

#include "graph/internal/edge_list_parts.h"
#include "queries/internal/components.h"
#include "queries/internal/distance_matrix.h"
#include "queries/internal/entry_matrix.h"
#include "queries/internal/least_weight_search.h"
#include "queries/internal/part_state.h"
#include "queries/internal/shortest_paths.h"
#include "queries/internal/spanning_forest.h"
#include "queries/internal/topo_sort.h"

using graph_internal::EntryMatrix;
using graph_internal::SummarySteps;
using graph_internal::TableSummary;

namespace {

std::shared_ptr<const TableSummary> summaryOf(const EntryMatrix& matrix) {
    auto summary = std::make_shared<TableSummary>();
    matrix.summarizeInto(*summary);
    return summary;
}

}  // namespace

QueryIndex::QueryIndex(const Graph& graph) : summary_(std::make_shared<TableSummary>(graph)) {}

QueryIndex::QueryIndex(std::istream& input, bool directed, LoadReport& report,
                       EdgeListHeader header)
    : QueryIndex(std::function<void(const EdgeBatchVisitor&)>([&](const EdgeBatchVisitor& add) {
                     readEdgeList(input, header, report, add);
                 }),
                 directed) {}

QueryIndex::QueryIndex(const ReadAt& readAt, std::uint64_t size, bool directed, LoadReport& report,
                       EdgeListHeader header, unsigned jobs) {
    const PartSummary whole =
        graph_internal::readEdgeListInParts(readAt, size, header, directed, jobs);
    report = whole.report();
    summary_ = summaryOf(graph_internal::PartAccess::state(whole).matrix);
}

QueryIndex::QueryIndex(const PartSummary& part)
    : summary_(summaryOf(graph_internal::PartAccess::state(part).matrix)) {}

QueryIndex::QueryIndex(const std::vector<const PartSummary*>& inputs) {
    EntryMatrix matrix(!inputs.empty() && inputs.front()->directed());
    for (const PartSummary* input : inputs) {
        if (input->directed() != matrix.directed()) {
            throw std::invalid_argument(
                "QueryIndex: one input is of a directed table, another not");
        }
        matrix.merge(graph_internal::PartAccess::state(*input).matrix);
    }
    summary_ = summaryOf(matrix);
}

QueryIndex::QueryIndex(const std::function<void(const EdgeVisitor&)>& forEachEdge, bool directed)
    : QueryIndex(std::function<void(const EdgeBatchVisitor&)>([&](const EdgeBatchVisitor& add) {
                     forEachEdge([&](char source, char target, int weight) {
                         const EdgeTriple triple{weight, source, target};
                         add(&triple, 1);
                     });
                 }),
                 directed) {}

QueryIndex::QueryIndex(const std::function<void(const EdgeBatchVisitor&)>& forEachBatch,
                       bool directed) {
    EntryMatrix matrix(directed);
    forEachBatch(
        [&](const EdgeTriple* triples, std::size_t count) { matrix.addTriples(triples, count); });
    summary_ = summaryOf(matrix);
}

bool QueryIndex::Reachable(char from, char to) const {
    SummarySteps steps(*summary_);
    return graph_internal::reachesOver(steps, from, to);
}

std::optional<std::int64_t> QueryIndex::shortestDistance(char from, char to) const {
    SummarySteps steps(*summary_);
    return graph_internal::shortestDistanceOver(steps, from, to);
}

int QueryIndex::Dijkstra(char from, char to) const {
    return graph_internal::clampedDistance(shortestDistance(from, to));
}

std::string QueryIndex::shortestPath(char from, char to) const {
    SummarySteps steps(*summary_);
    return graph_internal::shortestPathOver(steps, from, to);
}

std::vector<std::pair<char, std::optional<std::int64_t>>> QueryIndex::shortestDistances(
    char from) const {
    return graph_internal::distancesOf(shortestRoutes(from));
}

std::vector<Route> QueryIndex::shortestRoutes(char from) const {
    SummarySteps steps(*summary_);
    return graph_internal::shortestRoutesOver(steps, from, summary_->order().names());
}

Route QueryIndex::leastWeightRoute(char from, char to, EdgeEntries entries) const {
    return graph_internal::LeastWeightSearch(*summary_, from, entries).routeTo(to);
}

std::vector<Route> QueryIndex::leastWeightRoutes(char from, EdgeEntries entries) const {
    const graph_internal::LeastWeightSearch search(*summary_, from, entries);
    std::vector<Route> routes;
    for (const char name : summary_->tieOrder(entries).names()) {
        routes.push_back(search.routeTo(name));
    }
    return routes;
}

std::string QueryIndex::topoSort() const {
    return topoSort(EdgeEntries::neighbours);
}

std::string QueryIndex::topoSort(EdgeEntries entries) const {
    return graph_internal::topologicalOrder(*summary_, entries);
}

TopoObstacle QueryIndex::topoObstacle(EdgeEntries entries) const {
    return graph_internal::topologicalObstacle(*summary_, topoSort(entries), entries);
}

std::vector<std::string> QueryIndex::components(EdgeEntries entries) const {
    return graph_internal::componentNames(*summary_, entries);
}

DistanceMatrix QueryIndex::leastWeightMatrix(EdgeEntries entries) const {
    return graph_internal::leastWeightMatrix(*summary_, entries);
}

DistanceMatrix QueryIndex::shortestDistanceMatrix() const {
    return graph_internal::shortestDistanceMatrix(*summary_);
}

std::vector<EdgeTriple> QueryIndex::spanningForest(EdgeEntries entries) const {
    return graph_internal::spanningForest(*summary_, entries);
}

std::string QueryIndex::vertexNames() const {
    return summary_->order().names();
}

std::string QueryIndex::namesAsRead() const {
    return summary_->readOrder().names();
}

int QueryIndex::vertexCount() const {
    return summary_->rowCount();
}
