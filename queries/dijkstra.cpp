#include "graph/Graph.h"
#include "queries/shortest_path_search.h"

using graph_internal::findShortestPath;

int Graph::Dijkstra(char from, char to) const {
    const auto path = findShortestPath(*this, from, to, /*withPath=*/false);
    return path.reachable ? path.distance : -1;
}

std::string Graph::shortestPath(char from, char to) const {
    return findShortestPath(*this, from, to, /*withPath=*/true).vertices;
}
