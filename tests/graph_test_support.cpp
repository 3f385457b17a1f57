#include "tests/graph_test_support.h"

#include <gtest/gtest.h>

#include <atomic>
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
        if (!text.empty()) {
            text += ' ';
        }
        if (row.empty()) {
            text += "<empty row>";
            continue;
        }
        const Edge& head = *row.front();
        text += head.vertex;
        if (head.prev != '\0' || head.weight != -1) {
            text += "<bad head>";
        }
        text += ':';
        bool first = true;
        for (auto entry = std::next(row.begin()); entry != row.end(); ++entry) {
            text += first ? "" : ",";
            first = false;
            text += (*entry)->vertex;
            text += std::to_string((*entry)->weight);
            if ((*entry)->prev != '\0') {
                text += "<prev>";
            }
        }
    }
    if (graph.vertexCount != static_cast<int>(graph.adjList.size())) {
        text += " <vertexCount " + std::to_string(graph.vertexCount) + ">";
    }
    return text;
}

ScratchFile::ScratchFile(const std::string& contents) {
    static std::atomic<int> counter{0};
    path_ = ::testing::TempDir() + "graph_scratch_" + std::to_string(counter++) + ".txt";
    std::ofstream(path_, std::ios::binary) << contents;
}

ScratchFile::~ScratchFile() {
    std::remove(path_.c_str());
}
