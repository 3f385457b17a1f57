// The graph's own distance and order queries. The label-setting ones read
// only the rows their search reaches; the others answer from a summary of
// the table made for the one call.
#include "graph/internal/appearance_order.h"
#include "graph/query_index.h"
#include "queries/internal/shortest_paths.h"
#include "queries/internal/topo_sort.h"

using graph_internal::RowSteps;

int Graph::Dijkstra(char from, char to) const {
    return graph_internal::clampedDistance(shortestDistance(from, to));
}

std::optional<std::int64_t> Graph::shortestDistance(char from, char to) const {
    RowSteps steps(*this);
    return graph_internal::shortestDistanceOver(steps, from, to);
}

std::vector<std::pair<char, std::optional<std::int64_t>>> Graph::shortestDistances(
    char from) const {
    return graph_internal::distancesOf(shortestRoutes(from));
}

std::string Graph::shortestPath(char from, char to) const {
    RowSteps steps(*this);
    return graph_internal::shortestPathOver(steps, from, to);
}

std::vector<Route> Graph::shortestRoutes(char from) const {
    RowSteps steps(*this);
    return graph_internal::shortestRoutesOver(steps, from, vertexNames());
}

Route Graph::leastWeightRoute(char from, char to, EdgeEntries entries) const {
    return QueryIndex(*this).leastWeightRoute(from, to, entries);
}

std::vector<Route> Graph::leastWeightRoutes(char from, EdgeEntries entries) const {
    return QueryIndex(*this).leastWeightRoutes(from, entries);
}

std::string Graph::topoSort() const {
    return graph_internal::topologicalOrder(*this);
}

std::string Graph::topoSort(EdgeEntries entries) const {
    return entries == EdgeEntries::neighbours ? topoSort() : QueryIndex(*this).topoSort(entries);
}

TopoObstacle Graph::topoObstacle(EdgeEntries entries) const {
    return QueryIndex(*this).topoObstacle(entries);
}

std::string Graph::vertexNames() const {
    return graph_internal::AppearanceOrder::of(*this).names();
}
