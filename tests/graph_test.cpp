// Worked examples that pin what no oracle judges: exact tables and listings
// from addEdge. The queries' rules and the adjacency helpers are judged by the
// oracles in oracle_test.cpp.
#include <gtest/gtest.h>

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
        {"B A 1 A B 6", false, "B:A1,A6 A:B1,B6", "(B,A,1) (B,A,6) (A,B,1) (A,B,6) "},
        {"A A 4", false, "A:A4,A4", "(A,A,4) (A,A,4) "},  // an undirected loop twice
        {"A B -1 A C 12 A D -2147483648", true, "A:B-1,C12,D-2147483648",
         "(A,C,12) (A,D,-2147483648) "},  // weight -1 stored, not listed
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

}  // namespace
