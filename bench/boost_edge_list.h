// The Boost.Graph peer of the loader, for the benchmarks only: the same
// edge-list format read with a plain `>>` loop into an adjacency list over the
// 256 byte values, one vertex per name (its unsigned char value).
#ifndef BENCH_BOOST_EDGE_LIST_H_
#define BENCH_BOOST_EDGE_LIST_H_

#include <boost/graph/adjacency_list.hpp>
#include <istream>

#include "bench/extraction_loop.h"

using BoostGraph =
    boost::adjacency_list<boost::vecS, boost::vecS, boost::directedS, boost::no_property,
                          boost::property<boost::edge_weight_t, int>>;

inline int vertexOf(char name) {
    return static_cast<unsigned char>(name);
}

// Adds every triple after the two header records of `input` to `graph` (of
// 256 vertices): source -> target, and target -> source as well unless
// `directed`. Stops at the first item that cannot be read.
inline void readEdgeList(std::istream& input, bool directed, BoostGraph& graph) {
    forEachExtractedTriple(input, [&](char source, char target, int weight) {
        boost::add_edge(vertexOf(source), vertexOf(target), weight, graph);
        if (!directed) {
            boost::add_edge(vertexOf(target), vertexOf(source), weight, graph);
        }
    });
}

#endif  // BENCH_BOOST_EDGE_LIST_H_
