// Neighbour gathering and weight lookup on one vertex's row.
#include <gtest/gtest.h>

#include "tests/graph_test_support.h"

namespace {

std::string queued(std::queue<char> queue) {
    std::string names;
    for (; !queue.empty(); queue.pop()) {
        names += queue.front();
    }
    return names;
}

TEST(InsertAdjacentElementsTest, QueuesUnvisitedNeighboursUntilTheTarget) {
    const Graph graph =
        graphOf({{'A', 'B', 6}, {'A', 'X', -1}, {'A', 'D', 3}, {'A', 'B', 2}}, true);
    const struct {
        std::vector<char> visited;
        char vertex;
        char target;
        bool found;
        std::string queued;
    } cases[] = {
        {{}, 'A', 'B', true, ""},    {{}, 'A', 'D', true, "B"},     {{}, 'A', 'E', false, "BDB"},
        {{'B'}, 'A', 'B', true, ""}, {{'B'}, 'A', 'E', false, "D"}, {{}, 'A', 'X', false, "BDB"},
        {{}, 'B', 'A', false, ""},   {{}, 'Q', 'Q', false, ""},
    };
    for (const auto& c : cases) {
        std::queue<char> queue;
        queue.push('#');
        const std::vector<char> visited = c.visited;
        EXPECT_EQ(graph.insertAdjacentElements(queue, visited, c.vertex, c.target), c.found)
            << c.vertex << "->" << c.target;
        EXPECT_EQ(queued(queue), "#" + c.queued) << c.vertex << "->" << c.target;
        EXPECT_EQ(visited, c.visited);
    }
}

TEST(InsertAdjacentNodesTest, AppendsUnvisitedNeighboursInRowOrder) {
    const Graph graph =
        graphOf({{'A', 'B', 5}, {'A', 'C', -1}, {'A', 'B', 2}, {'A', 'A', 4}}, true);
    std::vector<char> out = {'#'};
    graph.insertAdjacentNodes(out, {}, 'A');
    EXPECT_EQ(out, (std::vector<char>{'#', 'B', 'B', 'A'}));
    graph.insertAdjacentNodes(out, {'B', 'Z'}, 'A');
    graph.insertAdjacentNodes(out, {}, 'B');  // no row
    EXPECT_EQ(out, (std::vector<char>{'#', 'B', 'B', 'A', 'A'}));
}

TEST(InsertAdjacentElementsDijkstraTest, AppendsCopiesOfNeighbourEntries) {
    Graph graph = graphOf({{'A', 'B', 6}, {'A', 'C', -1}, {'A', 'D', 3}}, true);
    std::vector<std::shared_ptr<Edge>> out;
    graph.insertAdjacentElementsDijkstra(out, 'A');
    graph.insertAdjacentElementsDijkstra(out, 'B');
    ASSERT_EQ(out.size(), 2u);
    EXPECT_EQ(std::string({out[0]->vertex, out[0]->prev, out[1]->vertex, out[1]->prev}),
              std::string("B\0D\0", 4));
    EXPECT_EQ(out[0]->weight, 6);
    EXPECT_EQ(out[1]->weight, 3);
    out[0]->weight = 99;
    EXPECT_EQ(graph.display(), "(A,B,6) (A,D,3) ");
    graph.givePath('A', 'B', 1);
    EXPECT_EQ(graph.display(), "(A,B,6) (A,D,3) ");
}

TEST(GetAdjacentDistanceTest, AnswersTheFirstEntryNamingTheTarget) {
    const Graph directed =
        graphOf({{'A', 'B', 5}, {'A', 'B', 2}, {'A', 'A', 4}, {'A', 'C', -1}, {'A', 'Z', 0}}, true);
    const Graph undirected = graphOf({{'A', 'B', 7}}, false);
    const struct {
        const Graph& graph;
        char from;
        char to;
        int distance;
    } cases[] = {
        {directed, 'A', 'B', 5},   {directed, 'A', 'A', -1},   {directed, 'A', 'C', -1},
        {directed, 'A', 'Z', 0},   {directed, 'A', 'Q', 0},    {directed, 'B', 'A', 0},
        {undirected, 'B', 'A', 7}, {undirected, 'B', 'B', -1}, {undirected, 'Q', 'Q', 0},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(c.graph.getAdjacentDistance(c.from, c.to), c.distance) << c.from << c.to;
    }
}

}  // namespace
