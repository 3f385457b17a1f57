// Reachability, shortest distance and topological order: worked examples, the
// decided overflow, self-loop and no-start cases, and a comparison with the
// step-by-step reference on many random graphs.
#include <gtest/gtest.h>

#include <climits>
#include <random>

#include "tests/graph_test_support.h"
#include "tests/literal_reference.h"

namespace {

const std::vector<TestEdge> kFive = {
    {'A', 'B', 6}, {'A', 'C', 7}, {'B', 'C', 3}, {'C', 'E', 8}, {'D', 'E', 2}};
const int kBig = 2147483000;

TEST(QueriesTest, ReachableAndDijkstraExamples) {
    const struct {
        const char* name;
        std::vector<TestEdge> edges;
        bool directed;
        char from, to;
        bool reachable;
        int distance;
    } cases[] = {
        {"undirected A to E", kFive, false, 'A', 'E', true, 15},
        {"undirected D to A", kFive, false, 'D', 'A', true, 17},
        {"undirected A to A", kFive, false, 'A', 'A', true, 0},
        {"directed A to E", kFive, true, 'A', 'E', true, 15},
        {"directed A to D", kFive, true, 'A', 'D', false, -1},
        {"rowless start", kFive, true, 'E', 'A', false, -1},
        {"acyclic A to A", kFive, true, 'A', 'A', false, -1},
        {"absent names", kFive, false, 'Z', 'Z', false, -1},
        {"first parallel weight", {{'A', 'B', 5}, {'A', 'B', 2}}, true, 'A', 'B', true, 5},
        {"settled not revisited",
         {{'A', 'B', 1}, {'A', 'C', 5}, {'C', 'B', -10}},
         true,
         'A',
         'B',
         true,
         1},
        {"weight -1 not followed", {{'A', 'B', -1}, {'B', 'C', 1}}, true, 'A', 'C', false, -1},
        {"reachable at -1", {{'A', 'B', 2}, {'B', 'C', -3}}, true, 'A', 'C', true, -1},
        // Decided: entries naming the vertex being settled take no part.
        {"self-loop then edge", {{'A', 'A', 4}, {'A', 'B', 3}}, true, 'A', 'B', true, 3},
        {"self-loop to itself", {{'A', 'A', 4}, {'A', 'B', 3}}, true, 'A', 'A', true, 0},
        // Decided: sums never overflow; they saturate at the int range.
        {"saturates high",
         {{'A', 'B', kBig}, {'B', 'C', kBig}, {'C', 'D', 1}},
         true,
         'A',
         'D',
         true,
         INT_MAX},
        {"saturates low", {{'A', 'B', -kBig}, {'B', 'C', -kBig}}, true, 'A', 'C', true, INT_MIN},
    };
    for (const auto& c : cases) {
        const Graph graph = graphOf(c.edges, c.directed);
        EXPECT_EQ(graph.Reachable(c.from, c.to), c.reachable) << c.name;
        EXPECT_EQ(graph.Dijkstra(c.from, c.to), c.distance) << c.name;
    }
}

TEST(QueriesTest, TopoSortExamples) {
    const struct {
        const char* name;
        std::vector<TestEdge> edges;
        bool directed;
        std::string order;
    } cases[] = {
        {"five edges", kFive, true, "ABCDE"},
        {"released vertex first", {{'A', 'X', 1}, {'C', 'Y', 1}}, true, "AXCY"},
        {"cycle left out",
         {{'A', 'B', 1}, {'B', 'C', 1}, {'C', 'B', 1}, {'A', 'D', 1}},
         true,
         "AD"},
        {"weight -1 never released", {{'A', 'B', -1}}, true, "A"},
        // Decided: no vertex of in-degree 0 at the start gives the empty order.
        {"empty graph", {}, true, ""},
        {"undirected", {{'A', 'B', 1}}, false, ""},
        {"every vertex on a cycle", {{'A', 'B', 1}, {'B', 'A', 1}}, true, ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(graphOf(c.edges, c.directed).topoSort(), c.order) << c.name;
    }
}

// Random multigraphs over a few names with loops, parallel edges, weight -1
// entries, ties, negative weights and weights near the int range.
TEST(QueriesTest, MatchStepByStepReferenceOnRandomGraphs) {
    static const int weights[] = {-1, -1, 0, 1, 1, 2, 3, 5, -4, kBig, -kBig, INT_MAX};
    std::mt19937 random(20261207);
    std::uniform_int_distribution<int> name('A', 'F');
    std::uniform_int_distribution<std::size_t> weight(0, std::size(weights) - 1);
    std::uniform_int_distribution<int> edgeCount(0, 14);
    for (int round = 0; round < 1500; ++round) {
        Graph graph({});
        for (int i = edgeCount(random); i > 0; --i) {
            graph.addEdge(static_cast<char>(name(random)), static_cast<char>(name(random)),
                          weights[weight(random)], round % 3 != 0);
        }
        ASSERT_EQ(graph.topoSort(), literalTopoSort(graph)) << graph.display();
        for (char from = 'A'; from <= 'G'; ++from) {
            for (char to = 'A'; to <= 'G'; ++to) {
                ASSERT_EQ(graph.Reachable(from, to), literalReachable(graph, from, to))
                    << from << to << ' ' << graph.display();
                ASSERT_EQ(graph.Dijkstra(from, to), literalDijkstra(graph, from, to))
                    << from << to << ' ' << graph.display();
                expectPathMatchesDijkstra(graph, from, to);
            }
        }
    }
}

}  // namespace
