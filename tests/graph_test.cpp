// Worked examples that pin what no oracle judges: exact tables and listings
// from addEdge, and what the adjacency helpers gather; and loading where the
// >> oracle (oracle_test.cpp) cannot see: the file constructor reads a file
// silently and writes its one message for a file it cannot read, and a stream
// buffer may throw what is no std::exception. The queries' rules are judged
// by the oracles in oracle_test.cpp.
#include <gtest/gtest.h>

#include <queue>

#include "tests/graph_test_support.h"

namespace {

using namespace std::string_literals;

TEST(GraphTest, TableAndListingFollowInsertionOrder) {
    const struct {
        std::string edges;
        bool directed;
        std::string table, listing;
    } cases[] = {
        {"", false, "", ""},
        {"A B 6 A C 7", false, "A:B6,C7 B:A6 C:A7", "(A,B,6) (A,C,7) (B,A,6) (C,A,7) "},
        {"A B 6 A C 7 B A 1", true, "A:B6,C7 B:A1", "(A,B,6) (A,C,7) (B,A,1) "},
        {"B A 1 A B 6", false, "B:A1,A6 A:B1,B6", "(B,A,1) (B,A,6) (A,B,1) (A,B,6) "},
        {"A A 4", false, "A:A4,A4", "(A,A,4) (A,A,4) "},  // an undirected loop twice
        {"A B -1 A C 12 A D -2147483648", true, "A:B-1,C12,D-2147483648",
         "(A,C,12) (A,D,-2147483648) "},  // weight -1 stored, not listed
        {"a A 1 \377 \000 2"s, true, "a:A1 \377:\0002"s, "(a,A,1) (\377,\000,2) "s},
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

// What the adjacency helpers add to containers holding '*' (a record "*0")
// for `vertex`, `target` and `visited`, as "found|queued|appended|records|
// distance": insertAdjacentElements' answer and queue, insertAdjacentNodes'
// names, insertAdjacentElementsDijkstra's records, getAdjacentDistance.
std::string adjacency(const Graph& graph, char vertex, char target, const std::string& visited) {
    std::queue<char> queue({'*'});
    std::vector<char> appended = {'*'};
    std::vector<std::shared_ptr<Edge>> records = {std::make_shared<Edge>('*', '\0', 0)};
    const std::vector<char> seen(visited.begin(), visited.end());
    std::string text = graph.insertAdjacentElements(queue, seen, vertex, target) ? "1|" : "0|";
    for (; !queue.empty(); queue.pop()) {
        text += queue.front();
    }
    graph.insertAdjacentNodes(appended, seen, vertex);
    graph.insertAdjacentElementsDijkstra(records, vertex);
    text += "|" + std::string(appended.begin(), appended.end()) + "|";
    for (const auto& record : records) {
        text += record->vertex + std::to_string(record->weight) + (record->prev ? "<prev> " : " ");
    }
    return text + "|" + std::to_string(graph.getAdjacentDistance(vertex, target));
}

// Neighbour entries are those after the head not of weight -1; the queue
// ends where the target is met; the weight is the first entry's naming the
// target, the head's or one of -1 too.
TEST(GraphTest, AdjacencyHelpersGatherNeighbourEntries) {
    const Graph graph = graphOf("A B 5 A C -1 A \377 2 A B 7 A A 3 A D 4 C A 1", true);
    const std::string rowA = "|*0 B5 \3772 B7 A3 D4 |";
    const struct {
        char vertex, target;
        std::string visited, expected;
    } cases[] = {
        {'A', 'D', "", "1|*B\377BA|*B\377BAD" + rowA + "4"},
        {'A', 'B', "\377", "1|*|*BBAD" + rowA + "5"},
        {'A', 'C', "BA", "0|*\377D|*\377D" + rowA + "-1"},
        {'A', 'A', "", "1|*B\377B|*B\377BAD" + rowA + "-1"},
        {'C', 'Z', "A", "0|*|*|*0 A1 |0"},
        {'B', 'A', "", "0|*|*|*0 |0"},  // no row
    };
    for (const auto& c : cases) {
        EXPECT_EQ(adjacency(graph, c.vertex, c.target, c.visited), c.expected)
            << c.vertex << c.target;
    }
}

TEST(FileLoadingTest, FileConstructorSaysOnlyThatItCannotOpen) {
    const ScratchFile file("V 3\r\nE 2\r\nA B 6\r\nA C 7 B C x");
    ::testing::internal::CaptureStderr();
    EXPECT_EQ(tableText(Graph(file.path(), false)), "A:B6,C7 B:A6 C:A7");
    EXPECT_EQ(::testing::internal::GetCapturedStderr(), "");
    // A missing file (a path under a regular file), no name, a directory:
    // the constructor that reports says why, and nothing else.
    const std::string reasons[] = {"Not a directory", "No such file or directory",
                                   "Is a directory"};
    int reason = 0;
    for (const std::string& path : {file.path() + "/missing", ""s, ::testing::TempDir()}) {
        ::testing::internal::CaptureStderr();
        EXPECT_EQ(tableText(Graph(path, false)), "") << path;
        LoadReport report;
        EXPECT_EQ(tableText(Graph(path, false, report)), "") << path;
        EXPECT_EQ(::testing::internal::GetCapturedStderr(), "Unable to open file\n") << path;
        EXPECT_EQ(report.stop, LoadReport::Stop::cannotOpen) << path;
        EXPECT_EQ(report.error.message(), reasons[reason++]) << path;
    }
}

// Whatever the stream buffer throws is a read error, as `>>` takes it.
TEST(FileLoadingTest, AnythingThrownIsAReadError) {
    ChunkedBuffer buffer("V 1 E 1 A B 6 C", 4, /*failAtEnd=*/true, /*standard=*/false);
    std::istream in(&buffer);
    LoadReport report;
    EXPECT_EQ(tableText(Graph(in, true, report)), "A:B6");
    EXPECT_EQ(reportText(report).substr(0, 22), "inputError 1 @15/1:16 ");
    EXPECT_TRUE(in.bad() && !in.eof());
}

}  // namespace
