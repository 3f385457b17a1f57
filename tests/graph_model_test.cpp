// Tables built by addEdge and the table constructor, and their listings.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <sstream>

#include "tests/graph_test_support.h"

namespace {

const std::string kNul(1, '\0');

TEST(GraphModelTest, TableAndListingFollowInsertionOrder) {
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
        {"A B -2147483648 A C 2147483647 A D -5", true, "A:B-2147483648,C2147483647,D-5",
         "(A,B,-2147483648) (A,C,2147483647) (A,D,-5) "},
        {"a A 1 \xff " + kNul + " 2", true, "a:A1 \xff:" + kNul + "2",
         "(a,A,1) (\xff," + kNul + ",2) "},  // any byte is a name
    };
    for (const auto& c : cases) {
        const Graph graph = graphOf(c.edges, c.directed);
        EXPECT_EQ(tableText(graph), c.table) << c.edges;
        EXPECT_EQ(graph.display(), c.listing) << c.edges;
    }
}

TEST(GraphModelTest, AddEdgeFindsRowsAfterTheCallerEditsTheTable) {
    Graph graph = graphOf("A B 1 C D 2", true);
    std::swap(graph.adjList[0], graph.adjList[1]);
    graph.addEdge('A', 'E', 3, true);
    graph.addEdge('C', 'F', 4, true);
    EXPECT_EQ(tableText(graph), "C:D2,F4 A:B1,E3");

    graph.adjList.clear();
    graph.vertexCount = 0;
    graph.addEdge('C', 'A', 5, true);
    EXPECT_EQ(tableText(graph), "C:A5");
}

TEST(GraphModelTest, TableConstructorReadsEachEntryAsVertexPrevWeight) {
    std::vector<std::list<std::shared_ptr<Edge>>> table(1);
    table[0].push_back(std::make_shared<Edge>('A', 'B', 5));
    table[0].push_back(std::make_shared<Edge>('B', 'C', 2));
    const Graph graph(table);
    EXPECT_EQ(tableText(graph), "A:B5 B:C2");
    EXPECT_NE(graph.adjList[0].back().get(), table[0].front().get()) << "records are not shared";

    // Another graph's table: every entry, head entries included, becomes an
    // edge to the NUL character.
    const Graph copy(graphOf("A B 6", false).adjList);
    EXPECT_EQ(tableText(copy), "A:" + kNul + "-1," + kNul + "6 B:" + kNul + "6," + kNul + "-1");
    EXPECT_EQ(copy.display(), "(A," + kNul + ",6) (B," + kNul + ",6) ");
}

// Loaded records live in one block per row: each stays valid while any handle
// to it does, after the graph, its copies and the rest of its block are gone
// (the sanitizer and valgrind runs see any fault in this).
TEST(GraphModelTest, LoadedRecordsOutliveTheirGraph) {
    std::vector<std::shared_ptr<Edge>> kept;
    {
        std::istringstream input("V 3 E 3 A B 6 A C 7 B C 3");
        Graph loaded(input, false);
        const Graph copy = loaded;
        EXPECT_EQ(copy.adjList[0].back().get(), loaded.adjList[0].back().get()) << "shared";
        const auto* firstNode = &loaded.adjList[0].front();
        const Graph moved = std::move(loaded);
        EXPECT_EQ(&moved.adjList[0].front(), firstNode) << "moved, not copied";
        EXPECT_EQ(tableText(moved), "A:B6,C7 B:A6,C3 C:A7,B3");
        kept = {moved.adjList[0].back(), moved.adjList[2].front()};
    }
    EXPECT_EQ(kept[0]->vertex, 'C');
    EXPECT_EQ(kept[0]->weight, 7);
    EXPECT_EQ(kept[1]->vertex, 'C');
    kept[0].reset();
    EXPECT_EQ(kept[1]->weight, -1);
}

// Against records made one by one: handles to a loaded graph's records,
// copied and let go in random order, keep their values to the last, while the
// blocks holding them are freed as they empty (the sanitizer and valgrind runs
// see a block freed early or never).
TEST(GraphModelTest, LoadedRecordsBehaveAsRecordsMadeOneByOne) {
    std::mt19937 random(8);
    std::string triples;
    for (int i = 0; i < 2000; ++i) {
        triples += std::string{static_cast<char>('A' + random() % 20), ' ',
                               static_cast<char>('A' + random() % 20)} +
                   ' ' + std::to_string(random() % 1000) + ' ';
    }
    std::vector<std::pair<std::shared_ptr<Edge>, std::shared_ptr<Edge>>> handles;
    {
        std::istringstream input("V 1 E 1 " + triples);
        const Graph loaded(input, false);
        const Graph oneByOne = graphOf(triples, false);
        ASSERT_EQ(tableText(loaded), tableText(oneByOne));
        for (std::size_t row = 0; row < loaded.adjList.size(); ++row) {
            auto entry = oneByOne.adjList[row].begin();
            for (const auto& record : loaded.adjList[row]) {
                if (random() % 3 == 0) {
                    handles.emplace_back(record, *entry);
                }
                ++entry;
            }
        }
    }
    std::shuffle(handles.begin(), handles.end(), random);
    while (!handles.empty()) {
        for (std::size_t i = 0; i < handles.size(); i += 1 + random() % 7) {
            ASSERT_EQ(handles[i].first->vertex, handles[i].second->vertex);
            ASSERT_EQ(handles[i].first->weight, handles[i].second->weight);
        }
        handles.resize(handles.size() * 3 / 4);
    }
}

}  // namespace
