// The graph's own distance and order queries, each answered from a summary
// of the table made for the one call.
#include "queries/appearance_order.h"

int Graph::Dijkstra(char from, char to) const {
    return QueryIndex(*this).Dijkstra(from, to);
}

std::optional<std::int64_t> Graph::shortestDistance(char from, char to) const {
    return QueryIndex(*this).shortestDistance(from, to);
}

std::vector<std::pair<char, std::optional<std::int64_t>>> Graph::shortestDistances(
    char from) const {
    return QueryIndex(*this).shortestDistances(from);
}

std::string Graph::shortestPath(char from, char to) const {
    return QueryIndex(*this).shortestPath(from, to);
}

std::string Graph::topoSort() const {
    return QueryIndex(*this).topoSort();
}

std::string Graph::vertexNames() const {
    return graph_internal::AppearanceOrder::of(*this).names();
}
