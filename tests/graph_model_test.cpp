// Table shapes built by addEdge and the table constructor.
#include <gtest/gtest.h>

#include "tests/graph_test_support.h"

namespace {

struct ShapeCase {
    const char* name;
    std::vector<TestEdge> edges;
    bool directed;
    std::string table;
};

TEST(AddEdgeTest, BuildsRowsInOrderOfCreation) {
    const ShapeCase cases[] = {
        {"no edges", {}, false, ""},
        {"undirected pair", {{'A', 'B', 6}, {'A', 'C', 7}}, false, "A:B6,C7 B:A6 C:A7"},
        {"directed pair", {{'A', 'B', 6}, {'A', 'C', 7}}, true, "A:B6,C7"},
        {"directed row appended later",
         {{'A', 'B', 6}, {'A', 'C', 7}, {'B', 'A', 1}},
         true,
         "A:B6,C7 B:A1"},
        {"duplicate kept twice", {{'A', 'B', 6}, {'A', 'B', 6}}, false, "A:B6,B6 B:A6,A6"},
        {"undirected loop stored twice", {{'A', 'A', 4}}, false, "A:A4,A4"},
        {"directed loop stored once", {{'A', 'A', 4}}, true, "A:A4"},
        {"source row made before target row", {{'B', 'A', 1}}, false, "B:A1 A:B1"},
        {"weights stored unchanged",
         {{'A', 'B', -1}, {'A', 'C', -2147483647 - 1}, {'A', 'D', 2147483647}},
         true,
         "A:B-1,C-2147483648,D2147483647"},
        {"case and bytes count",
         {{'a', 'A', 1}, {'\xff', '\0', 2}},
         true,
         "a:A1 \xff:" + std::string(1, '\0') + "2"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(tableText(graphOf(c.edges, c.directed)), c.table) << c.name;
    }
}

TEST(AddEdgeTest, FindsRowsAfterTheCallerEditsTheTable) {
    Graph graph = graphOf({{'A', 'B', 1}, {'C', 'D', 2}}, true);
    std::swap(graph.adjList[0], graph.adjList[1]);
    graph.addEdge('A', 'E', 3, true);
    graph.addEdge('C', 'F', 4, true);
    EXPECT_EQ(tableText(graph), "C:D2,F4 A:B1,E3");

    graph.adjList.clear();
    graph.vertexCount = 0;
    graph.addEdge('C', 'A', 5, true);
    EXPECT_EQ(tableText(graph), "C:A5");
}

TEST(TableConstructorTest, ReadsEachEntryAsVertexPrevWeight) {
    std::vector<std::list<std::shared_ptr<Edge>>> table(1);
    table[0].push_back(std::make_shared<Edge>('A', 'B', 5));
    table[0].push_back(std::make_shared<Edge>('B', 'C', 2));
    Graph graph(table);
    EXPECT_EQ(tableText(graph), "A:B5 B:C2");
    EXPECT_NE(graph.adjList[0].back().get(), table[0].front().get())
        << "records must not be shared";

    EXPECT_EQ(tableText(Graph({})), "");
}

TEST(TableConstructorTest, AnotherGraphsTableBecomesEdgesToNul) {
    const Graph source = graphOf({{'A', 'B', 6}}, false);
    const std::string nul(1, '\0');
    EXPECT_EQ(tableText(Graph(source.adjList)),
              "A:" + nul + "-1," + nul + "6 B:" + nul + "6," + nul + "-1");
}

}  // namespace
