// Worked examples that pin exact tables, listings and answers: addEdge and the
// table constructor, the adjacency helpers, and the queries' documented rules
// (the random comparisons are in the oracle suites).
#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <random>
#include <sstream>

#include "tests/graph_test_support.h"

namespace {

using namespace std::string_literals;

TEST(GraphTest, TableAndListingFollowInsertionOrder) {
    const struct {
        std::string edges;
        bool directed;
        std::string table;
        std::string listing;
    } cases[] = {
        {"", false, "", ""},
        {"A B 6 A C 7", false, "A:B6,C7 B:A6 C:A7", "(A,B,6) (A,C,7) (B,A,6) (C,A,7) "},
        {"A B 6 A C 7 B A 1", true, "A:B6,C7 B:A1", "(A,B,6) (A,C,7) (B,A,1) "},
        {"B A 1", false, "B:A1 A:B1", "(B,A,1) (A,B,1) "},  // the source's row first
        {"A B 6 A B 6", false, "A:B6,B6 B:A6,A6", "(A,B,6) (A,B,6) (B,A,6) (B,A,6) "},
        {"A A 4", false, "A:A4,A4", "(A,A,4) (A,A,4) "},  // an undirected loop twice
        {"A A 4", true, "A:A4", "(A,A,4) "},
        {"A B -1 A C 12", true, "A:B-1,C12", "(A,C,12) "},  // weight -1 stored, not listed
        {"A B -2147483648 A D -5", true, "A:B-2147483648,D-5", "(A,B,-2147483648) (A,D,-5) "},
        {"a A 1 \xff \0 2"s, true,
         "a:A1 \xff:\0"s
         "2",
         "(a,A,1) (\xff,\0,2) "s},
    };
    for (const auto& c : cases) {
        const Graph graph = graphOf(c.edges, c.directed);
        EXPECT_EQ(tableText(graph), c.table) << c.edges;
        EXPECT_EQ(graph.display(), c.listing) << c.edges;
    }
    // Rows a caller moved or cleared are found where they now are.
    Graph edited = graphOf("A B 1 C D 2", true);
    std::swap(edited.adjList[0], edited.adjList[1]);
    edited.addEdge('A', 'E', 3, true);
    EXPECT_EQ(tableText(edited), "C:D2 A:B1,E3");
    edited.adjList.clear();
    edited.vertexCount = 0;
    edited.addEdge('C', 'A', 5, true);
    EXPECT_EQ(tableText(edited), "C:A5");
}

TEST(GraphTest, TableConstructorReadsEachEntryAsVertexPrevWeight) {
    std::vector<std::list<std::shared_ptr<Edge>>> table(1);
    table[0].push_back(std::make_shared<Edge>('A', 'B', 5));
    table[0].push_back(std::make_shared<Edge>('B', 'C', 2));
    const Graph graph(table);
    EXPECT_EQ(tableText(graph), "A:B5 B:C2");
    EXPECT_NE(graph.adjList[0].back().get(), table[0].front().get()) << "records are not shared";
    // Another graph's table: every entry, head entries included, is an edge to NUL.
    const Graph copy(graphOf("A B 6", false).adjList);
    EXPECT_EQ(copy.display(), "(A,\0,6) (B,\0,6) "s);
}

// Loaded records live in one block per row. Against records made one by one,
// handles to them, let go in random order after the graph, its copy and its
// move are gone, keep their values to the last (the sanitizer and valgrind
// runs see a block freed early or never).
TEST(GraphTest, LoadedRecordsOutliveTheirGraph) {
    std::mt19937 random(8);
    std::string triples;
    for (int i = 0; i < 2000; ++i) {
        triples += std::string{char('A' + random() % 20), ' ', char('A' + random() % 20), ' '} +
                   std::to_string(random() % 1000) + ' ';
    }
    std::vector<std::pair<std::shared_ptr<Edge>, std::shared_ptr<Edge>>> handles;
    {
        std::istringstream input("V 1 E 1 " + triples);
        Graph loaded(input, false);
        const Graph copy = loaded;
        EXPECT_EQ(copy.adjList[0].back().get(), loaded.adjList[0].back().get()) << "shared";
        const auto* firstNode = &loaded.adjList[0].front();
        const Graph moved = std::move(loaded);
        EXPECT_EQ(&moved.adjList[0].front(), firstNode) << "moved, not copied";
        const Graph oneByOne = graphOf(triples, false);
        ASSERT_EQ(tableText(moved), tableText(oneByOne));
        for (std::size_t row = 0; row < moved.adjList.size(); ++row) {
            auto twin = oneByOne.adjList[row].begin();
            for (const auto& record : moved.adjList[row]) {
                if (random() % 3 == 0) {
                    handles.emplace_back(record, *twin);
                }
                ++twin;
            }
        }
    }
    std::shuffle(handles.begin(), handles.end(), random);
    for (; !handles.empty(); handles.resize(handles.size() * 3 / 4)) {
        for (const auto& [loaded, made] : handles) {
            ASSERT_TRUE(loaded->vertex == made->vertex && loaded->weight == made->weight);
        }
    }
}

// The row of A holds B 6, X -1, D 3, B 2, A 4 (a loop); B, X and D have no rows.
TEST(GraphTest, AdjacencyHelpersReadTheNeighbourEntriesOfOneRow) {
    const Graph graph = graphOf("A B 6 A X -1 A D 3 A B 2 A A 4", true);
    const struct {
        std::string visited;
        char vertex, target;
        bool found;
        std::string queued;  // by insertAdjacentElements, after a '#' already there
        std::string nodes;   // by insertAdjacentNodes
        int distance;        // getAdjacentDistance(vertex, target)
    } cases[] = {
        {"", 'A', 'B', true, "", "BDBA", 6},      {"", 'A', 'D', true, "B", "BDBA", 3},
        {"", 'A', 'E', false, "BDBA", "BDBA", 0}, {"B", 'A', 'B', true, "", "DA", 6},
        {"BA", 'A', 'E', false, "D", "D", 0},     {"", 'A', 'X', false, "BDBA", "BDBA", -1},
        {"", 'A', 'A', true, "BDB", "BDBA", -1},  {"", 'B', 'A', false, "", "", 0},
    };
    for (const auto& c : cases) {
        const std::vector<char> visited(c.visited.begin(), c.visited.end());
        std::queue<char> queue({'#'});
        EXPECT_EQ(graph.insertAdjacentElements(queue, visited, c.vertex, c.target), c.found);
        std::string queued;
        for (; !queue.empty(); queue.pop()) {
            queued += queue.front();
        }
        std::vector<char> nodes = {'#'};
        graph.insertAdjacentNodes(nodes, visited, c.vertex);
        EXPECT_EQ(queued, "#" + c.queued) << c.visited << c.vertex << c.target;
        EXPECT_EQ(std::string(nodes.begin(), nodes.end()), "#" + c.nodes) << c.vertex;
        EXPECT_EQ(graph.getAdjacentDistance(c.vertex, c.target), c.distance)
            << c.vertex << c.target;
    }
    std::vector<std::shared_ptr<Edge>> records;
    graph.insertAdjacentElementsDijkstra(records, 'A');
    std::string text;
    for (const auto& record : records) {
        text += std::string{record->vertex, record->prev} + std::to_string(record->weight) + ' ';
    }
    EXPECT_EQ(text,
              "B\0"s
              "6 D\0"s
              "3 B\0"s
              "2 A\0"s
              "4 ");
    records[0]->weight = 99;  // a copy: the graph keeps its weight
    EXPECT_EQ(graph.getAdjacentDistance('A', 'B'), 6);
    EXPECT_EQ(graphOf("A B 7", false).getAdjacentDistance('B', 'A'), 7);
}

// Dijkstra's answer is the exact distance clamped into the int range, -1 when
// unreachable; the path's steps add up to the exact distance.
TEST(GraphTest, QueriesFollowTheirDocumentedRules) {
    const char* const five = "A B 6 A C 7 B C 3 C E 8 D E 2";
    const struct {
        const char* edges;
        bool directed;
        char from, to;
        std::optional<std::int64_t> distance;
        int dijkstra;
        std::string path = "";
    } cases[] = {
        {five, false, 'A', 'E', 15, 15, "ACE"},
        {five, false, 'D', 'A', 17, 17, "DECA"},
        {five, false, 'A', 'A', 0, 0, "A"},
        {five, true, 'A', 'E', 15, 15},
        {five, true, 'A', 'D', {}, -1},
        {five, true, 'E', 'A', {}, -1},  // no row
        {five, true, 'A', 'A', {}, -1},
        {five, false, 'Z', 'Z', {}, -1},
        {"A B 5 A B 2", true, 'A', 'B', 5, 5},          // the first parallel weight
        {"A B 1 A C 5 C B -10", true, 'A', 'B', 1, 1},  // settled, not revisited
        {"A B -1 B C 1", true, 'A', 'C', {}, -1},       // weight -1 not followed
        {"A B 2 B C -3", true, 'A', 'C', -1, -1},       // reachable at -1
        {"A A 4 A B 3", true, 'A', 'B', 3, 3},          // self-loops take no part
        {"A A 4 A B 3", true, 'A', 'A', 0, 0, "A"},
        {"A B 2147483647 B C -5", true, 'A', 'C', 2147483642, 2147483642, "ABC"},
        {"A B 2147483647 B C -2147483648", true, 'A', 'C', -1, -1, "ABC"},
        {"A B 2147483647", true, 'A', 'B', INT_MAX, INT_MAX, "AB"},
        {"A B 2000000000 B C 2000000000 C D 2000000000", true, 'A', 'D', 6000000000, INT_MAX},
        // A past fault answered 27 here.
        {"R Q 1 I R 16 B R 3 O G 0 A R 3 L [ 4 [ Z 1 _ I 9 [ C 2 [ V 0 a _ 0 Z M 7 N P 3 ] R 3 "
         "I Z 14 E _ 0 Y Z 5 N R 0 W N 3 _ F 1 O B 0 J _ 2 [ B 3 G N 1 H _ 3 S R 2",
         false, 'E', 'B', 26, 26},
    };
    for (const auto& c : cases) {
        const Graph graph = graphOf(c.edges, c.directed);
        const std::string call = c.edges + " "s + c.from + c.to;
        EXPECT_EQ(graph.Reachable(c.from, c.to), c.distance.has_value()) << call;
        EXPECT_EQ(graph.shortestDistance(c.from, c.to), c.distance) << call;
        EXPECT_EQ(graph.Dijkstra(c.from, c.to), c.dijkstra) << call;
        EXPECT_TRUE(c.path.empty() || graph.shortestPath(c.from, c.to) == c.path) << call;
    }
    const struct {
        const char* edges;
        bool directed;
        std::string order;
    } orders[] = {
        {five, true, "ABCDE"},
        {"A X 1 C Y 1", true, "AXCY"},            // a released vertex first
        {"A B 1 B C 1 C B 1 A D 1", true, "AD"},  // a cycle left out
        {"A B -1", true, "A"},                    // weight -1 counted, never released
        {"", true, ""},                           // no vertex at in-degree 0 at the start
        {"A B 1", false, ""},
    };
    for (const auto& c : orders) {
        EXPECT_EQ(graphOf(c.edges, c.directed).topoSort(), c.order) << c.edges;
    }
}

}  // namespace
