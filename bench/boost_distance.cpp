// boost_distance [--directed] FILE A B: the Boost.Graph peer of
// `graph-query [--directed] FILE distance A B` in tool_bench.sh. Loads FILE
// with the plain `>>` loop of boost_edge_list.h, runs dijkstra_shortest_paths
// from A and prints the distance to B, or "unreachable". Boost keeps every
// parallel edge, so its answer uses the lightest one, not the first.
#include <boost/graph/dijkstra_shortest_paths.hpp>
#include <climits>
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

#include "bench/boost_edge_list.h"

int main(int argc, char** argv) {
    const bool directed = argc > 1 && std::string(argv[1]) == "--directed";
    char** args = argv + 1 + directed;
    if (argc - directed != 4 || std::string(args[1]).size() != 1 ||
        std::string(args[2]).size() != 1) {
        std::cerr << "usage: boost_distance [--directed] FILE A B\n";
        return 2;
    }
    std::ifstream file(args[0]);
    if (!file) {
        std::cerr << "boost_distance: cannot open " << args[0] << '\n';
        return 2;
    }
    BoostGraph graph(256);
    readEdgeList(file, directed, graph);
    std::vector<int> distance(boost::num_vertices(graph));
    boost::dijkstra_shortest_paths(graph, vertexOf(args[1][0]),
                                   boost::distance_map(distance.data()));
    const int answer = distance[vertexOf(args[2][0])];
    std::cout << (answer == INT_MAX ? "unreachable" : std::to_string(answer)) << '\n';
    return answer == INT_MAX ? 1 : 0;
}
