// Reachability, shortest distance and topological order: worked examples, the
// decided overflow, self-loop and no-start cases, and a comparison with the
// step-by-step reference on many random graphs.
#include <gtest/gtest.h>

#include <climits>
#include <random>

#include "tests/graph_test_support.h"
#include "tests/literal_reference.h"

namespace {

const std::vector<TestEdge> kFiveEdges = {
    {'A', 'B', 6}, {'A', 'C', 7}, {'B', 'C', 3}, {'C', 'E', 8}, {'D', 'E', 2}};

struct QueryCase {
    const char* name;
    std::vector<TestEdge> edges;
    bool directed;
    char from;
    char to;
    bool reachable;
    int distance;
};

TEST(QueriesTest, ReachableAndDijkstraExamples) {
    const int big = 2147483000;
    const QueryCase cases[] = {
        {"undirected neighbour", kFiveEdges, false, 'A', 'B', true, 6},
        {"undirected A to E", kFiveEdges, false, 'A', 'E', true, 15},
        {"undirected A to D", kFiveEdges, false, 'A', 'D', true, 17},
        {"undirected D to A", kFiveEdges, false, 'D', 'A', true, 17},
        {"undirected A to A", kFiveEdges, false, 'A', 'A', true, 0},
        {"directed A to E", kFiveEdges, true, 'A', 'E', true, 15},
        {"directed A to D", kFiveEdges, true, 'A', 'D', false, -1},
        {"directed from a rowless vertex", kFiveEdges, true, 'E', 'A', false, -1},
        {"directed acyclic A to A", kFiveEdges, true, 'A', 'A', false, -1},
        {"absent name", kFiveEdges, false, 'A', 'Z', false, -1},
        {"absent name to itself", kFiveEdges, false, 'Z', 'Z', false, -1},
        {"empty graph", {}, true, 'A', 'B', false, -1},
        {"first parallel weight", {{'A', 'B', 5}, {'A', 'B', 2}}, true, 'A', 'B', true, 5},
        {"settled vertex not revisited",
         {{'A', 'B', 1}, {'A', 'C', 5}, {'C', 'B', -10}},
         true,
         'A',
         'B',
         true,
         1},
        {"only path has weight -1", {{'A', 'B', -1}, {'B', 'C', 1}}, true, 'A', 'C', false, -1},
        {"target without a row", {{'A', 'B', 1}, {'B', 'C', 1}}, true, 'A', 'C', true, 2},
        {"cycle without target",
         {{'A', 'B', 1}, {'B', 'A', 1}, {'C', 'D', 1}},
         true,
         'A',
         'D',
         false,
         -1},
        // Decided: entries naming the vertex being settled take no part.
        {"self-loop then edge", {{'A', 'A', 4}, {'A', 'B', 3}}, true, 'A', 'B', true, 3},
        {"self-loop to itself", {{'A', 'A', 4}, {'A', 'B', 3}}, true, 'A', 'A', true, 0},
        {"undirected self-loop", {{'A', 'A', 4}, {'A', 'B', 3}}, false, 'A', 'B', true, 3},
        // Decided: sums never overflow; they saturate at the int range.
        {"sum saturates high", {{'A', 'B', big}, {'B', 'C', big}}, true, 'A', 'C', true, INT_MAX},
        {"sum saturates low", {{'A', 'B', -big}, {'B', 'C', -big}}, true, 'A', 'C', true, INT_MIN},
        {"beyond a saturated vertex",
         {{'A', 'B', big}, {'B', 'C', big}, {'C', 'D', 1}},
         true,
         'A',
         'D',
         true,
         INT_MAX},
        {"reachable at -1", {{'A', 'B', 2}, {'B', 'C', -3}}, true, 'A', 'C', true, -1},
    };
    for (const auto& c : cases) {
        const Graph graph = graphOf(c.edges, c.directed);
        const std::string before = tableText(graph);
        EXPECT_EQ(graph.Reachable(c.from, c.to), c.reachable) << c.name;
        EXPECT_EQ(graph.Dijkstra(c.from, c.to), c.distance) << c.name;
        EXPECT_EQ(graph.Dijkstra(c.from, c.to), c.distance) << c.name << " (again)";
        EXPECT_EQ(tableText(graph), before) << c.name;
    }
}

TEST(QueriesTest, TopoSortExamples) {
    const struct {
        const char* name;
        std::vector<TestEdge> edges;
        bool directed;
        std::string order;
    } cases[] = {
        {"five edges", kFiveEdges, true, "ABCDE"},
        {"released vertex first", {{'A', 'X', 1}, {'C', 'Y', 1}}, true, "AXCY"},
        {"cycle left out",
         {{'A', 'B', 1}, {'B', 'C', 1}, {'C', 'B', 1}, {'A', 'D', 1}},
         true,
         "AD"},
        {"weight -1 never released", {{'A', 'B', -1}}, true, "A"},
        {"parallel edges", {{'A', 'B', 1}, {'A', 'B', 2}, {'B', 'C', 1}}, true, "ABC"},
        // Decided: no vertex of in-degree 0 at the start gives the empty order.
        {"empty graph", {}, true, ""},
        {"undirected", {{'A', 'B', 1}}, false, ""},
        {"every vertex on a cycle", {{'A', 'B', 1}, {'B', 'A', 1}}, true, ""},
        {"self-loop", {{'A', 'A', 1}}, true, ""},
    };
    for (const auto& c : cases) {
        const Graph graph = graphOf(c.edges, c.directed);
        EXPECT_EQ(graph.topoSort(), c.order) << c.name;
        EXPECT_EQ(graph.topoSort(), c.order) << c.name << " (again)";
    }
}

// Random multigraphs over a few names with loops, parallel edges, weight -1
// entries, ties, negative weights and weights near the int range.
Graph randomGraph(std::mt19937& random, bool directed) {
    static const int weights[] = {-1, -1, 0, 1, 1, 2, 3, 5, -4, 2147483000, -2147483000, INT_MAX};
    std::uniform_int_distribution<int> nameOf(0, 5);
    std::uniform_int_distribution<int> weightOf(0, sizeof weights / sizeof *weights - 1);
    std::uniform_int_distribution<int> edgeCount(0, 14);
    Graph graph({});
    for (int i = edgeCount(random); i > 0; --i) {
        graph.addEdge(static_cast<char>('A' + nameOf(random)),
                      static_cast<char>('A' + nameOf(random)), weights[weightOf(random)], directed);
    }
    return graph;
}

TEST(QueriesTest, MatchStepByStepReferenceOnRandomGraphs) {
    std::mt19937 random(20261207);
    for (int round = 0; round < 1500; ++round) {
        const Graph graph = randomGraph(random, round % 3 != 0);
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
