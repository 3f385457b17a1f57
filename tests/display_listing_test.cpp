// The edge listing text.
#include <gtest/gtest.h>

#include "tests/graph_test_support.h"

namespace {

TEST(DisplayTest, ListsRowByRowInInsertionOrder) {
    const struct {
        const char* name;
        std::vector<TestEdge> edges;
        bool directed;
        std::string listing;
    } cases[] = {
        {"empty graph", {}, false, ""},
        {"undirected", {{'A', 'B', 6}, {'A', 'C', 7}}, false, "(A,B,6) (A,C,7) (B,A,6) (C,A,7) "},
        {"directed", {{'A', 'B', 6}, {'A', 'C', 7}}, true, "(A,B,6) (A,C,7) "},
        {"signs and digits",
         {{'A', 'B', -5}, {'A', 'C', 12}, {'A', 'D', 0}},
         true,
         "(A,B,-5) (A,C,12) (A,D,0) "},
        {"int extremes",
         {{'A', 'B', -2147483647 - 1}, {'A', 'C', 2147483647}},
         true,
         "(A,B,-2147483648) (A,C,2147483647) "},
        {"weight -1 passed over", {{'A', 'B', -1}, {'A', 'C', 2}}, true, "(A,C,2) "},
        {"duplicates and loops",
         {{'A', 'B', 1}, {'A', 'B', 1}, {'C', 'C', 4}},
         false,
         "(A,B,1) (A,B,1) (B,A,1) (B,A,1) (C,C,4) (C,C,4) "},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(graphOf(c.edges, c.directed).display(), c.listing) << c.name;
    }
}

TEST(DisplayTest, WritesNulTargetAsOneCharacter) {
    std::vector<std::list<std::shared_ptr<Edge>>> table(1);
    table[0].push_back(std::make_shared<Edge>('A', '\0', 3));
    EXPECT_EQ(Graph(table).display(), std::string("(A,\0,3) ", 8));
}

}  // namespace
