#include "tests/graph_test_support.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <climits>
#include <cstdio>
#include <fstream>

Graph graphOf(const std::vector<TestEdge>& edges, bool directed) {
    Graph graph({});
    for (const auto& edge : edges) {
        graph.addEdge(edge.source, edge.target, edge.weight, directed);
    }
    return graph;
}

std::string tableText(const Graph& graph) {
    std::string text;
    for (const auto& row : graph.adjList) {
        text += text.empty() ? "" : " ";
        for (const auto& entry : row) {
            const bool head = entry == row.front();
            if (head && entry->weight != -1) {
                text += "<head weight>";
            }
            text += entry->vertex;
            text += head ? ":" : std::to_string(entry->weight) + (entry == row.back() ? "" : ",");
            text += entry->prev == '\0' ? "" : "<prev>";
        }
    }
    if (graph.vertexCount != static_cast<int>(graph.adjList.size())) {
        text += " <vertexCount " + std::to_string(graph.vertexCount) + ">";
    }
    return text;
}

void expectPathMatchesDijkstra(const Graph& graph, char from, char to) {
    const std::string path = graph.shortestPath(from, to);
    if (!graph.Reachable(from, to)) {
        EXPECT_EQ(path, "") << from << to;
        return;
    }
    if (path.empty() && graph.Dijkstra(from, to) == INT_MAX) {
        return;  // saturated: no path length lies within the int range
    }
    ASSERT_FALSE(path.empty()) << from << to << ' ' << graph.display();
    EXPECT_EQ(path.front(), from);
    EXPECT_EQ(path.back(), to);
    long long length = 0;
    for (std::size_t i = 1; i < path.size(); ++i) {
        std::vector<char> neighbours;
        graph.insertAdjacentNodes(neighbours, {}, path[i - 1]);
        EXPECT_NE(std::find(neighbours.begin(), neighbours.end(), path[i]), neighbours.end())
            << path << ' ' << graph.display();
        const int step = graph.getAdjacentDistance(path[i - 1], path[i]);
        if (step >= (1 << 27) || step <= -(1 << 27)) {
            return;
        }
        length += step;
    }
    EXPECT_EQ(length, graph.Dijkstra(from, to)) << path << ' ' << graph.display();
}

ScratchFile::ScratchFile(const std::string& contents) {
    static std::atomic<int> counter{0};
    path_ = ::testing::TempDir() + "graph_scratch_" + std::to_string(counter++) + ".txt";
    std::ofstream(path_, std::ios::binary) << contents;
}

ScratchFile::~ScratchFile() {
    std::remove(path_.c_str());
}
