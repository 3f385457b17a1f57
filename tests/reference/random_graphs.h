// Seeded random graphs built through the public interface, of the kinds where
// query faults hide: from 2 to `maxNames` names (letters, or any byte values
// with NUL among them), sparse and complete graphs, DAGs with and without back
// edges, directed, undirected and mixed edges, parallel edges, self-loops,
// weight -1 entries, negative weights and weights near the int range, and
// graphs made by the table constructor.
#ifndef TESTS_REFERENCE_RANDOM_GRAPHS_H_
#define TESTS_REFERENCE_RANDOM_GRAPHS_H_

#include <cstdint>
#include <string>

#include "graph/Graph.h"

// The step between the seeds a random suite takes: under the sanitizers,
// which look for faults of memory rather than of answers, every tenth.
#if defined(__SANITIZE_ADDRESS__)
constexpr std::uint32_t kSeedStep = 10;
#else
constexpr std::uint32_t kSeedStep = 1;
#endif

struct RandomGraph {
    Graph graph;
    std::string kind;  // how it was built, for failure messages
};

// The same seed always builds the same graph. With `nonNegative`, every
// weight is >= 0 (so there are no weight -1 entries either).
RandomGraph randomGraph(std::uint32_t seed, int maxNames, bool nonNegative);

// The table's entries as directed triples "S T W", one a line, but those naming whitespace, which
// reading skips; row by row, or with a non-zero `shuffle` in an order it seeds.
std::string edgeListOf(const Graph& graph, std::uint32_t shuffle);

#endif  // TESTS_REFERENCE_RANDOM_GRAPHS_H_
