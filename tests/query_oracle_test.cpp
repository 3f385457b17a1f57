// The queries against the textbook reference on seeded random graphs: every
// ordered pair on small graphs, a sample of sources on graphs of up to 256
// names. A failure names the seed, the kind of graph and its table.
#include <gtest/gtest.h>

#include <random>

#include "tests/reference/random_graphs.h"
#include "tests/reference/textbook_reference.h"

namespace {

struct Subject {
    std::uint32_t seed;
    RandomGraph built;
    std::string names;  // textbookNames
    char absent;        // a name not in the table, if there is one

    std::string text() const {
        return "seed " + std::to_string(seed) + ", " + built.kind + ": " + graphText(built.graph);
    }
};

Subject subject(std::uint32_t seed, int maxNames) {
    Subject s{seed, randomGraph(seed, maxNames, false), "", '\0'};
    s.names = textbookNames(s.built.graph);
    for (int c = 255; c >= 0; --c) {
        if (s.names.find(static_cast<char>(c)) == std::string::npos) {
            s.absent = static_cast<char>(c);
            break;
        }
    }
    return s;
}

void checkPath(const Subject& s, char from, char to, std::optional<std::int64_t> distance) {
    const std::string path = s.built.graph.shortestPath(from, to);
    ASSERT_EQ(path.empty(), !distance) << path << ", " << s.text();
    if (!distance) {
        return;
    }
    ASSERT_EQ(path.front(), from) << path << ", " << s.text();
    ASSERT_EQ(path.back(), to) << path << ", " << s.text();
    ASSERT_TRUE(from != to || path.size() == 1) << path << ", " << s.text();
    std::int64_t length = 0;
    for (std::size_t i = 1; i < path.size(); ++i) {
        const std::optional<int> step = textbookStep(s.built.graph, path[i - 1], path[i]);
        ASSERT_TRUE(step) << "no edge at step " << i << " of " << path << ", " << s.text();
        length += *step;
    }
    ASSERT_EQ(length, *distance) << path << ", " << s.text();
}

// Every query from `from`, to every name of the table and to one absent name.
void checkSource(const Subject& s, char from) {
    const Graph& graph = s.built.graph;
    Distances expected = textbookDistances(graph, from);
    SCOPED_TRACE(testing::Message() << "from " << int(static_cast<unsigned char>(from)));
    ASSERT_EQ(graph.shortestDistances(from), expected) << s.text();
    if (s.names.size() < 256) {
        expected.emplace_back(s.absent, std::nullopt);
    }
    const QueryIndex index(graph);
    for (const auto& [to, distance] : expected) {
        SCOPED_TRACE(testing::Message() << "to " << int(static_cast<unsigned char>(to)));
        ASSERT_EQ(graph.Reachable(from, to), distance.has_value()) << s.text();
        ASSERT_EQ(index.Reachable(from, to), distance.has_value()) << s.text();
        ASSERT_EQ(graph.shortestDistance(from, to), distance) << s.text();
        ASSERT_EQ(graph.Dijkstra(from, to), textbookDijkstra(distance)) << s.text();
        ASSERT_NO_FATAL_FAILURE(checkPath(s, from, to, distance));
    }
}

void checkGraph(const Subject& s, const std::string& sources) {
    ASSERT_EQ(s.built.graph.vertexNames(), s.names) << s.text();
    ASSERT_EQ(s.built.graph.topoSort(), textbookTopoSort(s.built.graph)) << s.text();
    for (const char from : sources) {
        ASSERT_NO_FATAL_FAILURE(checkSource(s, from));
    }
}

TEST(QueryOracleTest, EveryPairOnSmallGraphs) {
    for (std::uint32_t seed = 1; seed <= 3000; ++seed) {
        const Subject s = subject(seed, 12);
        ASSERT_NO_FATAL_FAILURE(checkGraph(s, s.names + s.absent));
    }
}

TEST(QueryOracleTest, SampledSourcesOnGraphsOfUpTo256Names) {
    for (std::uint32_t seed = 100001; seed <= 100060; ++seed) {
        const Subject s = subject(seed, 256);
        std::mt19937 random(seed);
        std::string sources = {s.names.front(), s.names.back(), s.absent};
        for (int i = 0; i < 2; ++i) {
            sources +=
                s.names[std::uniform_int_distribution<std::size_t>(0, s.names.size() - 1)(random)];
        }
        ASSERT_NO_FATAL_FAILURE(checkGraph(s, sources));
    }
}

}  // namespace
