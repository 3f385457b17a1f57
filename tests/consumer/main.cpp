// Prints what an installed graph library computes for a small graph.
#include <iostream>

#include "graph/Graph.h"

int main() {
    Graph graph({});
    graph.addEdge('A', 'B', 6, false);
    graph.addEdge('B', 'C', 3, false);
    std::cout << graph.display() << graph.Dijkstra('A', 'C') << ' ' << graph.topoSort().size()
              << '\n';
    return 0;
}
