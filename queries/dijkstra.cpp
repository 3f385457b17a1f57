#include "graph/Graph.h"
#include "queries/shortest_path_search.h"

int Graph::Dijkstra(char from, char to) const {
    const graph_internal::ShortestPath path =
        graph_internal::findShortestPath(*this, from, to, false);
    return path.reachable ? path.distance : -1;
}
