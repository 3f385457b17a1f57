// Neighbour gathering and weight lookup on one vertex's row.
#include <gtest/gtest.h>

#include "tests/graph_test_support.h"

namespace {

// Row of A: B 6, X -1, D 3, B 2, A 4 (a loop); B, X and D have no rows.
const Graph& sample() {
    static const Graph graph = graphOf("A B 6 A X -1 A D 3 A B 2 A A 4", true);
    return graph;
}

TEST(AdjacencyTest, InsertAdjacentElementsQueuesUnvisitedNeighboursUntilTheTarget) {
    const struct {
        std::vector<char> visited;
        char vertex, target;
        bool found;
        std::string queued;
    } cases[] = {
        {{}, 'A', 'B', true, ""},           {{}, 'A', 'D', true, "B"},
        {{}, 'A', 'E', false, "BDBA"},      {{'B'}, 'A', 'B', true, ""},
        {{'B', 'A'}, 'A', 'E', false, "D"}, {{}, 'A', 'X', false, "BDBA"},
        {{}, 'A', 'A', true, "BDB"},        {{}, 'B', 'A', false, ""},
    };
    for (const auto& c : cases) {
        std::queue<char> queue;
        queue.push('#');
        const std::vector<char> visited = c.visited;
        EXPECT_EQ(sample().insertAdjacentElements(queue, visited, c.vertex, c.target), c.found)
            << c.vertex << c.target;
        std::string queued;
        for (; !queue.empty(); queue.pop()) {
            queued += queue.front();
        }
        EXPECT_EQ(queued, "#" + c.queued) << c.vertex << c.target;
        EXPECT_EQ(visited, c.visited);
    }
}

TEST(AdjacencyTest, GatheringAppendsNeighbourEntriesInRowOrder) {
    std::vector<char> names = {'#'};
    sample().insertAdjacentNodes(names, {}, 'A');
    sample().insertAdjacentNodes(names, {'B', 'Z'}, 'A');
    sample().insertAdjacentNodes(names, {}, 'B');  // no row
    EXPECT_EQ(std::string(names.begin(), names.end()), "#BDBADA");

    std::vector<std::shared_ptr<Edge>> records;
    sample().insertAdjacentElementsDijkstra(records, 'A');
    sample().insertAdjacentElementsDijkstra(records, 'B');
    std::string text;
    for (const auto& record : records) {
        text += std::string{record->vertex, record->prev} + std::to_string(record->weight) + ' ';
    }
    EXPECT_EQ(text, std::string("B\0"
                                "6 D\0"
                                "3 B\0"
                                "2 A\0"
                                "4 ",
                                16));
    records[0]->weight = 99;  // a copy: the graph keeps its weight
    EXPECT_EQ(sample().getAdjacentDistance('A', 'B'), 6);
}

TEST(AdjacencyTest, GetAdjacentDistanceAnswersTheFirstEntryNamingTheTarget) {
    const Graph undirected = graphOf("A B 7 A Z 0", false);
    const struct {
        const Graph& graph;
        char from, to;
        int distance;
    } cases[] = {
        {sample(), 'A', 'B', 6},   {sample(), 'A', 'A', -1},  {sample(), 'A', 'X', -1},
        {sample(), 'A', 'Q', 0},   {undirected, 'B', 'A', 7}, {undirected, 'Z', 'Z', -1},
        {undirected, 'A', 'Z', 0},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(c.graph.getAdjacentDistance(c.from, c.to), c.distance) << c.from << c.to;
    }
}

}  // namespace
