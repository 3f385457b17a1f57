// Reachability, shortest distance and topological order: worked examples, the
// exact sums near the int range and a past fault. The random comparisons live
// in the oracle suites.
#include <gtest/gtest.h>

#include <climits>
#include <optional>

#include "tests/graph_test_support.h"

namespace {

const char* const kFive = "A B 6 A C 7 B C 3 C E 8 D E 2";

TEST(QueriesTest, ReachableAndDijkstraExamples) {
    const struct {
        const char* edges;
        bool directed;
        char from, to;
        bool reachable;
        int distance;
    } cases[] = {
        {kFive, false, 'A', 'E', true, 15},
        {kFive, false, 'D', 'A', true, 17},
        {kFive, false, 'A', 'A', true, 0},
        {kFive, true, 'A', 'E', true, 15},
        {kFive, true, 'A', 'D', false, -1},
        {kFive, true, 'E', 'A', false, -1},  // no row
        {kFive, true, 'A', 'A', false, -1},
        {kFive, false, 'Z', 'Z', false, -1},
        {"A B 5 A B 2", true, 'A', 'B', true, 5},          // the first parallel weight
        {"A B 1 A C 5 C B -10", true, 'A', 'B', true, 1},  // settled, not revisited
        {"A B -1 B C 1", true, 'A', 'C', false, -1},       // weight -1 not followed
        {"A B 2 B C -3", true, 'A', 'C', true, -1},        // reachable at -1
        {"A A 4 A B 3", true, 'A', 'B', true, 3},          // self-loops take no part
        {"A A 4 A B 3", true, 'A', 'A', true, 0},
    };
    for (const auto& c : cases) {
        const Graph graph = graphOf(c.edges, c.directed);
        EXPECT_EQ(graph.Reachable(c.from, c.to), c.reachable) << c.edges << ' ' << c.from << c.to;
        EXPECT_EQ(graph.Dijkstra(c.from, c.to), c.distance) << c.edges << ' ' << c.from << c.to;
    }
}

TEST(QueriesTest, TopoSortExamples) {
    const struct {
        const char* edges;
        bool directed;
        std::string order;
    } cases[] = {
        {kFive, true, "ABCDE"},
        {"A X 1 C Y 1", true, "AXCY"},            // a released vertex first
        {"A B 1 B C 1 C B 1 A D 1", true, "AD"},  // a cycle left out
        {"A B -1", true, "A"},                    // weight -1 counted, never released
        {"", true, ""},                           // no vertex at in-degree 0 at the start
        {"A B 1", false, ""},
        {"A B 1 B A 1", true, ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(graphOf(c.edges, c.directed).topoSort(), c.order) << c.edges;
    }
}

// Sums are exact in 64 bits; only Dijkstra's answer is clamped into the int range.
TEST(QueriesTest, ExactSumsNearTheIntRange) {
    const struct {
        const char* edges;
        char to;
        std::optional<std::int64_t> distance;
        int dijkstra;
        std::string path;
    } cases[] = {
        {"A B 2147483647 B C -5", 'C', 2147483642, 2147483642, "ABC"},
        {"A B 2147483647 B C -2147483648", 'C', -1, -1, "ABC"},
        {"A B 2147483647", 'B', INT_MAX, INT_MAX, "AB"},
        {"A B 2000000000 B C 2000000000 C D 2000000000", 'D', 6000000000, INT_MAX, "ABCD"},
    };
    for (const auto& c : cases) {
        const Graph graph = graphOf(c.edges, true);
        EXPECT_EQ(graph.shortestDistance('A', c.to), c.distance) << c.edges;
        EXPECT_EQ(graph.Dijkstra('A', c.to), c.dijkstra) << c.edges;
        EXPECT_EQ(graph.shortestPath('A', c.to), c.path) << c.edges;
    }
}

// A past fault answered 27 here.
TEST(QueriesTest, UndirectedDistanceThroughManyEqualCandidates) {
    const Graph graph = graphOf(
        "R Q 1 I R 16 B R 3 O G 0 A R 3 L [ 4 [ Z 1 _ I 9 [ C 2 [ V 0 a _ 0 Z M 7 N P 3 ] R 3 "
        "I Z 14 E _ 0 Y Z 5 N R 0 W N 3 _ F 1 O B 0 J _ 2 [ B 3 G N 1 H _ 3 S R 2",
        false);
    EXPECT_EQ(graph.shortestDistance('E', 'B'), 26);
}

}  // namespace
